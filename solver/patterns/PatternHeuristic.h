#pragma once

#include "solver/Grid.h"
#include "solver/patterns/PatternTable.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pintu::solver {

// A lower bound of the slides still needed, from pattern tables that split the
// tiles between them: the larger of two sums, one over the board and one over
// its mirror image about the main diagonal. The mirror is solved in as many
// slides as the board, but its tiles fall into the patterns differently, so it
// often proves a larger bound from the same tables.
class PatternHeuristic {
public:
    // Every tile but the blank must belong to exactly one of `tables`, of at
    // most eight tiles each, on a board of at most 5x5.
    explicit PatternHeuristic(std::vector<PatternTable> tables);

    const std::vector<PatternTable>& patterns() const { return tables; }

    // The bound for a whole arrangement (tiles[c] lies in cell c).
    int estimate(std::span<const int> tiles) const;

    std::size_t tableBytes() const;

private:
    Grid board;
    std::vector<PatternTable> tables;
};

} // namespace pintu::solver
