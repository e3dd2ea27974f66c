#include "platform/qt/pictures/QtCellSource.h"

#include "platform/qt/pictures/PictureLoader.h"

#include <QImage>

#include <algorithm>

namespace pintu {

namespace {

// Edges of cell `index` of `count` along a side of `length` pixels; every
// cell gets at least one pixel, also from a picture smaller than the grid.
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

QtCellSource::QtCellSource(int N, QSize tileSize) : N(N), tileSize(tileSize), cells(N * N) {}

void QtCellSource::setDevicePixelRatio(qreal ratio)
{
    devicePixelRatio = ratio;
}

bool QtCellSource::setPicture(const std::string& path)
{
    const QSize cellPixels = (QSizeF(tileSize) * devicePixelRatio).toSize();
    // A photo shrunk while decoding to the board's own size is cut into cells
    // that need no further scaling.
    const auto read = readPictureForSize(path, cellPixels * N);
    if (!read)
        return false;
    const QImage& picture = *read;
    std::vector<QPixmap> cut(cells.size());
    for (int k = 0; k < N * N; ++k) {
        const auto [left, right] = cellSpan(k % N, N, picture.width());
        const auto [top, bottom] = cellSpan(k / N, N, picture.height());
        const QImage pixels = pixelsIn(picture, QRect(left, top, right - left, bottom - top));
        // A cell already at its size is copied out, as its pixels may belong to the picture.
        cut[k] = QPixmap::fromImage(pixels.size() == cellPixels
                                        ? pixels.copy()
                                        : pixels.scaled(cellPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        // Memory that ran out gives null pixels; the cells stay as they were.
        if (cut[k].isNull())
            return false;
        cut[k].setDevicePixelRatio(devicePixelRatio);
    }
    cells = std::move(cut);
    return true;
}

QPixmap QtCellSource::tile(int k) const
{
    if (k < 0 || k >= static_cast<int>(cells.size()))
        return {};
    return cells[k];
}

} // namespace pintu
