#include "platform/qt/pictures/ByteStream.h"

#include "platform/ByteOrder.h"

#include <QIODevice>

#include <algorithm>
#include <array>
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
    return number(byteCount, std::endian::big);
}

std::optional<quint32> ByteStream::littleEndian(int byteCount)
{
    return number(byteCount, std::endian::little);
}

std::optional<quint32> ByteStream::number(int byteCount, std::endian order)
{
    std::array<std::byte, sizeof(quint32)> bytes{};
    for (int i = 0; i < byteCount; ++i) {
        const auto byte = next();
        if (!byte)
            return std::nullopt;
        bytes[i] = std::byte{*byte};
    }
    return static_cast<quint32>(readNumber(std::span(bytes).first(byteCount), order));
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
