#include "platform/qt/pictures/decoding/TileMosaic.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pintu {

namespace {

// Edges of cell `index` of `count` along a side of `length` pixels.
std::pair<int, int> cellSpan(int index, int count, int length)
{
    const int from = static_cast<int>(static_cast<long long>(index) * length / count);
    const int to = static_cast<int>(static_cast<long long>(index + 1) * length / count);
    return {std::min(from, length - 1), std::max(to, std::min(from, length - 1) + 1)};
}

// The pixels of `span`: where they lie in `picture`, which must outlive
// them, so that scaling reads them straight from the picture; a copy of the
// span for pixels of less than a byte, which no span can start inside.
QImage pixelsIn(const QImage& picture, const QRect& span)
{
    if (picture.depth() < 8)
        return picture.copy(span);
    const int bytesPerPixel = picture.depth() / 8;
    QImage pixels(picture.constScanLine(span.top()) + span.left() * bytesPerPixel, span.width(), span.height(),
                  picture.bytesPerLine(), picture.format());
    pixels.setColorTable(picture.colorTable());
    return pixels;
}

} // namespace

QImage cutIntoTiles(const QImage& picture, int side, QSize cellPixels)
{
    QImage tiles(cellPixels * side, QImage::Format_RGB32);
    if (tiles.isNull() || picture.isNull())
        return {};
    for (int k = 0; k < side * side; ++k) {
        const auto [left, right] = cellSpan(k % side, side, picture.width());
        const auto [top, bottom] = cellSpan(k / side, side, picture.height());
        const QImage pixels = pixelsIn(picture, QRect(left, top, right - left, bottom - top));
        const QImage cell =
            (pixels.size() == cellPixels ? pixels : pixels.scaled(cellPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                .convertToFormat(QImage::Format_RGB32);
        if (cell.isNull())
            return {};
        const QPoint at((k % side) * cellPixels.width(), (k / side) * cellPixels.height());
        for (int y = 0; y < cellPixels.height(); ++y)
            std::memcpy(tiles.scanLine(at.y() + y) + at.x() * 4, cell.constScanLine(y),
                        static_cast<size_t>(cellPixels.width()) * 4);
    }
    return tiles;
}

} // namespace pintu
