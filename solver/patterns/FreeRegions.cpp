#include "solver/patterns/FreeRegions.h"

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

    const BlankRegions blank(grid);
    forEachCellSet(n, occupiedCount, [&](CellSet occupied) {
        const std::size_t setAt = labels.size();
        labels.resize(setAt + cells, 0xFF);
        int count = 0;
        for (CellSet unlabelled = (cellBit(n) - 1) & ~occupied; unlabelled != 0; ++count) {
            const CellSet region = blank.regionOf(std::countr_zero(unlabelled), occupied);
            for (CellSet rest = region; rest != 0; rest &= rest - 1)
                labels[setAt + static_cast<std::size_t>(std::countr_zero(rest))] = static_cast<std::uint8_t>(count);
            unlabelled &= ~region;
        }
        counts.push_back(static_cast<std::uint8_t>(count));
    });
}

} // namespace pintu::solver
