#include "platform/qt/pictures/ByteStream.h"
#include "platform/qt/pictures/FormatLayouts.h"

namespace pintu {

namespace {

constexpr qint64 signatureBytes = 8;
constexpr qint64 headerChunkBytes = 13;
constexpr qint64 checksumBytes = 4;
constexpr quint32 largestChunk = 0x7FFFFFFF;
// libpng unpacks no compressed text or colour profile beyond this.
constexpr qint64 unpackedChunkBytes = 8'000'000;
// libpng's rows in flight, per pixel of width: two rows of 16-bit RGBA.
constexpr qint64 libpngRowBytesPerColumn = 16;

constexpr quint32 chunkType(const char (&name)[5])
{
    return quint32{static_cast<uchar>(name[0])} << 24 | quint32{static_cast<uchar>(name[1])} << 16 |
           quint32{static_cast<uchar>(name[2])} << 8 | static_cast<uchar>(name[3]);
}

constexpr quint32 headerChunk = chunkType("IHDR");
constexpr quint32 pixelChunk = chunkType("IDAT");
constexpr quint32 endChunk = chunkType("IEND");

// What libpng keeps of a chunk once read: the pixels go straight into the
// picture, text and colour profiles are kept, unpacked where they are packed.
qint64 keptBytes(quint32 type, qint64 length)
{
    if (type == pixelChunk)
        return 0;
    if (type == chunkType("zTXt") || type == chunkType("iTXt") || type == chunkType("iCCP"))
        return unpackedChunkBytes;
    return length;
}

} // namespace

// Qt's reader goes on to the end chunk after the pixels, so the picture ends there.
std::optional<PictureLayout> readPngLayout(ByteStream& bytes)
{
    const auto headerLength = bytes.skip(signatureBytes) ? bytes.bigEndian(4) : std::nullopt;
    const auto headerType = bytes.bigEndian(4);
    const auto width = bytes.bigEndian(4);
    const auto height = bytes.bigEndian(4);
    if (headerLength != headerChunkBytes || headerType != headerChunk || !width || !height || *width > largestChunk ||
        *height > largestChunk)
        return std::nullopt;
    const QSize size(static_cast<int>(*width), static_cast<int>(*height));
    bytes.setLimit(byteLimit(size));
    if (!bytes.skip(headerChunkBytes - 8 + checksumBytes))
        return std::nullopt;
    qint64 kept = qint64{size.width()} * libpngRowBytesPerColumn;
    for (;;) {
        const auto length = bytes.bigEndian(4);
        const auto type = bytes.bigEndian(4);
        if (!length || !type || *length > largestChunk || !bytes.skip(qint64{*length} + checksumBytes))
            return std::nullopt;
        if (*type == endChunk)
            return PictureLayout{size, bytes.offset(), kept};
        kept += keptBytes(*type, *length);
    }
}

} // namespace pintu
