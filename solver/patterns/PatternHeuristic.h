#pragma once

#include "solver/Grid.h"
#include "solver/patterns/PatternShapes.h"
#include "solver/patterns/PatternTable.h"

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace pintu::solver {

// One pattern of a split: a table, read through the symmetry that moves the
// table's tiles onto the pattern's.
struct PatternUse {
    std::shared_ptr<const PatternTable> table;
    BoardSymmetry symmetry;

    int tile(int slot) const { return symmetry.apply(table->tiles[static_cast<std::size_t>(slot)]); }
};

// A lower bound of the slides still needed, from pattern tables that split the
// tiles between them: the larger of two sums, one over the board and one over
// its mirror image about the main diagonal. The mirror is solved in as many
// slides as the board, but its tiles fall into the patterns differently, so it
// often proves a larger bound from the same tables.
class PatternHeuristic {
public:
    // Every tile but the blank must belong to exactly one pattern, of at
    // most eight tiles, on a board of at most 5x5.
    explicit PatternHeuristic(std::vector<PatternUse> patterns);
    // Each table for its own tiles.
    explicit PatternHeuristic(std::vector<PatternTable> tables);

    const std::vector<PatternUse>& patterns() const { return uses; }

    // The bound for a whole arrangement (tiles[c] lies in cell c).
    int estimate(std::span<const int> tiles) const;

    // Of the tables, each counted once however many patterns it serves.
    std::size_t tableBytes() const;

private:
    Grid board;
    std::vector<PatternUse> uses;
};

} // namespace pintu::solver
