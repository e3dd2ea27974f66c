#include "JpegEnd.h"

#include <QByteArray>
#include <QIODevice>

#include <cstring>
#include <optional>

namespace pintu {

namespace {

constexpr uchar markerPrefix = 0xFF;
constexpr uchar stuffedZero = 0x00;
constexpr uchar temporaryMarker = 0x01;
constexpr uchar startOfImage = 0xD8;
constexpr uchar endOfImage = 0xD9;
constexpr qint64 chunkBytes = 64 * 1024;

// Markers that carry no length: restarts inside the scan, the start, and TEM.
constexpr bool standsAlone(uchar marker)
{
    return (marker >= 0xD0 && marker <= 0xD7) || marker == startOfImage || marker == temporaryMarker;
}

// The bytes of a seekable device, read ahead in chunks so that a scan through
// megabytes of compressed data costs little more than reading them.
class ByteStream {
public:
    explicit ByteStream(QIODevice& device) : device(device) {}

    std::optional<uchar> next()
    {
        if (position == chunk.size() && !refill())
            return std::nullopt;
        return static_cast<uchar>(chunk[position++]);
    }

    bool skip(qint64 count)
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

    // Moves just past the next occurrence of `byte`; false at the end of the data.
    bool skipPast(uchar byte)
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

private:
    bool refill()
    {
        chunk = device.read(chunkBytes);
        position = 0;
        return !chunk.isEmpty();
    }

    QIODevice& device;
    QByteArray chunk;
    qsizetype position = 0;
};

} // namespace

bool reachesEndOfImage(QIODevice& jpeg)
{
    if (!jpeg.seek(0))
        return false;
    ByteStream bytes(jpeg);
    if (bytes.next() != markerPrefix || bytes.next() != startOfImage)
        return false;
    // Every marker starts with 0xFF and compressed data never holds a bare
    // 0xFF, so looking for the next 0xFF walks over scans and stray bytes alike.
    while (bytes.skipPast(markerPrefix)) {
        auto marker = bytes.next();
        while (marker == markerPrefix) // fill bytes before a marker
            marker = bytes.next();
        if (!marker)
            return false;
        if (*marker == endOfImage)
            return true;
        if (*marker == stuffedZero || standsAlone(*marker))
            continue;
        const auto high = bytes.next();
        const auto low = bytes.next();
        if (!high || !low)
            return false;
        // Segments skipped by their length may hold anything, the end marker
        // of an embedded thumbnail too.
        const int length = *high << 8 | *low;
        if (length < 2 || !bytes.skip(length - 2))
            return false;
    }
    return false;
}

} // namespace pintu
