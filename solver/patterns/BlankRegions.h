#pragma once

#include "solver/Grid.h"

#include <cstdint>

namespace pintu::solver {

// Bit c stands for cell c.
using CellSet = std::uint32_t;

constexpr CellSet cellBit(int cell)
{
    return CellSet{1} << cell;
}

// Where the blank can wander over free cells, every such step free of charge.
class BlankRegions {
public:
    explicit BlankRegions(const Grid& grid) : grid(grid)
    {
        for (int c = 0; c < grid.cells(); ++c) {
            all |= cellBit(c);
            if (grid.column(c) == 0)
                firstColumn |= cellBit(c);
            if (grid.column(c) == grid.side - 1)
                lastColumn |= cellBit(c);
        }
    }

    CellSet regionOf(int cell, CellSet occupied) const
    {
        const CellSet free = all & ~occupied;
        CellSet region = cellBit(cell);
        for (;;) {
            const CellSet grown = (region | ((region << 1) & ~firstColumn) | ((region >> 1) & ~lastColumn)
                                   | (region << grid.side) | (region >> grid.side))
                                & free;
            if (grown == region)
                return region;
            region = grown;
        }
    }

private:
    Grid grid;
    CellSet all = 0;
    CellSet firstColumn = 0;
    CellSet lastColumn = 0;
};

} // namespace pintu::solver
