#pragma once

#include "platform/Pictures.h"

#include <QPixmap>
#include <QSize>

#include <vector>

namespace pintu {

class PictureShelf;

// Cuts the tiles of the picture on the shelf into N x N cells once, so that
// painting a tile only copies pixels.
class QtCellSource final : public CellSource {
public:
    QtCellSource(const PictureShelf& shelf, int N, QSize tileSize);

    // Device pixels per logical pixel of the screen the tiles show on. Cells
    // of the next picture get tileSize x ratio pixels, so that a tile on a
    // high-density screen shows the photo's own detail rather than an
    // enlarged blur.
    void setDevicePixelRatio(qreal ratio);
    // The pixels each tile is cut at, for the screen the tiles show on now.
    QSize cellPixels() const;

    // Cuts the tiles the shelf holds for `path`; false when it holds none
    // read for these cells.
    bool setPicture(const std::string& path) override;

    // The pixels of tile k, carrying the ratio they were cut at; a null
    // pixmap before the first picture.
    QPixmap tile(int k) const;

private:
    const PictureShelf& shelf;
    int N;
    QSize tileSize;
    qreal devicePixelRatio = 1;
    std::vector<QPixmap> cells;
};

} // namespace pintu
