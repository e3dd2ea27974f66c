#include "Game.h"
#include "InstanceChannel.h"
#include "SingleInstance.h"
#include "TestPictures.h"
#include "TestServices.h"
#include "WindowControls.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

// Slow enough for a game built with sanitizers on a busy machine.
constexpr int patienceMs = 60'000;

// The real game on a data folder of the test's own: ~/.local/share is never touched.
class GameFolder {
public:
    GameFolder() { QDir(folder.path()).mkpath("pintu"); }

    QString dataFile(const QString& name) const { return folder.filePath("pintu/" + name); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", folder.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        return environment;
    }

    void start(QProcess& game, const QStringList& arguments = {}) const { start(game, arguments, environment()); }

    void start(QProcess& game, const QStringList& arguments, const QProcessEnvironment& environment) const
    {
        game.setProcessEnvironment(environment);
        game.setWorkingDirectory(folder.path());
        game.start(PINTU_EXECUTABLE, arguments);
        ASSERT_TRUE(game.waitForStarted(patienceMs)) << game.errorString().toStdString();
    }

    qint64 lockHolder() const
    {
        qint64 pid = 0;
        QString hostName;
        QString application;
        return QLockFile(dataFile("pintu.lock")).getLockInfo(&pid, &hostName, &application) ? pid : 0;
    }

    // The lock is taken just before the first window opens.
    bool waitForLockOf(const QProcess& game) const
    {
        const QDeadlineTimer deadline(patienceMs);
        while (lockHolder() != game.processId()) {
            if (deadline.hasExpired() || game.state() == QProcess::NotRunning)
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    QByteArray bytesOf(const QString& name) const
    {
        QFile file(dataFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestFolder folder;
};

// Ends a game the test left running, whatever the test's outcome.
struct Running {
    ~Running()
    {
        game.kill();
        game.waitForFinished(patienceMs);
    }
    QProcess game;
};

void finish(QProcess& game)
{
    ASSERT_TRUE(game.waitForFinished(patienceMs));
    ASSERT_EQ(game.exitStatus(), QProcess::NormalExit);
}

TEST(Startup, SecondGameLeavesTheFirstOnesFilesAlone)
{
    GameFolder data;
    const QByteArray moveLog = "shuffle of the running game\r\n";
    const QByteArray hallOfFame = "\"winner\"\r\n";
    data.folder.writeBytes("pintu/kel.txt", moveLog);
    data.folder.writeBytes("pintu/grb.kel", hallOfFame);
    Running first;
    data.start(first.game);
    ASSERT_TRUE(data.waitForLockOf(first.game));

    // The second hands over to the first and ends, quietly.
    QProcess second;
    data.start(second);
    finish(second);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QString::fromUtf8(second.readAllStandardError()).contains("拼图已经在运行！"));

    EXPECT_EQ(first.game.state(), QProcess::Running);
    EXPECT_EQ(data.lockHolder(), first.game.processId());
    EXPECT_EQ(data.bytesOf("kel.txt"), moveLog);
    EXPECT_EQ(data.bytesOf("grb.kel"), hallOfFame);
}

TEST(Startup, ASecondStartHandsItsPictureToTheRunningMenu)
{
    GameFolder data;
    // This test is the running game, with the lock and the channel of that data folder.
    const SingleInstance running(data.dataFile(""));
    ASSERT_EQ(running.claim(), InstanceClaim::OnlyGame);
    TestServices run;
    Game game(run.services);
    game.start();
    named<QPushButton>(game.resolutionWindow(), ResolutionControlNames::start)->click();
    const InstanceChannel channel(running.channelName(),
                                  [&game](std::optional<QString> picture) { game.choosePicture(picture); });
    ASSERT_TRUE(channel.isListening());
    data.folder.writeBytes("photo.png", pictureFile(positionPicture(40, 30), "png"));

    QProcess second;
    data.start(second, {"photo.png"}); // in the folder the second start was started in
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, patienceMs));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    MenuWindow* menu = game.menu(LayoutSet::A);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->pictureFileName() == "photo.png"; }, patienceMs));
    EXPECT_EQ(menu->pictureFolder(), data.folder.path().toStdString());
}

TEST(Startup, AnOldLockOfALiveGameStillHolds)
{
    GameFolder data;
    // The lock a game would have left two days ago on a file system without
    // locks of its own, where only the file tells who holds it. This test
    // stands in for that game: it runs, under the name the lock gives.
    QByteArray lockContents;
    {
        QLockFile lock(data.dataFile("pintu.lock"));
        ASSERT_TRUE(lock.tryLock());
        lockContents = data.bytesOf("pintu.lock");
    }
    data.folder.writeBytes("pintu/pintu.lock", lockContents);
    QFile lock(data.dataFile("pintu.lock"));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    lock.close();

    QProcess second;
    data.start(second);
    finish(second);
    EXPECT_NE(second.exitCode(), 0);
    EXPECT_EQ(data.bytesOf("pintu.lock"), lockContents);
}

TEST(Startup, NamesAFolderWhereTheLockBelongsAndPlaysOn)
{
    GameFolder data;
    QDir(data.folder.path()).mkpath("pintu/pintu.lock");
    Running game;
    data.start(game.game);
    QString said;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        said += QString::fromUtf8(game.game.readAllStandardError());
        return said.contains(data.dataFile("pintu.lock"));
    }, patienceMs)) << said.toStdString();
    EXPECT_EQ(game.game.state(), QProcess::Running);
}

TEST(Startup, TakesOverTheLockOfAKilledGame)
{
    GameFolder data;
    QProcess killed;
    data.start(killed);
    ASSERT_TRUE(data.waitForLockOf(killed));
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(patienceMs));
    ASSERT_TRUE(QFile::exists(data.dataFile("pintu.lock")));

    Running next;
    data.start(next.game);
    EXPECT_TRUE(data.waitForLockOf(next.game)) << next.game.readAllStandardError().toStdString();
}

struct DisplaylessRow {
    const char* name;
    QStringList arguments;
    int exitCode;
    QString output;
    QString error;
};

class WithoutADisplay : public ::testing::TestWithParam<DisplaylessRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, WithoutADisplay,
    ::testing::Values(DisplaylessRow{"Help", {"--help"}, 0, "用法", ""},
                      DisplaylessRow{"Version", {"--version"}, 0, "pintu " PINTU_PROJECT_VERSION "\n", ""},
                      DisplaylessRow{"UnknownOption", {"--colour"}, 2, "", "未知选项"},
                      DisplaylessRow{"TwoPictures", {"a.bmp", "b.bmp"}, 2, "", "一次只能打开一张图片。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(WithoutADisplay, TheCommandLineIsAnsweredAndNoGameStarts)
{
    const DisplaylessRow& row = GetParam();
    GameFolder data;
    QProcessEnvironment environment = data.environment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(display);

    QProcess game;
    data.start(game, row.arguments, environment);
    finish(game);
    EXPECT_EQ(game.exitCode(), row.exitCode);
    const QString output = QString::fromUtf8(game.readAllStandardOutput());
    const QString error = QString::fromUtf8(game.readAllStandardError());
    EXPECT_TRUE(output.contains(row.output)) << output.toStdString();
    EXPECT_TRUE(error.contains(row.error)) << error.toStdString();
    EXPECT_TRUE((row.exitCode == 0 ? error : output).isEmpty());
    EXPECT_EQ(data.lockHolder(), 0) << "a game started";
}

} // namespace
} // namespace pintu::test
