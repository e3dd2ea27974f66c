#include "fuzz/PictureReadsCheck.h"

#include "app/look/BoardLayouts.h"
#include "fuzz/InputBytes.h"
#include "fuzz/ScratchFolder.h"
#include "tests/support/InProcessPictures.h"
#include "tests/support/TestPictures.h"

#include <array>

namespace pintu::fuzz {

namespace {

constexpr std::array<qreal, 2> pixelRatios{1, 2};

// The reader believes a header up to the largest picture, and a file of a
// few bytes claiming that much takes seconds to read under the sanitizers,
// several times over. Larger pictures run the same code as small ones, so
// the reads stop at 4 megapixels to keep the fuzzer fast; bench/ measures
// photos of 12 and 50 megapixels.
constexpr qint64 pixelsRead = 2048 * 2048;

std::string text(QSize size)
{
    return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

Finding checkCells(const test::TestCells& cells, int N, QSize cellPixels, qreal ratio, bool cut)
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

    const auto header = test::readPictureFile(path, PictureNeeds{});
    if (header && header->size.isEmpty())
        return "the header says " + text(header->size) + " pixels";
    if (header && qint64{header->size.width()} * header->size.height() > pixelsRead)
        return std::nullopt;
    if (test::loadPicture(path) && !header)
        return "the whole picture was read of a file whose header was refused";

    const QSize window = pixels(layout.client);
    const int N = layout.size->side;
    const QSize tileSize(pixels(layout.columns.length(0)), pixels(layout.rows.length(0)));
    for (const qreal ratio : pixelRatios) {
        const QSize cellPixels = (QSizeF(tileSize) * ratio).toSize();
        const auto read = test::readPictureFile(path, PictureNeeds{window, N, cellPixels});
        if (read && !header)
            return "a board's read gave a picture of a file whose header was refused";
        if (read && (read->preview.size() != read->size.boundedTo(window) || read->tiles.size() != cellPixels * N))
            return "a board's read gave a preview of " + text(read->preview.size()) + " and tiles of " +
                   text(read->tiles.size()) + " for a picture of " + text(read->size);
        test::TestCells cells(N, tileSize);
        cells.setDevicePixelRatio(ratio);
        const bool cut = cells.setPicture(path);
        if (cut != read.has_value())
            return std::string("the cells ") + (cut ? "took" : "refused") + " the picture a board's read " +
                   (cut ? "refused" : "gave");
        if (auto finding = checkCells(cells, N, cellPixels, ratio, cut))
            return finding;
    }
    return std::nullopt;
}

} // namespace pintu::fuzz
