#include "solver/LineReduction.h"

#include "solver/ExactTable.h"
#include "solver/Slides.h"
#include "solver/TileRouter.h"

#include <utility>

namespace pintu::solver {

namespace {

// `line` runs along the edge of what is left to order; `inward` steps from it
// into the part still unordered. All but the last two tiles go straight home.
// The last two cannot: with the one before locked, the last cell is a dead end
// that the blank cannot leave with a tile behind it. So the last tile waits in
// the next-to-last cell, the next-to-last tile below it, and the two turn into
// place together. Every route below exists: what is left to order is at
// least four cells by three, where the blank can always get round a tile.
void placeLine(TileRouter& router, const std::vector<int>& line, int inward)
{
    const std::size_t length = line.size();
    for (std::size_t i = 0; i + 2 < length; ++i) {
        router.routeTile(line[i], line[i]);
        router.lock(line[i]);
    }
    const int nextToLast = line[length - 2];
    const int last = line[length - 1];
    if (router.cellOf(nextToLast) == nextToLast && router.cellOf(last) == last) {
        router.lock(nextToLast);
        router.lock(last);
        return;
    }
    const int belowLast = last + inward;
    const int belowNextToLast = nextToLast + inward;
    const int parking = nextToLast + 2 * inward;

    router.routeTile(last, nextToLast);
    const bool trapped = router.cellOf(nextToLast) == last
                      || (router.cellOf(nextToLast) == belowLast && router.blankCell() == last);
    if (trapped) {
        // The next-to-last tile sits in the dead end (or would be pushed into
        // it): park it out of the way first, then bring the last tile back.
        router.routeTile(nextToLast, parking);
        router.lock(parking);
        router.routeTile(last, nextToLast);
        router.unlock(parking);
    }
    router.lock(nextToLast);
    router.routeTile(nextToLast, belowNextToLast);
    router.lock(belowNextToLast);
    router.routeBlank(last);
    router.slideFrom(nextToLast);
    router.slideFrom(belowNextToLast);
    router.unlock(belowNextToLast);
    router.lock(last);
}

} // namespace

Reduction reduceByLines(const Puzzle& puzzle, int cornerSide)
{
    const Grid grid = puzzle.grid();
    TileRouter router(puzzle);
    int edge = 0;
    for (; grid.side - edge > cornerSide; ++edge) {
        std::vector<int> row;
        for (int column = edge; column < grid.side; ++column)
            row.push_back(grid.cellAt(edge, column));
        placeLine(router, row, grid.side);

        std::vector<int> column;
        for (int r = edge + 1; r < grid.side; ++r)
            column.push_back(grid.cellAt(r, edge));
        placeLine(router, column, 1);
    }

    const Grid corner{grid.side - edge};
    std::vector<int> cornerTiles(corner.cells());
    for (int c = 0; c < corner.cells(); ++c) {
        const int tile = router.tiles()[grid.cellAt(edge + corner.row(c), edge + corner.column(c))];
        cornerTiles[c] = corner.cellAt(grid.row(tile) - edge, grid.column(tile) - edge);
    }
    // Locked tiles are home, so the corner keeps the parities of a solvable board.
    return {router.slides(), std::get<Puzzle>(Puzzle::from(std::move(cornerTiles)))};
}

std::vector<int> liftFromCorner(std::span<const int> cornerSlides, int side, int cornerSide)
{
    const Grid grid{side};
    const Grid corner{cornerSide};
    const int edge = side - cornerSide;
    std::vector<int> lifted;
    lifted.reserve(cornerSlides.size());
    for (int tile : cornerSlides)
        lifted.push_back(grid.cellAt(edge + corner.row(tile), edge + corner.column(tile)));
    return lifted;
}

std::vector<int> solveByLines(const Puzzle& puzzle)
{
    if (puzzle.grid().side <= 3)
        return ExactTable::forSide(puzzle.grid().side).solve(puzzle.tiles());
    Reduction reduction = reduceByLines(puzzle, 3);
    const std::vector<int> cornerSlides = ExactTable::forSide(3).solve(reduction.corner.tiles());
    const std::vector<int> lifted = liftFromCorner(cornerSlides, puzzle.grid().side, 3);
    reduction.slides.insert(reduction.slides.end(), lifted.begin(), lifted.end());
    return withoutReturns(reduction.slides);
}

} // namespace pintu::solver
