#include "app/Game.h"
#include "app/session/ApplicationSetup.h"
#include "app/session/CommandLine.h"
#include "app/session/EndOfSession.h"
#include "app/session/InstanceChannel.h"
#include "app/session/Leftovers.h"
#include "app/session/SingleInstance.h"
#include "platform/qt/QtFiles.h"
#include "platform/qt/pictures/PictureShelf.h"
#include "platform/qt/pictures/SandboxedPictures.h"
#include "platform/SeededRandom.h"
#include "platform/SystemClock.h"
#include "records/RecordBook.h"
#include "resume/KeptGameStore.h"
#include "solver/Solver.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <variant>

int main(int argc, char* argv[])
{
    const pintu::CommandLineOutcome commandLine = pintu::readCommandLine(argc, argv);
    if (const auto* answer = std::get_if<pintu::CommandLineAnswer>(&commandLine))
        return pintu::printAnswer(*answer);

    QApplication application(argc, argv);
    pintu::setUpApplication(application, pintu::systemLanguage());
    // Every way out is the game's own: a window's close box does what its exit does.
    QApplication::setQuitOnLastWindowClosed(false);

    const QDir dataFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    pintu::SingleInstance instance(dataFolder.path());
    const std::optional<std::string>& picture = std::get<pintu::CommandLine>(commandLine).picture;
    if (instance.claim() == pintu::InstanceClaim::AnotherGameRuns)
        return pintu::handOverToRunningGame(instance.channelName(), picture) ? EXIT_SUCCESS
                                                                              : pintu::refuseSecondGame();
    if (const QString folder = instance.folderInTheWay(); !folder.isEmpty())
        pintu::reportFolderInTheWay(folder);

    // One solver for the run, so that its tables are read or built once.
    auto solver = std::make_shared<pintu::solver::Solver>(
        pintu::solver::SolverOptions{.tableFolder = dataFolder.path().toStdString()});
    pintu::QtFiles files;
    pintu::SystemClock clock;
    // Only the one game that holds the folder keeps a game there, and clears
    // what earlier runs left.
    std::optional<pintu::KeptGameStore> keptGames;
    if (instance.claim() == pintu::InstanceClaim::OnlyGame) {
        pintu::removeLeftovers(dataFolder.path().toStdString());
        keptGames.emplace(files, dataFolder.filePath("kept-game.txt").toStdString());
    }
    pintu::RecordBook records(files, dataFolder.filePath("records.txt").toStdString());
    pintu::SandboxedPictures pictureReaders(pintu::SandboxedPictures::installedReader());
    pintu::PictureShelf pictures(pictureReaders);
    const pintu::GameServices services{
        files,
        clock,
        pictures,
        {dataFolder.filePath("kel.txt").toStdString(), dataFolder.filePath("grb.kel").toStdString()},
        [] { return std::make_unique<pintu::SeededRandom>(); },
        [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                window->hide();
            // Not through a quit, which stands for the session's end.
            QCoreApplication::exit(EXIT_SUCCESS);
        },
        std::chrono::milliseconds(100),
        {
            [solver](const pintu::Arrangement& arrangement, std::stop_token stop) {
                return pintu::findHint(*solver, arrangement, stop);
            },
            [solver](int side, std::stop_token stop) { solver->prepareForPlay(side, stop); },
            [solver] { return solver->buildProgress(); },
        },
        keptGames ? &*keptGames : nullptr,
        [solver](const pintu::Arrangement& start, std::stop_token stop) {
            return pintu::shortestWay(*solver, start, stop);
        },
        &records,
    };
    pintu::Game game(services);
    // Ended by the desktop: the game under way reaches the disk, the lock is
    // let go, and nothing more of the game runs, not even a box it had open.
    const pintu::EndOfSession endOfSession(
        application,
        [&] {
            game.keepGameUnderWay();
            if (keptGames)
                keptGames->settle();
        },
        [&] {
            instance.release();
            std::fflush(nullptr);
            std::_Exit(EXIT_SUCCESS);
        });
    const pintu::InstanceChannel channel(instance.channelName(), [&game](std::optional<std::string> handed) {
        game.choosePicture(std::move(handed));
    });
    game.start(picture);
    return application.exec();
}
