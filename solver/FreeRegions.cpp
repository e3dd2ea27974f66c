#include "FreeRegions.h"

namespace pintu::solver {

FreeRegions::FreeRegions(const Grid& grid, int occupiedCount) : cells(static_cast<std::uint32_t>(grid.cells()))
{
    const int n = grid.cells();
    choose.assign(static_cast<std::size_t>(n * chooseColumns), 0);
    for (int c = 0; c < n; ++c) {
        choose[static_cast<std::size_t>(c * chooseColumns)] = 1;
        for (int i = 1; i < chooseColumns && c > 0; ++i)
            choose[static_cast<std::size_t>(c * chooseColumns + i)] =
                choose[static_cast<std::size_t>((c - 1) * chooseColumns + i - 1)]
                + choose[static_cast<std::size_t>((c - 1) * chooseColumns + i)];
    }

    CellSet all = 0;
    CellSet firstColumn = 0;
    CellSet lastColumn = 0;
    for (int c = 0; c < n; ++c) {
        all |= cellBit(c);
        firstColumn |= grid.column(c) == 0 ? cellBit(c) : 0;
        lastColumn |= grid.column(c) == grid.side - 1 ? cellBit(c) : 0;
    }
    const auto flood = [&](CellSet region, CellSet free) {
        for (;;) {
            const CellSet grown = (region | ((region << 1) & ~firstColumn) | ((region >> 1) & ~lastColumn)
                                   | (region << grid.side) | (region >> grid.side))
                                & free;
            if (grown == region)
                return region;
            region = grown;
        }
    };

    forEachCellSet(n, occupiedCount, [&](CellSet occupied) {
        const std::size_t setAt = labels.size();
        labels.resize(setAt + cells, 0xFF);
        int count = 0;
        for (CellSet unlabelled = all & ~occupied; unlabelled != 0; ++count) {
            const CellSet region = flood(unlabelled & -unlabelled, all & ~occupied);
            for (CellSet rest = region; rest != 0; rest &= rest - 1)
                labels[setAt + static_cast<std::size_t>(std::countr_zero(rest))] = static_cast<std::uint8_t>(count);
            unlabelled &= ~region;
        }
        counts.push_back(static_cast<std::uint8_t>(count));
    });
}

} // namespace pintu::solver
