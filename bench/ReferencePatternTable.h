#pragma once

#include "solver/patterns/PatternTable.h"

namespace pintu::solver::reference {

// The pattern table builder as it was before regions were looked up and
// tables built side by side: one table at a time, the blank's regions
// flooded afresh for every state it reaches. Kept to measure the game's
// builder against and to check that both write the same bytes.
PatternTable buildPatternTable(int side, const std::vector<int>& tiles);

} // namespace pintu::solver::reference
