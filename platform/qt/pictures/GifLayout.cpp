#include "platform/qt/pictures/ByteStream.h"
#include "platform/qt/pictures/FormatLayouts.h"

namespace pintu {

namespace {

constexpr qint64 signatureBytes = 6;
constexpr qint64 screenBytesAfterFlags = 2;
constexpr qint64 imagePositionBytes = 4;
constexpr uchar extensionIntroducer = 0x21;
constexpr uchar graphicControlLabel = 0xF9;
constexpr uchar imageSeparator = 0x2C;
constexpr uchar trailer = 0x3B;
constexpr uchar hasColourTable = 0x80;
constexpr int restorePrevious = 3;
constexpr qint64 bytesPerPixel = 4;

bool skipColourTable(ByteStream& bytes, uchar flags)
{
    return !(flags & hasColourTable) || bytes.skip(3 * (qint64{2} << (flags & 0x07)));
}

// Data comes in blocks of a length byte and that many bytes, up to an empty block.
bool skipBlocks(ByteStream& bytes)
{
    for (;;) {
        const auto length = bytes.next();
        if (!length)
            return false;
        if (*length == 0)
            return true;
        if (!bytes.skip(*length))
            return false;
    }
}

std::optional<QSize> readSize(ByteStream& bytes)
{
    const auto width = bytes.littleEndian(2);
    const auto height = bytes.littleEndian(2);
    if (!width || !height)
        return std::nullopt;
    return QSize(static_cast<int>(*width), static_cast<int>(*height));
}

// How the frame leaves the canvas: a frame that restores what lay beneath it
// makes Qt keep a copy of that.
std::optional<int> readDisposal(ByteStream& bytes)
{
    const auto length = bytes.next();
    if (!length)
        return std::nullopt;
    if (*length == 0)
        return 0; // no fields at all
    const auto flags = bytes.next();
    if (!flags || !bytes.skip(*length - 1) || !skipBlocks(bytes))
        return std::nullopt;
    return *flags >> 2 & 0x07;
}

} // namespace

// Qt decodes the first frame onto a canvas of the screen's size.
std::optional<PictureLayout> readGifLayout(ByteStream& bytes)
{
    if (!bytes.skip(signatureBytes))
        return std::nullopt;
    const auto canvas = readSize(bytes);
    const auto screenFlags = bytes.next();
    if (!canvas || !screenFlags || !bytes.skip(screenBytesAfterFlags) || !skipColourTable(bytes, *screenFlags))
        return std::nullopt;
    int disposal = 0;
    for (;;) {
        const auto introducer = bytes.next();
        if (introducer == extensionIntroducer) {
            const auto label = bytes.next();
            const auto read = label == graphicControlLabel
                                  ? readDisposal(bytes)
                                  : (label && skipBlocks(bytes) ? std::optional(disposal) : std::nullopt);
            if (!read)
                return std::nullopt;
            disposal = *read;
        } else if (introducer == imageSeparator) {
            const auto frame = bytes.skip(imagePositionBytes) ? readSize(bytes) : std::nullopt;
            if (!frame)
                return std::nullopt;
            bytes.setLimit(bytes.offset() + byteLimit(*frame));
            const auto imageFlags = bytes.next();
            if (!imageFlags || !skipColourTable(bytes, *imageFlags) || !bytes.next() || !skipBlocks(bytes))
                return std::nullopt;
            const qint64 kept = disposal == restorePrevious ? pixelCount(*frame) * bytesPerPixel : 0;
            const qint64 end = bytes.offset();
            return PictureLayout{*canvas, bytes.next() == trailer ? end + 1 : end, kept};
        } else {
            return std::nullopt; // the trailer, or damage, before any picture
        }
    }
}

} // namespace pintu
