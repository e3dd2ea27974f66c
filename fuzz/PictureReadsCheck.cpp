#include "fuzz/PictureReadsCheck.h"

#include "app/look/BoardLayouts.h"
#include "fuzz/InputBytes.h"
#include "fuzz/ScratchFolder.h"
#include "platform/qt/pictures/PictureLoader.h"
#include "platform/qt/pictures/QtCellSource.h"
#include "tests/support/TestPictures.h"

#include <array>

namespace pintu::fuzz {

namespace {

constexpr std::array<qreal, 2> pixelRatios{1, 2};

// The game believes a header up to hundreds of megabytes of pixels, and a
// file of a few bytes claiming that much takes seconds to read under the
// sanitizers, five times over. Larger pictures run the same code as small
// ones, so the reads stop at 4 megapixels to keep the fuzzer fast; bench/
// measures photos of 24 and 50 megapixels.
constexpr qint64 pixelsRead = 2048 * 2048;

std::string text(QSize size)
{
    return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

// Nothing, or a picture of exactly `promised` pixels (none when the header was refused).
Finding checkRead(const char* read, const std::optional<QImage>& image, const std::optional<QSize>& promised)
{
    if (!image)
        return std::nullopt;
    if (!promised)
        return std::string(read) + " gave a picture of a file whose header was refused";
    if (image->isNull() || image->size() != *promised || image->devicePixelRatio() != 1)
        return std::string(read) + " gave " + text(image->size()) + " pixels where " + text(*promised) +
               " were promised";
    return std::nullopt;
}

Finding checkCells(const QtCellSource& cells, int N, QSize cellPixels, qreal ratio, bool cut)
{
    for (int k = 0; k < N * N; ++k) {
        const QPixmap tile = cells.tile(k);
        if (!cut && !tile.isNull())
            return "a refused picture left tile " + std::to_string(k) + " behind";
        if (cut && (tile.isNull() || tile.size() != cellPixels || tile.devicePixelRatio() != ratio))
            return "tile " + std::to_string(k) + " at ratio " + std::to_string(ratio) + " is " + text(tile.size()) +
                   " pixels, not " + text(cellPixels);
    }
    return std::nullopt;
}

} // namespace

Finding checkPictureReads(std::span<const std::uint8_t> bytes)
{
    InputBytes input(bytes);
    const char* extension = pictureExtensions[input.takeByte() % pictureExtensions.size()];
    const std::span<const BoardLayout> layouts = boardLayouts();
    const BoardLayout& layout = layouts[input.takeByte() % layouts.size()];
    const std::string file = input.takeRest();
    const std::string path = writeScratchFile(QString("picture.") + extension,
                                              {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()})
                                 .toStdString();

    const auto header = probePicture(path);
    if (header && (header->size.isEmpty() || header->format.isEmpty()))
        return "the header says " + text(header->size) + " pixels of \"" + header->format.toStdString() + "\"";
    if (header && qint64{header->size.width()} * header->size.height() > pixelsRead)
        return std::nullopt;
    const auto promised = [&](auto size) -> std::optional<QSize> {
        return header ? std::optional(size(header->size)) : std::nullopt;
    };

    if (auto finding = checkRead("loadPicture", test::loadPicture(path), promised([](QSize whole) { return whole; })))
        return finding;

    const QSize window = pixels(layout.client);
    if (auto finding = checkRead("readPicturePart", readPicturePart(path, window), promised([&](QSize whole) {
                                     return whole.boundedTo(window.expandedTo(QSize(1, 1)));
                                 })))
        return finding;

    const int N = layout.size->side;
    const QSize tileSize(pixels(layout.columns.length(0)), pixels(layout.rows.length(0)));
    const bool shrinks = header && header->shrinksWhileDecoding;
    const auto forCells = readPictureForSize(path, tileSize * N);
    if (auto finding = checkRead("readPictureForSize", forCells, promised([&](QSize whole) {
                                     return shrinks ? (tileSize * N).boundedTo(whole) : whole;
                                 })))
        return finding;

    for (const qreal ratio : pixelRatios) {
        QtCellSource cells(N, tileSize);
        cells.setDevicePixelRatio(ratio);
        const bool cut = cells.setPicture(path);
        if (ratio == 1 && cut != forCells.has_value())
            return std::string("the cells ") + (cut ? "took" : "refused") + " the picture readPictureForSize " +
                   (cut ? "refused" : "gave");
        if (auto finding = checkCells(cells, N, (QSizeF(tileSize) * ratio).toSize(), ratio, cut))
            return finding;
    }
    return std::nullopt;
}

} // namespace pintu::fuzz
