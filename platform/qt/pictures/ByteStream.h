#pragma once

#include <QByteArray>

#include <bit>
#include <limits>
#include <optional>

class QIODevice;

namespace pintu {

// The bytes of a seekable device from where it stands, read ahead in chunks
// so that walking through megabytes of compressed data costs little more than
// reading them. It never reads past its limit, an offset from the device's
// start, so a file that never ends costs no more than the limit.
class ByteStream {
public:
    explicit ByteStream(QIODevice& device, qint64 limit = std::numeric_limits<qint64>::max());

    // Nothing once the device, or the limit, has no more bytes.
    std::optional<uchar> next();
    std::optional<quint32> bigEndian(int byteCount);
    std::optional<quint32> littleEndian(int byteCount);
    // False when the device or the limit ends before `count` more bytes.
    bool skip(qint64 count);
    // Moves just past the next occurrence of `byte`; false when there is none.
    bool skipPast(uchar byte);

    // How far from the device's start the next byte lies.
    qint64 offset() const;
    // Moved once a header tells how far its picture can reach: raised to what a
    // picture of its size can take, or lowered to the end of a WebP's RIFF chunk.
    void setLimit(qint64 offset) { limit = offset; }

private:
    std::optional<quint32> number(int byteCount, std::endian order);
    bool refill();

    QIODevice& device;
    qint64 limit;
    QByteArray chunk;
    qsizetype position = 0;
};

} // namespace pintu
