#include "SingleInstance.h"

#include "MessageBoxes.h"

#include <QDir>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace pintu {

namespace {

constexpr const char* alreadyRunning = QT_TRANSLATE_NOOP("pintu::SingleInstance", "拼图已经在运行！");

// Platforms that draw where nobody looks; a message box there would wait for
// a click that never comes.
constexpr std::array unseenPlatforms{"offscreen", "minimal"};

InstanceClaim claimFolder(const QString& dataFolder, QLockFile& lock)
{
    if (!QDir().mkpath(dataFolder))
        return InstanceClaim::Unguarded;
    // A game may rightly run for days: only a holder that no longer runs
    // leaves a stale lock, never the lock's age.
    lock.setStaleLockTime(0);
    if (lock.tryLock())
        return InstanceClaim::OnlyGame;
    return lock.error() == QLockFile::LockFailedError ? InstanceClaim::AnotherGameRuns : InstanceClaim::Unguarded;
}

bool windowsAreSeen()
{
    const QString platform = QGuiApplication::platformName();
    return std::ranges::none_of(unseenPlatforms, [&platform](const char* unseen) { return platform == unseen; });
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
    : lock(QDir(dataFolder).filePath("pintu.lock")), outcome(claimFolder(dataFolder, lock))
{
}

int refuseSecondGame()
{
    const QString text = QCoreApplication::translate("pintu::SingleInstance", alreadyRunning);
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    if (windowsAreSeen())
        showMessage(nullptr, text);
    return EXIT_FAILURE;
}

} // namespace pintu
