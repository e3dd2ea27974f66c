#pragma once

#include "platform/Pictures.h"

#include <QPixmap>
#include <QSize>

#include <vector>

namespace pintu {

// Cuts the picture into N x N cells and scales each to the size of a tile
// view once, so that painting a tile only copies pixels.
class QtCellSource final : public CellSource {
public:
    QtCellSource(int N, QSize tileSize);

    // Device pixels per logical pixel of the screen the tiles show on. Cells
    // cut from the next picture get tileSize x ratio pixels, so that a tile on
    // a high-density screen shows the photo's own detail rather than an
    // enlarged blur.
    void setDevicePixelRatio(qreal ratio);

    bool setPicture(const std::string& path) override;

    // The pixels of tile k, carrying the ratio they were cut at; a null
    // pixmap before the first picture.
    QPixmap tile(int k) const;

private:
    int N;
    QSize tileSize;
    qreal devicePixelRatio = 1;
    std::vector<QPixmap> cells;
};

} // namespace pintu
