// The game's resident memory while another program starts pintu again and
// again, handing over a picture each time:
//
//   hand_over_flood [SECONDS [PER_SECOND]]    default 60 seconds, 1000 a second
//
// The game runs here, its menu shown, as a player would have it; the starts
// come from a child process. Every other picture handed over cannot be read,
// so that the box refusing one opens and goes all the while. Each line gives
// a second of the flood, the starts answered so far, and the game's resident
// memory; the last line the memory at the start and at the end, its peak
// during the flood, and the message boxes left open.
#include "app/Game.h"
#include "app/session/ApplicationSetup.h"
#include "app/session/InstanceChannel.h"
#include "bench/GameOnDisk.h"
#include "bench/PeakMemory.h"
#include "tests/support/TestPictures.h"
#include "tests/support/WindowControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <QRadioButton>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

namespace pintu {
namespace {

constexpr const char* floodOnly = "--flood";

// The child: `perSecond` starts a second for `seconds`, from a few threads,
// as several programs would start pintu at once, each handing over
// `pictures[i % 2]`; prints how many were answered of how many started.
int flood(const QString& channel, int seconds, int perSecond, const std::array<std::string, 2>& pictures)
{
    constexpr int threads = 8;
    QElapsedTimer clock;
    clock.start();
    std::atomic<long long> started = 0;
    std::atomic<long long> answered = 0;
    {
        std::vector<std::jthread> starting;
        for (int thread = 0; thread < threads; ++thread)
            starting.emplace_back([&] {
                while (clock.elapsed() < seconds * 1000LL) {
                    if (started * 1000 >= clock.elapsed() * perSecond) {
                        QThread::usleep(100);
                        continue;
                    }
                    answered += handOverToRunningGame(channel, pictures[started++ % 2]) ? 1 : 0;
                }
            });
    }
    std::printf("%lld of %lld\n", answered.load(), started.load());
    return 0;
}

int openMessageBoxes()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return static_cast<int>(std::ranges::count_if(
        windows, [](QWidget* window) { return qobject_cast<QMessageBox*>(window) && window->isVisible(); }));
}

int measure(int argc, char* argv[], int seconds, int perSecond)
{
    QApplication application(argc, argv);
    setUpApplication(application, Language::SimplifiedChinese);
    QApplication::setQuitOnLastWindowClosed(false);
    const QTemporaryDir data;
    const QString picture = data.filePath("tiles.bmp");
    test::positionPicture(300, 240).save(picture, "bmp");
    bench::GameOnDisk disk(data);
    Game game(disk.services);
    game.start();
    ResolutionWindow& resolution = test::resolutionWindow();
    test::resolutionOption(resolution, LayoutSet::A)->click();
    test::named<QAbstractButton>(resolution, ResolutionControlNames::start)->click();
    const QString channelName = data.filePath("channel");
    int actedOn = 0;
    QElapsedTimer acting;
    qint64 actingNanoseconds = 0;
    const InstanceChannel channel(channelName, [&](std::optional<std::string> handed) {
        acting.start();
        game.choosePicture(std::move(handed));
        actingNanoseconds += acting.nsecsElapsed();
        ++actedOn;
    });

    QCoreApplication::processEvents();
    const double before = bench::residentMegabytes();
    bench::resetPeak();
    QProcess starts;
    starts.start(QCoreApplication::applicationFilePath(),
                 {floodOnly, channelName, QString::number(seconds), QString::number(perSecond), picture,
                  data.filePath("gone.bmp")});
    int second = 0;
    QTimer sampling;
    QObject::connect(&sampling, &QTimer::timeout, [&] {
        std::printf("%d s\t%.1f MB\n", ++second, bench::residentMegabytes());
        std::fflush(stdout);
    });
    sampling.start(1000);
    QObject::connect(&starts, &QProcess::finished, &application, &QCoreApplication::quit);
    application.exec();
    std::printf("starts answered: %s", starts.readAllStandardOutput().constData());
    std::printf("pictures acted on: %d, taking %.1f s\n", actedOn, static_cast<double>(actingNanoseconds) / 1e9);
    std::printf("resident before %.1f MB, after %.1f MB, peak %.1f MB; message boxes open: %d; "
                "the game's processor time %.1f s\n",
                before, bench::residentMegabytes(), bench::peakMegabytes(), openMessageBoxes(),
                static_cast<double>(std::clock()) / CLOCKS_PER_SEC);
    return 0;
}

} // namespace
} // namespace pintu

int main(int argc, char* argv[])
{
    if (argc == 7 && std::string(argv[1]) == pintu::floodOnly)
        return pintu::flood(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                            {argv[5], argv[6]});
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const int perSecond = argc > 2 ? std::atoi(argv[2]) : 1000;
    return pintu::measure(1, argv, seconds, perSecond);
}
