#pragma once

#include "solver/Grid.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pintu::solver {

// The exact distance from solved of every arrangement of a 2x2 or 3x3 board,
// from one breadth-first search outward from the solved board. With every
// distance known, a fewest-slides answer is a walk downhill.
class ExactTable {
public:
    static constexpr std::uint8_t unreachable = 0xFF;

    // Built at first use and kept for the life of the process; safe to call
    // from several threads.
    static const ExactTable& forSide(int side);

    explicit ExactTable(int side);

    // `tiles` must be a solvable arrangement of this side.
    int distance(std::span<const int> tiles) const;
    std::vector<int> solve(std::vector<int> tiles) const;

    // Indexed by placementRank of the cells of tiles 0 to N*N-2 in turn.
    std::span<const std::uint8_t> distances() const { return table; }

private:
    Grid grid;
    std::vector<std::uint8_t> table;
};

} // namespace pintu::solver
