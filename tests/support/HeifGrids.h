#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace pintu::test {

// A HEIC file's boxes written by hand, as no encoder the tests have writes a
// grid of tiles, nor the grids a hostile file lays out.

QByteArray box(const char* type, const QByteArray& body);
// The body of the first `type` box in `file`, a HEIF file of one picture.
QByteArray boxBody(const QByteArray& file, const char* type);

// The parts of a HEIC whose primary picture is a grid of HEVC tiles.
struct GridParts {
    QByteArray configuration;      // the body of the tiles' one hvcC box
    std::vector<QByteArray> coded; // each tile's coded picture
    std::vector<int> cells;        // the tile each cell names, row by row
    int rows;
    int columns;
    QSize tile;
    QSize picture;
    int extents = 1; // each tile's coded picture read through extents that each hold all of it
};
QByteArray gridFile(const GridParts& grid);

// How a hostile HEIC's one tile is odd: read through `extents` extents,
// followed by a filler unit of `filler` bytes, or its configuration claiming
// `lumaBits` of luma where its chroma keeps 8.
struct OddTile {
    int extents = 1;
    qint64 filler = 0;
    int lumaBits = 8;
};

// A HEIC whose grid of `rows` x `columns` cells names one tile, `tile`, in
// every cell.
QByteArray heicGridOfOneTile(const QImage& tile, int rows, int columns, const OddTile& odd = {});

} // namespace pintu::test
