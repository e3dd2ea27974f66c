#pragma once

#include "Pictures.h"

#include <QPixmap>
#include <QSize>

#include <vector>

namespace pintu {

// Cuts the picture into N x N cells and scales each to the size of a tile
// view once, so that painting a tile only copies pixels.
class QtCellSource final : public CellSource {
public:
    QtCellSource(int N, QSize tileSize);

    bool setPicture(const std::string& path) override;

    // The pixels of tile k; a null pixmap before the first picture.
    QPixmap tile(int k) const;

private:
    int N;
    QSize tileSize;
    std::vector<QPixmap> cells;
};

} // namespace pintu
