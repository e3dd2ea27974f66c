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
    PictureHandle cell(int k) const override { return k + 1; }

    // The pixels of a cell; a null pixmap for the empty picture.
    QPixmap pixmap(PictureHandle picture) const;

private:
    int N;
    QSize tileSize;
    std::vector<QPixmap> cells;
};

} // namespace pintu
