#include "platform/qt/pictures/PictureLayout.h"

#include "platform/qt/pictures/ByteStream.h"
#include "platform/qt/pictures/FormatLayouts.h"

#include <QIODevice>

#include <algorithm>
#include <limits>

namespace pintu {

namespace {

constexpr qint64 mostBytesPerPixel = 16;

} // namespace

qint64 pixelCount(QSize size)
{
    return qint64{size.width()} * size.height();
}

qint64 byteLimit(QSize size)
{
    constexpr qint64 mostPixels = (std::numeric_limits<qint64>::max() - metadataBytes) / mostBytesPerPixel;
    return metadataBytes + std::min(pixelCount(size), mostPixels) * mostBytesPerPixel;
}

std::optional<PictureLayout> readPictureLayout(QIODevice& file, const QByteArray& format)
{
    if (format == "tiff")
        return readTiffLayout(file);
    if (!file.seek(0))
        return std::nullopt;
    ByteStream bytes(file, metadataBytes);
    if (format == "jpeg")
        return readJpegLayout(bytes);
    if (format == "gif")
        return readGifLayout(bytes);
    if (format == "png")
        return readPngLayout(bytes);
    if (format == "webp")
        return readWebpLayout(bytes, file.size());
    if (format == "bmp")
        return readBitmapLayout(bytes, file.size());
    // Every other format's reader tells its size itself, and some of them take
    // the whole file in.
    return PictureLayout{QSize(), file.size(), file.size()};
}

} // namespace pintu
