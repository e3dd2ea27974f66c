#include "solver/ExactTable.h"

#include "solver/PlacementRank.h"

#include <array>
#include <utility>

namespace pintu::solver {

namespace {

// A position is where each tile but the blank lies, four bits a tile: the
// blank is in the one cell left over, and a slide moves one tile into it,
// which placementRankShift turns into the new rank at once.
struct Position {
    std::uint32_t cells;
    std::uint32_t rank;
};

} // namespace

const ExactTable& ExactTable::forSide(int side)
{
    if (side == 2) {
        static const ExactTable twoByTwo(2);
        return twoByTwo;
    }
    static const ExactTable threeByThree(3);
    return threeByThree;
}

ExactTable::ExactTable(int side) : grid{side}, table(placementCount(grid.cells() - 1, grid.cells()), unreachable)
{
    const int n = grid.cells();
    const int tiles = n - 1;
    std::array<int, 8> cells{};
    std::array<std::int32_t, 8> weights{};
    const std::span<int> tileCells(cells.data(), tiles);
    placementWeights(n, std::span(weights.data(), tiles));
    const auto pack = [&] {
        std::uint32_t packed = 0;
        for (int tile = tiles - 1; tile >= 0; --tile)
            packed = packed << 4 | static_cast<std::uint32_t>(cells[tile]);
        return packed;
    };

    for (int tile = 0; tile < tiles; ++tile)
        cells[tile] = tile;
    const std::uint32_t solved = placementRank(tileCells, n);
    table[solved] = 0;
    std::vector<Position> frontier{{pack(), solved}};
    std::vector<Position> next;
    std::array<int, 16> tileIn{};
    for (std::uint8_t depth = 1; !frontier.empty(); ++depth) {
        for (const Position position : frontier) {
            // The blank's cell is the one no tile claims: 0 + 1 + ... + (n-1) less the others.
            int blank = n * (n - 1) / 2;
            for (int tile = 0; tile < tiles; ++tile) {
                cells[tile] = static_cast<int>((position.cells >> (4 * tile)) & 0xF);
                tileIn[cells[tile]] = tile;
                blank -= cells[tile];
            }
            for (int from : grid.adjacent(blank)) {
                const int tile = tileIn[from];
                const auto rank = static_cast<std::uint32_t>(static_cast<std::int32_t>(position.rank)
                                                             + placementRankShift(tileCells, weights, tile, blank));
                if (table[rank] == unreachable) {
                    table[rank] = depth;
                    cells[tile] = blank;
                    next.push_back({pack(), rank});
                    cells[tile] = from;
                }
            }
        }
        std::swap(frontier, next);
        next.clear();
    }
}

int ExactTable::distance(std::span<const int> tiles) const
{
    std::array<int, 9> cells{};
    for (int c = 0; c < grid.cells(); ++c)
        cells[tiles[c]] = c;
    return table[placementRank(std::span(cells.data(), grid.cells() - 1), grid.cells())];
}

std::vector<int> ExactTable::solve(std::vector<int> tiles) const
{
    int blank = grid.blankCell(tiles);
    std::vector<int> slides;
    for (int left = distance(tiles); left > 0; --left) {
        for (int from : grid.adjacent(blank)) {
            std::swap(tiles[blank], tiles[from]);
            if (distance(tiles) == left - 1) {
                slides.push_back(tiles[blank]);
                blank = from;
                break;
            }
            std::swap(tiles[blank], tiles[from]);
        }
    }
    return slides;
}

} // namespace pintu::solver
