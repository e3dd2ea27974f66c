#include "PictureFile.h"

#include "UprightGeometry.h"
#include "WholePicture.h"

#include <QFileInfo>

namespace pintu {

namespace {

// Qt refuses images over 128 MB by default; a photo of 8000 x 6000 needs 192
// MB once decoded. A header that claims more than this is not worth believing.
constexpr int allocationLimitMegabytes = 1024;
// Decoders hand out 32-bit pixels for photos; bitmaps of fewer bits per pixel
// are small anyway.
constexpr qint64 decodedBytesPerPixel = 4;

constexpr const char* jpegFormat = "jpeg";

bool believable(QSize size)
{
    constexpr qint64 limitBytes = qint64{allocationLimitMegabytes} * 1024 * 1024;
    return size.isValid() && !size.isEmpty() && qint64{size.width()} * size.height() * decodedBytesPerPixel <= limitBytes;
}

} // namespace

PictureFile::PictureFile(const QString& path) : file(path)
{
    QImageReader::setAllocationLimit(allocationLimitMegabytes);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    reader.setDevice(&file);
    if (!reader.canRead())
        return;
    // Asked first: once the size is read, Qt's icon reader no longer knows its own file.
    const QByteArray format = reader.format();
    const QSize stored = reader.size();
    if (!believable(stored))
        return;
    transformation = reader.transformation();
    fileHeader = PictureHeader{format, turnedSize(stored, transformation)};
}

QRect PictureFile::uprightRect() const
{
    return fileHeader ? QRect(QPoint(0, 0), fileHeader->size) : QRect();
}

bool PictureFile::shrinksWhileDecoding() const
{
    return fileHeader && fileHeader->format == jpegFormat;
}

std::optional<QImage> PictureFile::read(const QRect& part, QSize size)
{
    if (!fileHeader)
        return std::nullopt;
    // Clip and scale apply to the stored pixels, before Qt turns them upright.
    if (part != uprightRect())
        reader.setClipRect(storedRect(part, fileHeader->size, transformation));
    if (size != part.size())
        reader.setScaledSize(turnedSize(size, transformation));
    reader.setAutoTransform(true);
    QImage image = reader.read();
    // Qt's GIF reader names the first frame's size in the header of a canvas
    // far larger than that frame, then decodes the whole canvas; every caller
    // counts on the size it asked for.
    if (image.isNull() || image.size() != size || !holdsWholePicture(file, fileHeader->format))
        return std::nullopt;
    // Qt gives files named like "photo@2x.png" two pixels per point; the game
    // shows every picture one pixel per pixel.
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace pintu
