#include "platform/qt/pictures/reader/DescriptorDevice.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pintu {

DescriptorDevice::DescriptorDevice(int descriptor) : descriptor(descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        fileSize = status.st_size;
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
}

qint64 DescriptorDevice::readData(char* data, qint64 maxSize)
{
    ssize_t read = 0;
    do
        read = ::pread(descriptor, data, static_cast<size_t>(maxSize), pos());
    while (read < 0 && errno == EINTR);
    return read;
}

qint64 DescriptorDevice::writeData(const char*, qint64)
{
    return -1;
}

} // namespace pintu
