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
    if (!read || read->tiles.isNull() || read->tiles.width() % N != 0 || read->tiles.height() % N != 0)
        return false;
    const QSize readCell(read->tiles.width() / N, read->tiles.height() / N);
    std::vector<QPixmap> cut(cells.size());
    for (int k = 0; k < N * N; ++k) {
        const QImage cell = read->tiles.copy(QRect(QPoint(k % N * readCell.width(), k / N * readCell.height()), readCell));
        // Tiles read for a screen of another density are scaled to this one's.
        cut[k] = QPixmap::fromImage(readCell == cellPixels()
                                        ? cell
                                        : cell.scaled(cellPixels(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
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
