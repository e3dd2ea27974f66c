#pragma once

#include "solver/Puzzle.h"

#include <span>
#include <vector>

namespace pintu::solver {

struct Reduction {
    std::vector<int> slides; // the whole board's tiles
    Puzzle corner;           // what is left, as a board of its own
};

// Puts the top row home, then the left column, and so on inward until only a
// cornerSide x cornerSide board is left bottom-right (cornerSide >= 3). Tiles
// once home are never moved again, so the answer is quick for any size and
// far from the shortest.
Reduction reduceByLines(const Puzzle& puzzle, int cornerSide);

// Renames slides of the corner board of `reduceByLines` to the whole board's tiles.
std::vector<int> liftFromCorner(std::span<const int> cornerSlides, int side, int cornerSide);

// Lines down to 3x3, then the exact table; boards of 3x3 and less go to the
// table straight away.
std::vector<int> solveByLines(const Puzzle& puzzle);

} // namespace pintu::solver
