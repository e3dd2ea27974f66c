#include "platform/qt/pictures/PictureFile.h"

#include "platform/qt/NativeFiles.h"
#include "platform/qt/pictures/FormatLayouts.h"
#include "platform/qt/pictures/UprightGeometry.h"
#include "platform/qt/pictures/decoders/RowDecoders.h"
#include "platform/qt/pictures/decoders/RowShrinker.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace pintu {

namespace {

constexpr const char* jpegFormat = "jpeg";
// Qt's JPEG, GIF and WebP readers deliver 32-bit pixels at most; the JPEG
// reader names a format of no meaning when the header is broken, and the
// other two name none. Of the rest, the readers of PNG, BMP and TIFF name
// their format, and for others the widest counts: 16-bit RGBA.
constexpr int canvasBits = 32;
constexpr int widestBits = 64;
constexpr std::array<const char*, 3> thirtyTwoBitFormats{"jpeg", "gif", "webp"};
constexpr std::array<const char*, 3> namingFormats{"png", "bmp", "tiff"};
constexpr std::array<const char*, 3> turnedByHeader{"jpeg", "png", "tiff"};
constexpr QRect corner(0, 0, 1, 1);
constexpr qint64 qtCountedBytesPerPixel = 4;

qint64 imageBytes(QSize size, int bitsPerPixel)
{
    return pixelCount(size) * bitsPerPixel / 8;
}

bool believable(QSize size)
{
    return size.isValid() && !size.isEmpty() && pixelCount(size) <= largestPicturePixels;
}

int decodedBits(const QImageReader& reader, const QByteArray& format)
{
    const auto among = [&format](const auto& formats) {
        return std::find(formats.begin(), formats.end(), format) != formats.end();
    };
    if (among(thirtyTwoBitFormats))
        return canvasBits;
    const QImage::Format pixels = among(namingFormats) ? reader.imageFormat() : QImage::Format_Invalid;
    return pixels == QImage::Format_Invalid ? widestBits : QImage::toPixelFormat(pixels).bitsPerPixel();
}

// Transparent parts come out white: shown as they are, they would take the
// window's grey, which is the colour of the blank.
void layOnWhite(QImage& image)
{
    if (!image.hasAlphaChannel())
        return;
    if (image.colorCount() > 0) {
        QList<QRgb> colours = image.colorTable();
        for (QRgb& colour : colours) {
            const int alpha = qAlpha(colour);
            const auto onWhite = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha) + 127) / 255; };
            colour = qRgb(onWhite(qRed(colour)), onWhite(qGreen(colour)), onWhite(qBlue(colour)));
        }
        image.setColorTable(colours);
        return;
    }
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    painter.fillRect(image.rect(), Qt::white);
}

// A picture shrunk while decoding is read whole, and a part at its own size.
QRect partDelivered(const Delivery& delivery, const QRect& part, QSize storedSize)
{
    const QRect inScaled = delivery.scaled == storedSize ? part : QRect(QPoint(0, 0), delivery.scaled);
    return inScaled.translated(-delivery.crop.topLeft());
}

} // namespace

PictureFile::PictureFile(const std::string& path)
{
    // Qt checks every picture it allocates as if of 32-bit pixels: it lets
    // the largest picture through, and the estimates here do the rest.
    QImageReader::setAllocationLimit(static_cast<int>(largestPicturePixels * qtCountedBytesPerPixel >> 20));
    if (!openForReading(file, path))
        return;
    QByteArray format = QImageReader::imageFormat(&file);
    if (format.isEmpty())
        format = heifFormat(file);
    const auto found = format.isEmpty() ? std::nullopt : readPictureLayout(file, format);
    if (!found)
        return;
    layout = *found;
    picture.emplace(file, layout.end);
    rows = openRowDecoder(format, *picture, layout);
    if (rows)
        openRows(format);
    else if (!openReader(format))
        return;
    if (!believable(storedSize))
        return;
    // The least any read takes: a picture that cannot afford it is none.
    if (readingBytes(corner, corner.size()) > pictureMemoryBudget)
        return;
    fileHeader = PictureHeader{format, turnedSize(storedSize, transformation), shrinks};
}

bool PictureFile::openReader(const QByteArray& format)
{
    // Checked before Qt's reader sees the header, which some readers take in whole.
    if (layout.workingBytes > pictureMemoryBudget)
        return false;
    shrinks = format == jpegFormat;
    // Where a decoder of the format's own library looked at the header first.
    picture->seek(0);
    reader.setDevice(&*picture);
    reader.setFormat(format);
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead())
        return false;
    storedSize = layout.size.isEmpty() ? reader.size() : layout.size;
    decodedBitsPerPixel = decodedBits(reader, format);
    transformation = reader.transformation();
    return true;
}

// Qt's readers of these formats find how a photo is turned (EXIF, TIFF's
// orientation) in the header alone; HEIF's decoder finds it in its own boxes.
void PictureFile::openRows(const QByteArray& format)
{
    storedSize = rows->size();
    shrinks = true;
    transformation = rows->transformation();
    if (std::find(turnedByHeader.begin(), turnedByHeader.end(), format) == turnedByHeader.end())
        return;
    // The decoder has read its header and goes on from where it stopped.
    const qint64 decoderAt = picture->pos();
    picture->seek(0);
    reader.setDevice(&*picture);
    reader.setFormat(format);
    reader.setAutoDetectImageFormat(false);
    transformation = reader.transformation();
    reader.setDevice(nullptr);
    picture->seek(decoderAt);
}

QRect PictureFile::uprightRect() const
{
    return fileHeader ? QRect(QPoint(0, 0), fileHeader->size) : QRect();
}

bool PictureFile::shrinksWhileDecoding() const
{
    return fileHeader && shrinks;
}

qint64 PictureFile::readingBytes(const QRect& part, QSize size) const
{
    const int resultBits = std::max(decodedBitsPerPixel, canvasBits);
    const qint64 turned =
        transformation.testFlag(QImageIOHandler::TransformationRotate90) ? imageBytes(size, resultBits) : 0;
    if (rows) {
        const Delivery delivery = rows->plan(part, size);
        const qint64 mirrored = transformation == QImageIOHandler::TransformationNone ? 0 : imageBytes(size, canvasBits);
        return rows->workingBytes(delivery) + RowShrinker::bytes(size) + mirrored + turned;
    }
    // JPEG decodes only the rows and columns asked for, or shrinks in its DCT;
    // every other format decodes whole, and Qt's reader cuts and scales after.
    QSize decoded = storedSize;
    if (shrinks)
        decoded = part.size() != storedSize ? part.size() : jpegScaledSize(storedSize, jpegEighths(storedSize, size));
    const qint64 copied = size == decoded ? 0 : imageBytes(size, resultBits);
    return layout.workingBytes + imageBytes(decoded, decodedBitsPerPixel) + copied + turned;
}

std::optional<QImage> PictureFile::read(const QRect& part, QSize size)
{
    if (!fileHeader)
        return std::nullopt;
    // Clip and scale apply to the stored pixels, before they are turned upright.
    const QRect stored = storedRect(part, fileHeader->size, transformation);
    const QSize storedScale = turnedSize(size, transformation);
    if (readingBytes(stored, storedScale) > pictureMemoryBudget)
        return std::nullopt;
    std::optional<QImage> image = rows ? readRows(stored, storedScale) : readWithQt(stored, storedScale);
    // An allocation that failed gives a null picture, as does a decoder that gave up.
    if (!image || image->isNull() || image->size() != size)
        return std::nullopt;
    return image;
}

std::optional<QImage> PictureFile::readWithQt(const QRect& part, QSize size)
{
    if (part.size() != storedSize)
        reader.setClipRect(part);
    if (size != part.size())
        reader.setScaledSize(size);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    // A reader may keep the pixels it delivered (the canvas of an animation);
    // without it they are the picture's own, to change in place.
    reader.setDevice(nullptr);
    if (image.isNull())
        return std::nullopt;
    // Qt gives files named like "photo@2x.png" two pixels per point; the game
    // shows every picture one pixel per pixel.
    image.setDevicePixelRatio(1);
    layOnWhite(image);
    return image;
}

std::optional<QImage> PictureFile::readRows(const QRect& part, QSize size)
{
    const Delivery delivery = rows->plan(part, size);
    RowShrinker shrinker(delivery.crop.size(), partDelivered(delivery, part, storedSize), size);
    if (!rows->decode(delivery, shrinker))
        return std::nullopt;
    std::optional<QImage> image = shrinker.result();
    if (!image)
        return std::nullopt;
    QImage upright = uprightImage(*image, transformation);
    if (const QColorSpace colours = rows->colourSpace(); colours.isValid()) {
        upright.setColorSpace(colours);
        upright.convertToColorSpace(QColorSpace::SRgb);
    }
    return upright;
}

} // namespace pintu
