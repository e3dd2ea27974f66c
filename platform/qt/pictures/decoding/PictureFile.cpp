#include "platform/qt/pictures/decoding/PictureFile.h"

#include "platform/qt/pictures/PictureNeeds.h"
#include "platform/qt/pictures/decoding/RowDecoders.h"
#include "platform/qt/pictures/decoding/RowPipe.h"
#include "platform/qt/pictures/decoding/RowShrinker.h"
#include "platform/qt/pictures/decoding/UprightGeometry.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <thread>

namespace pintu {

namespace {

constexpr std::array<const char*, 3> turnedByHeader{"jpeg", "png", "tiff"};
// Qt checks every picture it allocates as if of 32-bit pixels; the largest
// picture may take twice that, at 16 bits a channel.
constexpr qint64 mostBytesPerPixel = 8;

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

// Hands every row to each sink for as long as it wants rows.
class EverySink final : public RowSink {
public:
    explicit EverySink(std::initializer_list<RowShrinker*> sinks)
    {
        for (RowShrinker* sink : sinks)
            if (sink)
                wanting.push_back(sink);
    }

    bool take(int y, const uchar* rgba) override
    {
        std::erase_if(wanting, [&](RowSink* sink) { return !sink->take(y, rgba); });
        return !wanting.empty();
    }

private:
    std::vector<RowSink*> wanting;
};

} // namespace

PictureFile::PictureFile(QIODevice& file) : file(file)
{
    QImageReader::setAllocationLimit(static_cast<int>(largestPicturePixels * mostBytesPerPixel >> 20));
    if (!file.seek(0))
        return;
    QByteArray format = QImageReader::imageFormat(&file);
    if (format.isEmpty())
        format = heifFormat(file);
    if (format.isEmpty())
        return;
    rows = openRowDecoder(format, file);
    if (rows)
        openRows(format);
    else if (onlyReadInRows(format) || !openReader(format))
        storedSize = QSize();
}

// Qt's readers of these formats find how a photo is turned (EXIF, TIFF's
// orientation) in the header alone; HEIF's decoder turns its own.
void PictureFile::openRows(const QByteArray& format)
{
    storedSize = rows->size();
    if (std::find(turnedByHeader.begin(), turnedByHeader.end(), format) == turnedByHeader.end())
        return;
    // The decoder has read its header and goes on from where it stopped.
    const qint64 decoderAt = file.pos();
    file.seek(0);
    reader.setDevice(&file);
    reader.setFormat(format);
    reader.setAutoDetectImageFormat(false);
    transformation = reader.transformation();
    reader.setDevice(nullptr);
    file.seek(decoderAt);
}

bool PictureFile::openReader(const QByteArray& format)
{
    file.seek(0);
    reader.setDevice(&file);
    reader.setFormat(format);
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead())
        return false;
    // Qt's bitmap reader names the height of a picture stored top down as
    // stored, below zero.
    const QSize claimed = reader.size();
    storedSize = claimed.width() > 0 ? QSize(claimed.width(), std::abs(claimed.height())) : QSize();
    transformation = reader.transformation();
    return true;
}

QSize PictureFile::size() const
{
    return storedSize.isValid() ? turnedSize(storedSize, transformation) : QSize();
}

std::optional<PictureFile::Reading> PictureFile::read(QSize area, QSize wanted)
{
    if (size().isEmpty())
        return std::nullopt;
    return rows ? readRows(area, wanted) : readWithQt(area, wanted);
}

std::optional<PictureFile::Reading> PictureFile::readRows(QSize area, QSize wanted)
{
    const QSize upright = size();
    const QRect uprightPart = QRect(QPoint(0, 0), upright).intersected(QRect(QPoint(0, 0), area));
    // Clip and scale apply to the stored pixels, before they are turned upright.
    const QRect storedPart = storedRect(uprightPart, upright, transformation);
    const QSize storedWanted = turnedSize(wanted.boundedTo(upright), transformation);
    const QSize scaled = wanted.isEmpty() ? storedSize : rows->shrunkSize(storedWanted);
    std::optional<RowShrinker> part;
    std::optional<RowShrinker> whole;
    if (!area.isEmpty())
        part.emplace(storedSize, storedPart, storedPart.size());
    if (!wanted.isEmpty())
        whole.emplace(scaled, QRect(QPoint(0, 0), scaled), storedWanted);
    const auto decode = [this](QSize at, const QRect& rect, RowSink& sink) {
        RowPipe pipe(sink, at.width() * rgbaBytes);
        return rows->decode(at, rect, pipe);
    };
    if (scaled == storedSize) {
        EverySink both{part ? &*part : nullptr, whole ? &*whole : nullptr};
        if (!decode(storedSize, whole ? QRect(QPoint(0, 0), storedSize) : storedPart, both))
            return std::nullopt;
    } else if (part && rows->decodesSideBySide()) {
        bool partRead = false;
        std::thread partReading([&] { partRead = decode(storedSize, storedPart, *part); });
        const bool wholeRead = decode(scaled, QRect(QPoint(0, 0), scaled), *whole);
        partReading.join();
        if (!partRead || !wholeRead)
            return std::nullopt;
    } else if ((part && !decode(storedSize, storedPart, *part)) ||
               !decode(scaled, QRect(QPoint(0, 0), scaled), *whole)) {
        return std::nullopt;
    }
    const QColorSpace colours = rows->colourSpace();
    const auto finished = [&](const std::optional<RowShrinker>& shrinker) -> std::optional<QImage> {
        if (!shrinker)
            return QImage();
        std::optional<QImage> image = shrinker->result();
        if (!image)
            return std::nullopt;
        QImage turned = uprightImage(*image, transformation);
        if (colours.isValid()) {
            turned.setColorSpace(colours);
            turned.convertToColorSpace(QColorSpace::SRgb);
        }
        return turned;
    };
    std::optional<QImage> partRead = finished(part);
    std::optional<QImage> wholeRead = finished(whole);
    if (!partRead || !wholeRead)
        return std::nullopt;
    return Reading{upright, *partRead, *wholeRead};
}

std::optional<PictureFile::Reading> PictureFile::readWithQt(QSize area, QSize wanted)
{
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
    const QImage part = area.isEmpty() ? QImage() : image.copy(QRect(QPoint(0, 0), area).intersected(image.rect()));
    return Reading{image.size(), part, wanted.isEmpty() ? QImage() : image};
}

} // namespace pintu
