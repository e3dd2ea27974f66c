#include "solver/patterns/PatternShapes.h"

#include "solver/patterns/BlankRegions.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace pintu::solver {

BoardSymmetry::BoardSymmetry(const Grid& grid, int number)
    : to(static_cast<std::size_t>(grid.cells())), from(static_cast<std::size_t>(grid.cells()))
{
    const int last = grid.side - 1;
    for (int cell = 0; cell < grid.cells(); ++cell) {
        int row = number & 2 ? last - grid.row(cell) : grid.row(cell);
        int column = number & 4 ? last - grid.column(cell) : grid.column(cell);
        if (number & 1)
            std::swap(row, column);
        const int moved = grid.cellAt(row, column);
        to[static_cast<std::size_t>(cell)] = moved;
        from[static_cast<std::size_t>(moved)] = cell;
    }
}

PatternShape shapeOf(const Grid& grid, std::span<const int> tiles)
{
    CellSet home = 0;
    for (int tile : tiles)
        home |= cellBit(tile);
    const CellSet others = (cellBit(grid.cells()) - 1) & ~home;
    const bool oneRegion = BlankRegions(grid).regionOf(std::countr_zero(others), home) == others;

    PatternShape best{{tiles.begin(), tiles.end()}, 0};
    std::ranges::sort(best.tiles);
    for (int number = 1; number < BoardSymmetry::count; ++number) {
        const BoardSymmetry symmetry(grid, number);
        if (!oneRegion && symmetry.apply(grid.blank()) != grid.blank())
            continue;
        std::vector<int> copy;
        for (int tile : tiles)
            copy.push_back(symmetry.undo(tile));
        std::ranges::sort(copy);
        if (copy.back() != grid.blank() && copy < best.tiles)
            best = {std::move(copy), number};
    }
    return best;
}

} // namespace pintu::solver
