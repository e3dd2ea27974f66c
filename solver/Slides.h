#pragma once

#include "solver/Grid.h"

#include <span>
#include <vector>

namespace pintu::solver {

// Slides each tile in turn into the blank beside it. Stops at the first tile
// that is not beside the blank, leaving `tiles` as it was before that slide,
// and returns false.
bool applySlides(const Grid& grid, std::vector<int>& tiles, std::span<const int> slides);

bool isSolved(std::span<const int> tiles);

// Sliding the same tile twice running puts it back, so both slides go; what
// remains reaches the same board.
std::vector<int> withoutReturns(std::span<const int> slides);

} // namespace pintu::solver
