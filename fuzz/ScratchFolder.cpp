#include "fuzz/ScratchFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <stdexcept>

namespace pintu::fuzz {

namespace {

QString scratchParent()
{
    const QString chosen = qEnvironmentVariable("PINTU_FUZZ_SCRATCH");
    if (!chosen.isEmpty())
        return chosen;
    const QFileInfo memory("/dev/shm");
    return memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
}

} // namespace

QString writeScratchFile(const QString& name, std::span<const std::uint8_t> bytes)
{
    static const QTemporaryDir folder(scratchParent() + "/pintu-fuzz-XXXXXX");
    const QString path = folder.filePath(name);
    QFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    // A check that cannot write its input would pass without testing anything.
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        throw std::runtime_error("cannot write the scratch file " + path.toStdString());
    return path;
}

} // namespace pintu::fuzz
