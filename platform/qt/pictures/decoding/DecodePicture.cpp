#include "platform/qt/pictures/decoding/DecodePicture.h"

#include "platform/qt/pictures/decoding/PictureFile.h"
#include "platform/qt/pictures/decoding/TileMosaic.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>

#include <libheif/heif.h>

namespace pintu {

namespace {

qint64 pixelCount(QSize size)
{
    return qint64{size.width()} * size.height();
}

} // namespace

std::optional<ReadPicture> decodePicture(QIODevice& file, const PictureNeeds& needs)
{
    PictureFile picture(file);
    const QSize size = picture.size();
    if (size.isEmpty() || pixelCount(size) > largestPicturePixels)
        return std::nullopt;
    if (needs.previewArea.isEmpty() && needs.side <= 0)
        return ReadPicture{size, {}, {}};
    const auto read = picture.read(needs.previewArea, needs.tilesSize());
    if (!read)
        return std::nullopt;
    ReadPicture decoded{read->size, read->part.convertToFormat(QImage::Format_RGB32), {}};
    if (needs.side > 0)
        decoded.tiles = cutIntoTiles(read->whole, needs.side, needs.cellPixels);
    // A decoder may deliver another size than its header promised (a GIF's
    // canvas), or run out of memory half way.
    if (decoded.preview.size() != needs.previewSize(decoded.size) || decoded.tiles.size() != needs.tilesSize())
        return std::nullopt;
    return decoded;
}

void loadDecoders()
{
    heif_init(nullptr);
    // A reader opens its format's plugin at its first look at a picture.
    QByteArray nothing;
    QBuffer empty(&nothing);
    empty.open(QIODevice::ReadOnly);
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        QImageReader(&empty, format).canRead();
    // Qt makes the colour spaces a photo may be converted between when first asked.
    QImage one(1, 1, QImage::Format_RGB32);
    one.setColorSpace(QColorSpace::DisplayP3);
    one.convertToColorSpace(QColorSpace::SRgb);
}

} // namespace pintu
