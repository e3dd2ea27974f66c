#pragma once

#include <algorithm>
#include <array>
#include <span>

namespace pintu::solver {

// The cells beside one cell, at most four.
struct Adjacent {
    int count = 0;
    std::array<int, 4> cells{};

    const int* begin() const { return cells.data(); }
    const int* end() const { return cells.data() + count; }
};

// The geometry of an N x N board. Cells are numbered row by row from 0, tile t
// belongs in cell t, and the highest tile is the blank, at home bottom-right.
struct Grid {
    int side;

    constexpr int cells() const { return side * side; }
    constexpr int blank() const { return cells() - 1; }
    constexpr int row(int cell) const { return cell / side; }
    constexpr int column(int cell) const { return cell % side; }
    constexpr int cellAt(int row, int column) const { return row * side + column; }
    // The slides a tile needs to go from one cell to the other over an empty board.
    constexpr int distance(int from, int to) const
    {
        return (row(from) > row(to) ? row(from) - row(to) : row(to) - row(from))
             + (column(from) > column(to) ? column(from) - column(to) : column(to) - column(from));
    }

    // The cell holding the blank in an arrangement (tiles[c] lies in cell c),
    // or tiles.size() when it holds none.
    constexpr int blankCell(std::span<const int> tiles) const
    {
        return static_cast<int>(std::find(tiles.begin(), tiles.end(), blank()) - tiles.begin());
    }

    // Mirrored about the main diagonal. The blank's home is on the diagonal,
    // so a mirrored board is solved exactly when the board is.
    constexpr int transposed(int cell) const { return cellAt(column(cell), row(cell)); }

    // Tiles never wrap from the end of one row to the start of the next.
    constexpr Adjacent adjacent(int cell) const
    {
        Adjacent result;
        if (column(cell) > 0)
            result.cells[result.count++] = cell - 1;
        if (column(cell) < side - 1)
            result.cells[result.count++] = cell + 1;
        if (row(cell) > 0)
            result.cells[result.count++] = cell - side;
        if (row(cell) < side - 1)
            result.cells[result.count++] = cell + side;
        return result;
    }
};

} // namespace pintu::solver
