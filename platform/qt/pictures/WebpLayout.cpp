#include "platform/qt/pictures/ByteStream.h"
#include "platform/qt/pictures/FormatLayouts.h"

#include <QByteArray>

#include <algorithm>

namespace pintu {

namespace {

constexpr qint64 lossyTagBytes = 6; // the frame tag and the start code
constexpr uchar losslessSignature = 0x2F;
constexpr uchar animationFlag = 0x02;
constexpr qint64 extendedReservedBytes = 3;
constexpr qint64 framePositionBytes = 6;
constexpr qint64 frameTimingBytes = 4;
constexpr qint64 bytesPerPixel = 4;

struct Chunk {
    QByteArray type;
    qint64 end;
};

std::optional<Chunk> readChunk(ByteStream& bytes)
{
    QByteArray type;
    for (int i = 0; i < 4; ++i) {
        const auto byte = bytes.next();
        if (!byte)
            return std::nullopt;
        type += static_cast<char>(*byte);
    }
    const auto length = bytes.littleEndian(4);
    if (!length)
        return std::nullopt;
    return Chunk{type, bytes.offset() + (qint64{*length} + 1) / 2 * 2};
}

std::optional<QSize> readMinusOneSize(ByteStream& bytes, int byteCount)
{
    const auto width = bytes.littleEndian(byteCount);
    const auto height = bytes.littleEndian(byteCount);
    if (!width || !height)
        return std::nullopt;
    return QSize(static_cast<int>(*width) + 1, static_cast<int>(*height) + 1);
}

// One picture's bitstream, and what libwebp holds while decoding it: a
// lossless picture, or the alpha plane of a lossy one, unpacks whole.
struct Bitstream {
    QSize size;
    bool unpacksWhole;
};

std::optional<Bitstream> readBitstream(ByteStream& bytes, const QByteArray& type)
{
    if (type == "VP8 ") {
        const auto width = bytes.skip(lossyTagBytes) ? bytes.littleEndian(2) : std::nullopt;
        const auto height = bytes.littleEndian(2);
        if (!width || !height)
            return std::nullopt;
        return Bitstream{QSize(static_cast<int>(*width & 0x3FFF), static_cast<int>(*height & 0x3FFF)), false};
    }
    if (type == "VP8L") {
        const auto fields = bytes.next() == losslessSignature ? bytes.littleEndian(4) : std::nullopt;
        if (!fields)
            return std::nullopt;
        return Bitstream{
            QSize(static_cast<int>((*fields & 0x3FFF) + 1), static_cast<int>((*fields >> 14 & 0x3FFF) + 1)), true};
    }
    return std::nullopt;
}

// The first picture of an extended file: its still picture, or the first
// frame of its animation. Its size stays that of the canvas unless a frame says otherwise.
std::optional<Bitstream> readFirstPicture(ByteStream& bytes, QSize canvas)
{
    while (const auto chunk = readChunk(bytes)) {
        if (chunk->type == "ALPH")
            return Bitstream{canvas, true};
        if (chunk->type == "ANMF") {
            const auto frame = bytes.skip(framePositionBytes) ? readMinusOneSize(bytes, 3) : std::nullopt;
            const auto inner = frame && bytes.skip(frameTimingBytes) ? readChunk(bytes) : std::nullopt;
            if (!inner)
                return std::nullopt;
            if (inner->type == "ALPH")
                return Bitstream{*frame, true};
            return readBitstream(bytes, inner->type);
        }
        if (chunk->type == "VP8 " || chunk->type == "VP8L")
            return readBitstream(bytes, chunk->type);
        if (!bytes.skip(chunk->end - bytes.offset()))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

// Qt's reader takes the whole file in before decoding it and, for an
// animation, paints the frame onto a canvas of its own.
std::optional<PictureLayout> readWebpLayout(ByteStream& bytes, qint64 fileSize)
{
    const auto riff = readChunk(bytes);
    if (!riff || riff->type != "RIFF")
        return std::nullopt;
    const qint64 end = std::min(riff->end, fileSize);
    bytes.setLimit(end);
    QByteArray form;
    for (int i = 0; i < 4; ++i) {
        if (const auto byte = bytes.next())
            form += static_cast<char>(*byte);
    }
    const auto first = form == "WEBP" ? readChunk(bytes) : std::nullopt;
    if (!first)
        return std::nullopt;
    if (first->type != "VP8X") {
        const auto picture = readBitstream(bytes, first->type);
        if (!picture)
            return std::nullopt;
        return PictureLayout{picture->size, end,
                             end + (picture->unpacksWhole ? pixelCount(picture->size) * bytesPerPixel : 0)};
    }
    const auto flags = bytes.next();
    const auto canvas = flags && bytes.skip(extendedReservedBytes) ? readMinusOneSize(bytes, 3) : std::nullopt;
    if (!canvas || !bytes.skip(first->end - bytes.offset()))
        return std::nullopt;
    const auto picture = readFirstPicture(bytes, *canvas);
    if (!picture)
        return std::nullopt;
    const qint64 framePixels = pixelCount(picture->size);
    const qint64 frameCopy = (*flags & animationFlag) ? framePixels * bytesPerPixel : 0;
    return PictureLayout{*canvas, end, end + frameCopy + (picture->unpacksWhole ? framePixels * bytesPerPixel : 0)};
}

} // namespace pintu
