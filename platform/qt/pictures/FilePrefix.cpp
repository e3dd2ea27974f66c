#include "platform/qt/pictures/FilePrefix.h"

#include <algorithm>

namespace pintu {

FilePrefix::FilePrefix(QIODevice& file, qint64 length) : file(file), length(length)
{
    // Unbuffered, so that pos() is where the next readData() starts.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 FilePrefix::readData(char* data, qint64 maxSize)
{
    const qint64 left = length - pos();
    if (left <= 0)
        return 0;
    if (!file.seek(pos()))
        return -1;
    return file.read(data, std::min(maxSize, left));
}

qint64 FilePrefix::writeData(const char*, qint64)
{
    return -1;
}

} // namespace pintu
