#include "app/session/SingleInstance.h"

#include "app/dialogs/MessageBoxes.h"
#include "app/session/PrivateFolder.h"
#include "app/session/StaleLock.h"
#include "app/text/Messages.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace pintu {

namespace {

constexpr const char* alreadyRunning = QT_TRANSLATE_NOOP("pintu::SingleInstance", "拼图已经在运行！");

// Platforms that draw where nobody looks; a message box there would wait for
// a click that never comes.
constexpr std::array unseenPlatforms{"offscreen", "minimal"};

// Hex digits of the data folder's hash in the runtime names: plenty to keep folders apart.
constexpr int placeDigits = 16;

InstanceClaim claimLock(QLockFile& lock)
{
    // A game may rightly run for days: only a holder that no longer runs
    // leaves a stale lock, never the lock's age.
    lock.setStaleLockTime(0);
    if (lock.tryLock())
        return InstanceClaim::OnlyGame;
    if (lock.error() != QLockFile::LockFailedError)
        return InstanceClaim::Unguarded;
    switch (takeOverStaleLock(lock.fileName())) {
    case LockTakeover::Held:
        return InstanceClaim::AnotherGameRuns;
    case LockTakeover::Stuck:
        return InstanceClaim::Unguarded;
    case LockTakeover::Removed:
        break;
    }
    if (lock.tryLock())
        return InstanceClaim::OnlyGame;
    return lock.error() == QLockFile::LockFailedError ? InstanceClaim::AnotherGameRuns : InstanceClaim::Unguarded;
}

InstanceClaim claimFolder(const QString& dataFolder, QLockFile& lock)
{
    if (!QDir().mkpath(dataFolder) || QFileInfo(lock.fileName()).isDir())
        return InstanceClaim::Unguarded;
    return claimLock(lock);
}

// A folder for the channel and the stand-in lock that no other user can
// reach: the user's runtime folder (emptied at logout) where the session
// gives one, else one of the game's own among the temporary files. Never
// one that another user made, where they could listen in our place.
QString runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (ensurePrivateFolder(runtime))
        return runtime;
    const QString ours = QDir(QDir::tempPath()).filePath("pintu-" + QString::number(::geteuid()));
    return ensurePrivateFolder(ours) ? ours : QString();
}

// A name in the runtime folder for this data folder.
QString runtimePlaceOf(const QString& dataFolder)
{
    const QString runtime = runtimeFolder();
    if (runtime.isEmpty())
        return {};
    const QByteArray folder = QFile::encodeName(QDir::cleanPath(QDir(dataFolder).absolutePath()));
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(placeDigits);
    return QDir(runtime).filePath("pintu-" + QString::fromLatin1(hash));
}

bool windowsAreSeen()
{
    const QString platform = QGuiApplication::platformName();
    return std::ranges::none_of(unseenPlatforms, [&platform](const char* unseen) { return platform == unseen; });
}

void tellPlayer(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    if (windowsAreSeen())
        showMessage(nullptr, text);
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
    : lock(QDir(dataFolder).filePath("pintu.lock")),
      runtimePlace(runtimePlaceOf(dataFolder)),
      outcome(claimFolder(dataFolder, lock))
{
    // A read-only, full or misplaced data folder still allows one game at a time.
    if (outcome == InstanceClaim::Unguarded && !runtimePlace.isEmpty()) {
        standIn.emplace(runtimePlace + ".lock");
        outcome = claimLock(*standIn);
    }
}

void SingleInstance::release()
{
    lock.unlock();
    if (standIn)
        standIn->unlock();
}

QString SingleInstance::channelName() const
{
    return runtimePlace.isEmpty() ? QString() : runtimePlace + ".socket";
}

QString SingleInstance::folderInTheWay() const
{
    return QFileInfo(lock.fileName()).isDir() ? lock.fileName() : QString();
}

int refuseSecondGame()
{
    tellPlayer(QCoreApplication::translate("pintu::SingleInstance", alreadyRunning));
    return EXIT_FAILURE;
}

void reportFolderInTheWay(const QString& folder)
{
    tellPlayer(messages::text(messages::lockIsFolder) + QDir::toNativeSeparators(folder));
}

} // namespace pintu
