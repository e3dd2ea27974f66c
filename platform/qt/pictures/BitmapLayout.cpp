#include "platform/qt/pictures/ByteStream.h"
#include "platform/qt/pictures/FormatLayouts.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace pintu {

namespace {

constexpr qint64 fileHeaderBytes = 14;
constexpr quint32 coreHeaderBytes = 12; // OS/2's, of 16-bit sides
// Qt's reader turns a row of any depth into the picture through a row of its own.
constexpr qint64 qtRowBytesPerColumn = 8;

qint32 signedValue(quint32 value)
{
    return static_cast<qint32>(value);
}

} // namespace

// A bitmap stored top-down says so with a negative height, and Qt's reader
// reports that height as it stands: the size is read here.
std::optional<PictureLayout> readBitmapLayout(ByteStream& bytes, qint64 fileSize)
{
    const auto headerBytes = bytes.skip(fileHeaderBytes) ? bytes.littleEndian(4) : std::nullopt;
    if (!headerBytes)
        return std::nullopt;
    const int sideBytes = *headerBytes == coreHeaderBytes ? 2 : 4;
    const auto width = bytes.littleEndian(sideBytes);
    const auto height = bytes.littleEndian(sideBytes);
    if (!width || !height)
        return std::nullopt;
    const qint64 storedHeight = sideBytes == 2 ? qint64{*height} : qint64{signedValue(*height)};
    if ((sideBytes == 4 && signedValue(*width) <= 0) || storedHeight == 0 ||
        std::abs(storedHeight) > std::numeric_limits<int>::max())
        return std::nullopt;
    const QSize size(static_cast<int>(*width), static_cast<int>(std::abs(storedHeight)));
    return PictureLayout{size, std::min(fileSize, byteLimit(size)), qint64{size.width()} * qtRowBytesPerColumn};
}

} // namespace pintu
