#pragma once

#include <QImage>

namespace pintu {

// `picture` cut into `side` x `side` cells row by row, each scaled to
// `cellPixels` and laid beside the others in 32-bit RGB: cell k at column
// k mod side and row k div side. Every cell gets at least one pixel of the
// picture, also of one smaller than the grid. Null when memory runs out.
QImage cutIntoTiles(const QImage& picture, int side, QSize cellPixels);

} // namespace pintu
