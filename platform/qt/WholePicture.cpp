#include "WholePicture.h"

#include "ByteStream.h"

#include <QIODevice>

namespace pintu {

namespace {

namespace jpeg {

constexpr uchar markerPrefix = 0xFF;
constexpr uchar stuffedZero = 0x00;
constexpr uchar temporaryMarker = 0x01;
constexpr uchar startOfImage = 0xD8;
constexpr uchar endOfImage = 0xD9;

// Markers that carry no length: restarts inside a scan, the start, and TEM.
constexpr bool standsAlone(uchar marker)
{
    return (marker >= 0xD0 && marker <= 0xD7) || marker == startOfImage || marker == temporaryMarker;
}

bool reachesEndOfImage(ByteStream& bytes)
{
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

} // namespace jpeg

namespace gif {

constexpr qint64 signatureBytes = 6;
constexpr qint64 screenBytesBeforeFlags = 4;
constexpr qint64 screenBytesAfterFlags = 2;
constexpr qint64 imagePositionAndSizeBytes = 8;
constexpr uchar extensionIntroducer = 0x21;
constexpr uchar imageSeparator = 0x2C;
constexpr uchar hasColourTable = 0x80;

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

bool holdsFirstFrame(ByteStream& bytes)
{
    if (!bytes.skip(signatureBytes + screenBytesBeforeFlags))
        return false;
    const auto screenFlags = bytes.next();
    if (!screenFlags || !bytes.skip(screenBytesAfterFlags) || !skipColourTable(bytes, *screenFlags))
        return false;
    for (;;) {
        const auto introducer = bytes.next();
        if (introducer == extensionIntroducer) {
            if (!bytes.next() || !skipBlocks(bytes))
                return false;
        } else if (introducer == imageSeparator) {
            if (!bytes.skip(imagePositionAndSizeBytes))
                return false;
            const auto imageFlags = bytes.next();
            const bool codeSizeRead = imageFlags && skipColourTable(bytes, *imageFlags) && bytes.next();
            return codeSizeRead && skipBlocks(bytes);
        } else {
            return false; // the trailer, or damage, before any picture
        }
    }
}

} // namespace gif

} // namespace

bool holdsWholePicture(QIODevice& file, const QByteArray& format)
{
    const bool checked = format == "jpeg" || format == "gif";
    if (!checked)
        return true;
    if (!file.seek(0))
        return false;
    ByteStream bytes(file);
    return format == "jpeg" ? jpeg::reachesEndOfImage(bytes) : gif::holdsFirstFrame(bytes);
}

} // namespace pintu
