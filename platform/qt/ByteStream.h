#pragma once

#include <QByteArray>

#include <optional>

class QIODevice;

namespace pintu {

// The bytes of a seekable device from where it stands, read ahead in chunks
// so that walking through megabytes of compressed data costs little more than
// reading them.
class ByteStream {
public:
    explicit ByteStream(QIODevice& device) : device(device) {}

    // Nothing once the device has no more bytes.
    std::optional<uchar> next();
    // False when the device ends before `count` more bytes.
    bool skip(qint64 count);
    // Moves just past the next occurrence of `byte`; false when there is none.
    bool skipPast(uchar byte);

private:
    bool refill();

    QIODevice& device;
    QByteArray chunk;
    qsizetype position = 0;
};

} // namespace pintu
