#include "app/session/PrivateFolder.h"

#include <QFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace pintu {

bool ensurePrivateFolder(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (path.isEmpty() || (::mkdir(name.constData(), S_IRWXU) != 0 && errno != EEXIST))
        return false;
    struct stat folder {};
    return ::lstat(name.constData(), &folder) == 0 && S_ISDIR(folder.st_mode) && folder.st_uid == ::geteuid()
           && (folder.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO)) == S_IRWXU;
}

} // namespace pintu
