#include "app/session/StaleLock.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QScopeGuard>
#include <QSysInfo>

#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pintu {

namespace {

// A lock the game writes takes a few dozen bytes; the rest of a bigger file is garbage anyway.
constexpr int readLimit = 4096;

// What a lock file says of its game, line by line: process, program, host
// name, machine and boot.
struct LockOwner {
    qint64 pid = 0;
    QByteArray program;
    QByteArray machine;
    QByteArray boot;
};

std::optional<LockOwner> ownerIn(const QByteArray& contents)
{
    const QList<QByteArray> lines = contents.split('\n');
    bool number = false;
    const qint64 pid = lines.first().toLongLong(&number);
    if (!number || pid <= 0 || lines.size() < 2)
        return std::nullopt;
    return LockOwner{pid, lines.at(1), lines.value(3), lines.value(4)};
}

// The file name of the program a process of this user runs; "" for another
// user's process or none.
QString programOf(qint64 pid)
{
    const QByteArray process = "/proc/" + QByteArray::number(pid);
    struct stat owner {};
    if (::stat(process.constData(), &owner) != 0 || owner.st_uid != ::geteuid())
        return {};
    // A program replaced by an update runs on as "… (deleted)".
    QString program = QFile::symLinkTarget(QString::fromLatin1(process + "/exe"));
    if (const QString replaced = QStringLiteral(" (deleted)"); program.endsWith(replaced))
        program.chop(replaced.size());
    return QFileInfo(program).fileName();
}

bool standsForLiveGame(const LockOwner& owner)
{
    if (!owner.machine.isEmpty() && owner.machine != QSysInfo::machineUniqueId())
        return true;
    if (!owner.boot.isEmpty() && owner.boot != QSysInfo::bootUniqueId())
        return false;
    const QString program = programOf(owner.pid);
    return !program.isEmpty() && program == QFileInfo(QString::fromUtf8(owner.program)).fileName();
}

QByteArray readUpToLimit(int fd)
{
    QByteArray contents(readLimit, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < readLimit) {
        const ssize_t got = ::read(fd, contents.data() + filled, readLimit - filled);
        if (got <= 0)
            break;
        filled += got;
    }
    contents.truncate(filled);
    return contents;
}

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
    // A game holds its lock in the kernel as well, where the file system can.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return LockTakeover::Held;
    const std::optional<LockOwner> owner = ownerIn(readUpToLimit(fd));
    if (owner && standsForLiveGame(*owner))
        return LockTakeover::Held;

    // Two games starting at once may both find the lock stale; the one that
    // comes second must not take away the fresh lock of the first.
    QLockFile removing(path + ".rmlock");
    if (!removing.tryLock())
        return removing.error() == QLockFile::LockFailedError ? LockTakeover::Held : LockTakeover::Stuck;
    const std::optional<bool> judged = stillNames(name, fd);
    if (!judged)
        return LockTakeover::Stuck;
    if (!*judged)
        return LockTakeover::Removed; // gone or replaced: the next try shows which
    return ::unlink(name.constData()) == 0 ? LockTakeover::Removed : LockTakeover::Stuck;
}

} // namespace pintu
