#include "app/session/Leftovers.h"
#include "app/session/SingleInstance.h"
#include "tests/support/TestPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace pintu::test {
namespace {

TEST(SingleInstance, IsTheOnlyGameUntilItGoes)
{
    TestFolder folder;
    const QString data = folder.filePath("new/data");
    std::optional<SingleInstance> first(std::in_place, data);
    EXPECT_EQ(first->claim(), InstanceClaim::OnlyGame);
    EXPECT_EQ(SingleInstance(data).claim(), InstanceClaim::AnotherGameRuns);
    EXPECT_EQ(SingleInstance(data).claim(), InstanceClaim::AnotherGameRuns); // a refused run took nothing away

    first.reset();
    EXPECT_EQ(SingleInstance(data).claim(), InstanceClaim::OnlyGame);
}

// What a lock file says of the game that wrote it, line by line, as Qt writes it.
QByteArray lockOf(qint64 pid, const QString& program, const QByteArray& boot = QSysInfo::bootUniqueId(),
                  const QByteArray& machine = QSysInfo::machineUniqueId())
{
    return QByteArray::number(pid) + '\n' + program.toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n' +
           machine + '\n' + boot + '\n';
}

QString thisProgram()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

qint64 aFinishedProcess()
{
    QProcess process;
    process.start("true", {});
    process.waitForStarted();
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

// A process that runs on after its program file is gone, as a game does
// whose program an upgrade replaced. It ends by itself.
qint64 aProcessOfAReplacedProgram(const QString& name)
{
    const QTemporaryDir folder;
    const QString program = folder.filePath(name);
    QFile::copy(QStandardPaths::findExecutable("sleep"), program);
    QProcess process;
    process.setProgram(program);
    process.setArguments({"30"});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    process.startDetached(&pid);
    return pid;
}

struct LeftLock {
    const char* name;
    std::function<QByteArray()> contents;
    InstanceClaim claim;
};

class ALockLeftBehind : public ::testing::TestWithParam<LeftLock> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, ALockLeftBehind,
    ::testing::Values(
        LeftLock{"Empty", [] { return QByteArray(); }, InstanceClaim::OnlyGame},
        LeftLock{"BlankLines", [] { return QByteArray("\n\n\n"); }, InstanceClaim::OnlyGame},
        LeftLock{"Garbage", [] { return QByteArray("<html>not a lock</html>"); }, InstanceClaim::OnlyGame},
        LeftLock{"RandomBytes", [] { return QByteArray::fromHex("00ff13a7c2e9104b7f8000deadbeef0a0a"); },
                 InstanceClaim::OnlyGame},
        LeftLock{"NegativeProcess", [] { return lockOf(-7, thisProgram()); }, InstanceClaim::OnlyGame},
        LeftLock{"AFinishedProcess", [] { return lockOf(aFinishedProcess(), "pintu"); }, InstanceClaim::OnlyGame},
        LeftLock{"ALiveProcessOfAnotherProgram", [] { return lockOf(QCoreApplication::applicationPid(), "pintu"); },
                 InstanceClaim::OnlyGame},
        LeftLock{"BeforeTheMachineLastStarted",
                 [] { return lockOf(QCoreApplication::applicationPid(), thisProgram(), "an-earlier-boot"); },
                 InstanceClaim::OnlyGame},
        LeftLock{"ALiveGame", [] { return lockOf(QCoreApplication::applicationPid(), thisProgram()); },
                 InstanceClaim::AnotherGameRuns},
        LeftLock{"ALiveGameWhoseProgramWasReplaced",
                 [] { return lockOf(aProcessOfAReplacedProgram("pintu"), "pintu"); }, InstanceClaim::AnotherGameRuns},
        LeftLock{"AGameOnAnotherMachine", [] { return lockOf(aFinishedProcess(), "pintu", {}, "another-machine"); },
                 InstanceClaim::AnotherGameRuns}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ALockLeftBehind, IsTakenOverUnlessItStandsForALiveGame)
{
    TestFolder folder;
    const QByteArray left = GetParam().contents();
    const QString lockPath = folder.writeBytes("pintu.lock", left);
    const SingleInstance instance(folder.path());
    EXPECT_EQ(instance.claim(), GetParam().claim);
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    const bool taken = GetParam().claim == InstanceClaim::OnlyGame;
    EXPECT_EQ(lock.readAll(), taken ? lockOf(QCoreApplication::applicationPid(), thisProgram()) : left);
}

TEST(SingleInstance, WhereNoLockCanBeWrittenStillOneGameAtATime)
{
    TestFolder folder;
    folder.writeBytes("plain-file", "not a folder");
    QDir(folder.path()).mkpath("data/pintu.lock/kept");
    for (const QString& data : {folder.filePath("plain-file/data"), folder.filePath("data")}) {
        std::optional<SingleInstance> first(std::in_place, data);
        EXPECT_EQ(first->claim(), InstanceClaim::OnlyGame) << data.toStdString();
        EXPECT_EQ(SingleInstance(data).claim(), InstanceClaim::AnotherGameRuns);
        first.reset();
        EXPECT_EQ(SingleInstance(data).claim(), InstanceClaim::OnlyGame);
    }
    // A folder where the lock belongs is the player's to remove, and named to them.
    EXPECT_EQ(SingleInstance(folder.filePath("data")).folderInTheWay(), folder.filePath("data/pintu.lock"));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("data/pintu.lock/kept")));
}

// What writes killed midway left in the data folder, found by the game that
// holds it: whether each stays.
TEST(Leftovers, GoUnlessARunningProgramMayStillWriteThem)
{
    TestFolder folder;
    const QString ended = QString::number(aFinishedProcess());
    const QString running = QString::number(QCoreApplication::applicationPid());
    const std::vector<std::pair<QString, bool>> files{
        {"kept-game.txt.partial-" + ended + "-0", false},
        {"records.txt.partial-" + ended + "-2", false},
        {"pattern-4x4-3-7-11.pdb.partial-" + ended + "-1", false},
        {"kept-game.txt.Qzr7Tb", false}, // an earlier version's
        {"kept-game.txt.partial-" + running + "-0", true},
        {"kel.txt.partial-" + ended + "-0", true}, // no file the game replaces whole
        {"kept-game.txt.old", true},
        {"kept-game.txt", true},
    };
    for (const auto& [name, stays] : files)
        folder.writeBytes(name, "half");

    removeLeftovers(folder.path().toStdString());
    for (const auto& [name, stays] : files)
        EXPECT_EQ(QFile::exists(folder.filePath(name)), stays) << name.toStdString();
}

} // namespace
} // namespace pintu::test
