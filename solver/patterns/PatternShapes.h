#pragma once

#include "solver/Grid.h"

#include <span>
#include <vector>

namespace pintu::solver {

// One of the eight ways to turn or flip the square board onto itself.
class BoardSymmetry {
public:
    static constexpr int count = 8;

    // Number 0 leaves every cell in place.
    BoardSymmetry(const Grid& grid, int number);

    int apply(int cell) const { return to[static_cast<std::size_t>(cell)]; }
    int undo(int cell) const { return from[static_cast<std::size_t>(cell)]; }

private:
    std::vector<int> to;
    std::vector<int> from;
};

// A pattern's table read through a symmetry, from the table of the
// pattern's turned or flipped copy: the copy needs as many slides from any
// placement as the pattern from the placement's copy. One table then serves
// every pattern of one shape. That holds wherever the blank starts the
// table's search from the same cells as the copy's: when the symmetry keeps
// the blank's home in place, or when the pattern at home leaves all other
// cells one region.
struct PatternShape {
    std::vector<int> tiles; // whose table serves, in increasing order
    int symmetry = 0;       // moves those tiles onto the pattern's
};

// Of the copies that can serve, the one earliest in the order of tiles, so
// that patterns of one shape find the same table.
PatternShape shapeOf(const Grid& grid, std::span<const int> tiles);

} // namespace pintu::solver
