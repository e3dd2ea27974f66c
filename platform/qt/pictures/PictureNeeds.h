#pragma once

#include <QImage>
#include <QSize>

namespace pintu {

// What a board needs of a picture file, read once when the picture is chosen:
// the part a board window shows before a game, and the tiles it plays with.
struct PictureNeeds {
    // The top-left part of the upright picture shown one pixel per pixel;
    // empty when none is needed.
    QSize previewArea{0, 0};
    // The tiles of a board `side` cells a side, each `cellPixels`; a side of
    // 0 when none are needed. With neither, a read only tells whether the
    // file is a picture, and its size.
    int side = 0;
    QSize cellPixels{0, 0};

    bool operator==(const PictureNeeds&) const = default;

    // The preview of an upright picture of `size`: as much of it as the area
    // takes; no pixels, as a null image has, when there is none.
    QSize previewSize(QSize size) const { return previewArea.isEmpty() ? QSize(0, 0) : size.boundedTo(previewArea); }
    // All the tiles side by side, cell k at column k mod side, row k div side.
    QSize tilesSize() const { return side > 0 ? cellPixels * side : QSize(0, 0); }
};

// A picture file read for its needs, in 32-bit RGB.
struct ReadPicture {
    QSize size; // of the upright picture
    QImage preview;
    QImage tiles;
};

// The most pixels a picture may have, however few bytes each takes: decoding
// one larger would keep a core busy for many seconds, and no camera takes one.
inline constexpr qint64 largestPicturePixels = qint64{1} << 27;

} // namespace pintu
