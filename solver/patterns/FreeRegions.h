#pragma once

#include "solver/patterns/BlankRegions.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace pintu::solver {

// The regions of the blank, for every set of k occupied cells at once,
// numbered within a set from the region with the lowest cell: a search looks
// them up rather than flooding the board again for every state it reaches.
class FreeRegions {
public:
    // k cells out of the grid's, at most eight.
    FreeRegions(const Grid& grid, int occupiedCount);

    // How many sets of k cells there are.
    std::uint32_t setCount() const { return static_cast<std::uint32_t>(labels.size() / cells); }

    // How many regions the free cells of set `set` form.
    int regionCount(std::uint32_t set) const { return counts[set]; }

    // Numbers the sets of k cells densely, in increasing order of their bits.
    std::uint32_t setNumber(CellSet occupied) const
    {
        std::uint32_t number = 0;
        for (int i = 1; occupied != 0; ++i, occupied &= occupied - 1)
            number += choose[static_cast<std::size_t>(std::countr_zero(occupied) * chooseColumns + i)];
        return number;
    }

    // The region that holds the free `cell` when the cells of set `set` are occupied.
    int regionOf(std::uint32_t set, int cell) const { return labels[set * cells + static_cast<std::uint32_t>(cell)]; }

private:
    static constexpr int chooseColumns = 9;

    std::uint32_t cells;
    std::vector<std::uint32_t> choose; // choose[c * chooseColumns + i]: c over i
    std::vector<std::uint8_t> labels;
    std::vector<std::uint8_t> counts;
};

// Calls `visit` with every set of k cells out of n, in increasing order of
// its bits: the order FreeRegions::setNumber counts in.
template <typename Visit>
void forEachCellSet(int n, int k, Visit visit)
{
    const CellSet past = CellSet{1} << n;
    for (CellSet set = cellBit(k) - 1; set < past;) {
        visit(set);
        // The next larger number with as many bits set.
        const CellSet lowest = set & -set;
        const CellSet rippled = set + lowest;
        set = (((rippled ^ set) >> 2) / lowest) | rippled;
    }
}

} // namespace pintu::solver
