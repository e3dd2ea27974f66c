#include "platform/qt/pictures/QtCellSource.h"

#include "platform/qt/pictures/PictureShelf.h"

namespace pintu {

QtCellSource::QtCellSource(const PictureShelf& shelf, int N, QSize tileSize)
    : shelf(shelf), N(N), tileSize(tileSize), cells(N * N)
{}

void QtCellSource::setDevicePixelRatio(qreal ratio)
{
    devicePixelRatio = ratio;
}

QSize QtCellSource::cellPixels() const
{
    return (QSizeF(tileSize) * devicePixelRatio).toSize();
}

bool QtCellSource::setPicture(const std::string& path)
{
    const ReadPicture* read = shelf.find(path);
    const QSize cell = cellPixels();
    if (!read || read->tiles.size() != cell * N)
        return false;
    std::vector<QPixmap> cut(cells.size());
    for (int k = 0; k < N * N; ++k) {
        cut[k] = QPixmap::fromImage(read->tiles.copy(QRect(QPoint(k % N * cell.width(), k / N * cell.height()), cell)));
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
