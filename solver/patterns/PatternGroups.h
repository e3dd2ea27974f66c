#pragma once

#include <array>
#include <span>
#include <vector>

namespace pintu::solver {

// Which pattern each tile belongs to, drawn as the solved board (-1 marks the
// blank's home). Compact blocks keep the tiles that get in each other's way
// inside one table. No split is symmetric about the main diagonal, so the
// mirrored lookup sees different groupings. Patterns of one shape share a
// table (see PatternShapes.h): the two 4x4 blocks of six, and the three 5x5
// corner blocks of six.
inline constexpr std::array<int, 16> patternGroups4x4{
    0, 0, 0, 2,
    0, 0, 0, 2,
    1, 1, 1, 2,
    1, 1, 1, -1,
};

// Built in a second or two, for the first hints.
inline constexpr std::array<int, 25> patternGroups5x5{
    0, 0, 0, 1, 1,
    0, 0, 1, 1, 1,
    2, 2, 3, 3, 3,
    2, 2, 3, 3, 4,
    2, 4, 4, 4, -1,
};

// Some thirty times fewer positions to search, from two tables of six tiles,
// built in the background after the others.
inline constexpr std::array<int, 25> largePatternGroups5x5{
    0, 0, 1, 1, 1,
    0, 0, 1, 1, 1,
    0, 0, 3, 3, 3,
    2, 2, 2, 3, 3,
    2, 2, 2, 3, -1,
};

// The tiles of each pattern, in increasing order.
std::vector<std::vector<int>> patternTiles(std::span<const int> groups);

} // namespace pintu::solver
