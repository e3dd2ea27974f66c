#include "app/session/InstanceChannel.h"
#include "app/session/SingleInstance.h"
#include "resume/KeptGame.h"
#include "tests/support/TestPictures.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <functional>
#include <optional>

namespace pintu::test {
namespace {

// Slow enough for a game built with sanitizers on a busy machine.
constexpr int patienceMs = 60'000;
constexpr uid_t nobody = 65534;

// The real game on a data folder of the test's own: ~/.local/share is never touched.
class GameFolder {
public:
    GameFolder() { QDir(folder.path()).mkpath("pintu"); }

    QString dataFile(const QString& name) const { return folder.filePath("pintu/" + name); }

    // The game's own words, whatever the language of the desktop the tests run on.
    QProcessEnvironment environment(const QString& locale = "C") const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", folder.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        for (const char* overriding : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(overriding);
        environment.insert("LANG", locale);
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

    // What the game does before its first window opens (takes the lock, sets up
    // its signal handlers): true once `holds`, false when the game ends first.
    static bool waitUntil(const QProcess& game, const std::function<bool()>& holds)
    {
        const QDeadlineTimer deadline(patienceMs);
        while (!holds()) {
            if (deadline.hasExpired() || game.state() == QProcess::NotRunning)
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    bool waitForLockOf(const QProcess& game) const
    {
        return waitUntil(game, [&] { return lockHolder() == game.processId(); });
    }

    static bool waitUntilCaught(const QProcess& game, int signal)
    {
        return waitUntil(game, [&] { return catches(game, signal); });
    }

    static bool catches(const QProcess& game, int signal)
    {
        QFile status(QString("/proc/%1/status").arg(game.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1) & 1) != 0;
        }
        return false;
    }

    void keep(const KeptGame& game) const
    {
        folder.writeBytes("pintu/kept-game.txt", QByteArray::fromStdString(keptGameText(game)));
    }
    std::optional<KeptGame> kept() const { return readKeptGame(bytesOf("kept-game.txt").toStdString()); }

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
    // What a write killed midway left, which the game that holds the folder clears.
    const QString leftover = "kept-game.txt.Qzr7Tb";
    data.folder.writeBytes("pintu/" + leftover, "half");
    Running first;
    data.start(first.game);
    ASSERT_TRUE(data.waitForLockOf(first.game));
    EXPECT_TRUE(data.waitUntil(first.game, [&] { return !QFile::exists(data.dataFile(leftover)); }));
    data.folder.writeBytes("pintu/" + leftover, "half");

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
    EXPECT_EQ(data.bytesOf(leftover), "half");
}

// Where a second start finds the running game without the session's runtime
// folder: beside `foreign`, a folder in the temporary folder that another
// user made.
struct Meeting {
    const char* name;
    std::function<QString()> foreign;
    bool handedOver;
};

// `path` as another user would have made it, for themselves alone.
void makeForeign(const QString& path)
{
    if (::geteuid() == 0) {
        ASSERT_EQ(::mkdir(QFile::encodeName(path).constData(), S_IRWXU), 0);
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);
    } else {
        QFile::link("/", path); // root's
    }
}

class ASecondStart : public ::testing::TestWithParam<Meeting> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, ASecondStart,
    ::testing::Values(Meeting{"InTheSessionsRuntimeFolder", {}, true},
                      // Qt's stand-in for a runtime folder.
                      Meeting{"WhereAnotherUserMadeRuntimeUser",
                              [] { return "runtime-" + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name); },
                              true},
                      Meeting{"NeverWhereAnotherUserMadeTheGamesOwn",
                              [] { return "pintu-" + QString::number(::geteuid()); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

// What the running game then does with the picture is the game flow's test.
TEST_P(ASecondStart, HandsItsPictureToTheRunningGame)
{
    const Meeting& row = GetParam();
    GameFolder data;
    QProcessEnvironment environment = data.environment();
    const auto restoring = qScopeGuard([runtime = qgetenv("XDG_RUNTIME_DIR"), temporary = qgetenv("TMPDIR")] {
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("TMPDIR", temporary);
    });
    if (row.foreign) {
        const QString temporary = data.folder.filePath("tmp");
        QDir().mkpath(temporary);
        makeForeign(temporary + "/" + row.foreign());
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temporary));
        environment.remove("XDG_RUNTIME_DIR");
        environment.insert("TMPDIR", temporary);
    }
    // This test is the running game, with the lock and the channel of that data folder.
    const SingleInstance running(data.dataFile(""));
    ASSERT_EQ(running.claim(), InstanceClaim::OnlyGame);
    std::optional<std::string> handed;
    const InstanceChannel channel(running.channelName(), [&](std::optional<std::string> picture) { handed = picture; });
    data.folder.writeBytes("photo.png", pictureFile(positionPicture(40, 30), "png"));

    QProcess second;
    data.start(second, {"photo.png"}, environment); // in the folder the second start was started in
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, patienceMs));
    EXPECT_EQ(second.exitCode(), row.handedOver ? 0 : 1) << second.readAllStandardError().toStdString();
    if (row.handedOver)
        EXPECT_TRUE(QTest::qWaitFor([&] { return handed == data.folder.filePath("photo.png").toStdString(); }));
    else
        EXPECT_EQ(handed, std::nullopt);
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

// Two moves into a 3x3 game, the blank in the middle, on a picture of the test's own.
KeptGame twoMovesIn(const GameFolder& data)
{
    const QString picture = data.folder.writeBitmap("tiles.bmp", positionPicture(300, 240));
    return {0, &board3x3, picture.toStdString(),
            Board::Snapshot{Board::Phase::Playing, *Arrangement::fromTiles(3, {0, 1, 2, 3, 8, 4, 6, 7, 5}), 2,
                            std::chrono::milliseconds(4200), false, 0}};
}

void endBySignal(QProcess& game, int signal)
{
    ::kill(static_cast<pid_t>(game.processId()), signal);
    finish(game);
}

TEST(Startup, ASessionEndingWhileTheQuestionIsUpLosesNothing)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        GameFolder data;
        data.keep(twoMovesIn(data));
        const QByteArray kept = data.bytesOf("kept-game.txt");
        QProcess game;
        data.start(game);
        ASSERT_TRUE(data.waitUntilCaught(game, signal));
        endBySignal(game, signal);
        EXPECT_EQ(game.exitCode(), 0) << game.readAllStandardError().toStdString();
        EXPECT_EQ(data.bytesOf("kept-game.txt"), kept);
        EXPECT_FALSE(QFile::exists(data.dataFile("pintu.lock")));
    }
}

// Keys reach a game only where windows are seen: this test runs under
// xvfb-run (ctest's app_tests_on_x11), with xdotool typing.
class OnADesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariable("QT_QPA_PLATFORM") != "xcb" || QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "needs an X server and xdotool";
    }

    static void xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.start("xdotool", arguments);
        if (!tool.waitForFinished(patienceMs))
            tool.kill();
    }

    static void type(const QString& key) { xdotool({"key", key}); }

    // The game started on `data`, with its question to play on up.
    void startAsked(QProcess& game)
    {
        QProcessEnvironment environment = data.environment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        data.start(game, {}, environment);
        ASSERT_TRUE(data.waitUntilCaught(game, SIGTERM));
        // By the process: the title's old-style property is garbled in the game's C locale.
        xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(game.processId())});
    }

    GameFolder data;
};

TEST_F(OnADesktop, AGameKilledMidwayComesBackWithItsTiles)
{
    const KeptGame before = twoMovesIn(data);
    data.keep(before);
    Running killed;
    startAsked(killed.game);
    type("Return");
    // A move, written as it is made; the next key only if the last one found no window yet.
    const QDeadlineTimer deadline(patienceMs);
    const auto moved = [&] { return data.kept().value_or(before).game.steps != before.game.steps; };
    while (!moved() && !deadline.hasExpired()) {
        type("Right");
        QThread::msleep(300);
    }
    killed.game.kill();
    ASSERT_TRUE(killed.game.waitForFinished(patienceMs));
    const auto atTheKill = data.kept();
    ASSERT_TRUE(atTheKill);
    ASSERT_GT(atTheKill->game.steps, before.game.steps);

    Running next;
    startAsked(next.game);
    type("Return");
    QThread::msleep(500);
    endBySignal(next.game, SIGTERM);
    const auto atTheEnd = data.kept();
    ASSERT_TRUE(atTheEnd);
    EXPECT_EQ(atTheEnd->game.arrangement, atTheKill->game.arrangement);
    EXPECT_EQ(atTheEnd->game.steps, atTheKill->game.steps);
    // Played on, and written again when the session ended.
    EXPECT_GT(atTheEnd->game.played, atTheKill->game.played);
    EXPECT_FALSE(QFile::exists(data.dataFile("pintu.lock")));
}

struct DisplaylessRow {
    const char* name;
    QStringList arguments;
    int exitCode;
    QString output;
    QString error;
    QString locale = "C";
};

class WithoutADisplay : public ::testing::TestWithParam<DisplaylessRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, WithoutADisplay,
    ::testing::Values(DisplaylessRow{"Help", {"--help"}, 0, "用法", ""},
                      DisplaylessRow{"Version", {"--version"}, 0, "pintu " PINTU_PROJECT_VERSION "\n", ""},
                      DisplaylessRow{"UnknownOption", {"--colour"}, 2, "", "未知选项"},
                      DisplaylessRow{"TwoPictures", {"a.bmp", "b.bmp"}, 2, "", "一次只能打开一张图片。"},
                      DisplaylessRow{"HelpInEnglish", {"--help"}, 0, "Shows this help.", "", "en_US.UTF-8"},
                      DisplaylessRow{"TwoPicturesInTraditionalChinese", {"a.bmp", "b.bmp"}, 2, "", "一次只能開啟一張圖片。",
                                     "zh_HK.UTF-8"},
                      // Qt's own words follow the game's.
                      DisplaylessRow{"UnknownOptionInEnglish", {"--colour"}, 2, "", "Unknown option", "en_GB.UTF-8"},
                      DisplaylessRow{"UnknownOptionInTraditionalChinese", {"--colour"}, 2, "", "未知選項",
                                     "zh_TW.UTF-8"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(WithoutADisplay, TheCommandLineIsAnsweredAndNoGameStarts)
{
    const DisplaylessRow& row = GetParam();
    GameFolder data;
    QProcessEnvironment environment = data.environment(row.locale);
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
