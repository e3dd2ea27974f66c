#include "ByteStream.h"

#include <QIODevice>

#include <cstring>

namespace pintu {

namespace {

constexpr qint64 chunkBytes = 64 * 1024;

} // namespace

std::optional<uchar> ByteStream::next()
{
    if (position == chunk.size() && !refill())
        return std::nullopt;
    return static_cast<uchar>(chunk[position++]);
}

bool ByteStream::skip(qint64 count)
{
    const qint64 left = chunk.size() - position;
    if (count <= left) {
        position += count;
        return true;
    }
    const qint64 target = device.pos() + (count - left);
    if (target > device.size() || !device.seek(target))
        return false;
    chunk.clear();
    position = 0;
    return true;
}

bool ByteStream::skipPast(uchar byte)
{
    for (;;) {
        const char* from = chunk.constData() + position;
        if (const void* found = std::memchr(from, byte, static_cast<size_t>(chunk.size() - position))) {
            position += static_cast<const char*>(found) - from + 1;
            return true;
        }
        if (!refill())
            return false;
    }
}

bool ByteStream::refill()
{
    chunk = device.read(chunkBytes);
    position = 0;
    return !chunk.isEmpty();
}

} // namespace pintu
