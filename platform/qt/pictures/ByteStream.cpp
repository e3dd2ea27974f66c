#include "platform/qt/pictures/ByteStream.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace pintu {

namespace {

constexpr qint64 chunkBytes = 64 * 1024;

} // namespace

ByteStream::ByteStream(QIODevice& device, qint64 limit) : device(device), limit(limit) {}

std::optional<uchar> ByteStream::next()
{
    if (position == chunk.size() && !refill())
        return std::nullopt;
    return static_cast<uchar>(chunk[position++]);
}

std::optional<quint32> ByteStream::bigEndian(int byteCount)
{
    quint32 value = 0;
    for (int i = 0; i < byteCount; ++i) {
        const auto byte = next();
        if (!byte)
            return std::nullopt;
        value = value << 8 | *byte;
    }
    return value;
}

std::optional<quint32> ByteStream::littleEndian(int byteCount)
{
    quint32 value = 0;
    for (int i = 0; i < byteCount; ++i) {
        const auto byte = next();
        if (!byte)
            return std::nullopt;
        value |= quint32{*byte} << 8 * i;
    }
    return value;
}

bool ByteStream::skip(qint64 count)
{
    const qint64 target = offset() + count;
    if (count < 0 || target > limit)
        return false;
    const qint64 left = chunk.size() - position;
    if (count <= left) {
        position += count;
        return true;
    }
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

qint64 ByteStream::offset() const
{
    return device.pos() - (chunk.size() - position);
}

// Never past the limit, so that no chunk holds a byte beyond it.
bool ByteStream::refill()
{
    const qint64 wanted = std::min(chunkBytes, limit - device.pos());
    chunk = wanted > 0 ? device.read(wanted) : QByteArray();
    position = 0;
    return !chunk.isEmpty();
}

} // namespace pintu
