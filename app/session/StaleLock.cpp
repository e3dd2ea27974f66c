#include "app/session/StaleLock.h"

#include <QByteArray>
#include <QFile>
#include <QLockFile>
#include <QScopeGuard>

#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pintu {

namespace {

// Whether `path` still names the file open as `fd`: a game that took the
// lock meanwhile put a new file there.
std::optional<bool> stillNames(const QByteArray& path, int fd)
{
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) != 0)
        return std::nullopt;
    if (::stat(path.constData(), &named) != 0)
        return errno == ENOENT ? std::optional(false) : std::nullopt;
    return opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

LockTakeover takeOverStaleLock(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? LockTakeover::Removed : LockTakeover::Stuck;
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    // A game holds its lock in the kernel as well, where the file system can,
    // from before it writes who it is.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return LockTakeover::Held;

    // Two games starting at once may both find the lock stale; the one that
    // comes second must not take away the fresh lock of the first.
    QLockFile removing(path + ".rmlock");
    if (!removing.tryLock())
        return removing.error() == QLockFile::LockFailedError ? LockTakeover::Held : LockTakeover::Stuck;
    // A lock that names its game QLockFile has judged, and it would have
    // removed a stale one from a folder that takes changes.
    if (QLockFile(path).getLockInfo(nullptr, nullptr, nullptr))
        return LockTakeover::Held;
    const std::optional<bool> judged = stillNames(name, fd);
    if (!judged)
        return LockTakeover::Stuck;
    if (!*judged)
        return LockTakeover::Removed; // gone or replaced: the next try shows which
    return ::unlink(name.constData()) == 0 ? LockTakeover::Removed : LockTakeover::Stuck;
}

} // namespace pintu
