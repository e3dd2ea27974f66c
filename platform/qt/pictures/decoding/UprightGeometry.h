#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QRect>
#include <QSize>

namespace pintu {

// A picture file may store its pixels turned or mirrored and say how to put
// them upright (a camera's EXIF orientation). The player only ever sees the
// upright picture, while a decoder takes clip and scale requests in the stored
// pixels' own coordinates; these map between the two.

// The size of the upright picture from the size its pixels are stored at, and
// the other way round: a quarter turn swaps the sides either way.
QSize turnedSize(QSize size, QImageIOHandler::Transformations transformation);

// The stored pixels that become `upright`, a rectangle inside the upright
// picture of size `uprightSize`.
QRect storedRect(const QRect& upright, QSize uprightSize, QImageIOHandler::Transformations transformation);

// `stored` pixels put upright, as Qt's readers do.
QImage uprightImage(const QImage& stored, QImageIOHandler::Transformations transformation);

} // namespace pintu
