#include "QtCellSource.h"

#include "PictureLoader.h"

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

} // namespace

QtCellSource::QtCellSource(int N, QSize tileSize) : N(N), tileSize(tileSize), cells(N * N) {}

bool QtCellSource::setPicture(const std::string& path)
{
    const auto picture = loadPicture(QString::fromStdString(path));
    if (!picture)
        return false;
    for (int k = 0; k < N * N; ++k) {
        const auto [left, right] = cellSpan(k % N, N, picture->width());
        const auto [top, bottom] = cellSpan(k / N, N, picture->height());
        const QImage cell = picture->copy(left, top, right - left, bottom - top);
        cells[k] = QPixmap::fromImage(cell.scaled(tileSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return true;
}

QPixmap QtCellSource::tile(int k) const
{
    if (k < 0 || k >= static_cast<int>(cells.size()))
        return {};
    return cells[k];
}

} // namespace pintu
