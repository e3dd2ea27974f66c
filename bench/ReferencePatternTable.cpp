#include "bench/ReferencePatternTable.h"

#include "solver/Grid.h"
#include "solver/patterns/BlankRegions.h"
#include "solver/patterns/StateMarks.h"
#include "solver/PlacementRank.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace pintu::solver::reference {

namespace {

// The inverse of placementRank: fills `cells` (k of them) from `rank`.
void unrankPlacement(std::uint32_t rank, int n, std::span<int> cells)
{
    const int k = static_cast<int>(cells.size());
    std::array<int, 32> digits{};
    for (int i = k - 1; i >= 0; --i) {
        const auto radix = static_cast<std::uint32_t>(n - i);
        digits[i] = static_cast<int>(rank % radix);
        rank /= radix;
    }
    std::uint32_t taken = 0;
    for (int i = 0; i < k; ++i) {
        // The digit counts the free cells to pass over.
        int cell = 0;
        for (int remaining = digits[i];; ++cell) {
            if (taken & (std::uint32_t{1} << cell))
                continue;
            if (remaining == 0)
                break;
            --remaining;
        }
        cells[i] = cell;
        taken |= std::uint32_t{1} << cell;
    }
}

constexpr std::uint8_t unset = 0xFF;

// Keeps of each placement's fewest slides only the excess over the tiles'
// Manhattan distance, as the game's tables do.
PatternTable packed(const Grid& grid, const std::vector<int>& tiles, const std::vector<std::uint8_t>& moves)
{
    PatternTable table{grid.side, tiles, std::vector<std::uint8_t>(PatternTable::bytesFor(moves.size()), 0)};
    std::array<int, 8> cells{};
    for (std::uint32_t index = 0; index < moves.size(); ++index) {
        unrankPlacement(index, grid.cells(), std::span(cells.data(), tiles.size()));
        int manhattan = 0;
        for (std::size_t slot = 0; slot < tiles.size(); ++slot)
            manhattan += grid.distance(cells[slot], tiles[slot]);
        const int extra = std::min((moves[index] - manhattan) / 2, PatternTable::mostExtra);
        table.entries[index >> 2] |= static_cast<std::uint8_t>(extra << (2 * (index & 3)));
    }
    return table;
}

} // namespace

PatternTable buildPatternTable(int side, const std::vector<int>& tiles)
{
    const Grid grid{side};
    const int n = grid.cells();
    const int k = static_cast<int>(tiles.size());
    std::array<Adjacent, 32> adjacent{};
    for (int c = 0; c < n; ++c)
        adjacent[c] = grid.adjacent(c);
    const BlankRegions regions(grid);

    // A state is the pattern's placement and which of its blank regions holds
    // the blank, counted from the region with the lowest cell. k tiles leave
    // at most k + 1 regions on these boards.
    const auto regionsPerPlacement = static_cast<std::uint64_t>(k + 1);
    std::vector<std::uint8_t> moves(placementCount(k, n), unset);
    StateMarks marks(moves.size() * regionsPerPlacement);
    const auto stateOf = [&](std::uint32_t rank, CellSet occupied, CellSet region) {
        std::uint64_t ordinal = 0;
        for (CellSet below = ~occupied & (cellBit(std::countr_zero(region)) - 1); below != 0; ++ordinal)
            below &= ~regions.regionOf(std::countr_zero(below), occupied);
        return rank * regionsPerPlacement + ordinal;
    };
    const auto regionNumbered = [&](std::uint64_t ordinal, CellSet occupied) {
        CellSet free = ~occupied & ((CellSet{1} << n) - 1);
        for (;; --ordinal) {
            const CellSet region = regions.regionOf(std::countr_zero(free), occupied);
            if (ordinal == 0)
                return region;
            free &= ~region;
        }
    };

    std::array<int, 8> cellsArray{};
    const std::span<int> cells(cellsArray.data(), k);
    std::array<std::int32_t, 8> weightsArray{};
    const std::span<std::int32_t> weights(weightsArray.data(), k);
    placementWeights(n, weights);
    CellSet home = 0;
    for (int i = 0; i < k; ++i)
        home |= cellBit(tiles[i]);
    const std::uint32_t homeRank = placementRank(tiles, n);
    moves[homeRank] = 0;
    marks.set(stateOf(homeRank, home, regions.regionOf(grid.blank(), home)), StateMarks::frontier(0));

    bool reachedAny = true;
    for (int depth = 0; reachedAny; ++depth) {
        reachedAny = false;
        const StateMarks::Mark next = StateMarks::frontier(depth + 1);
        marks.forEach(StateMarks::frontier(depth), [&](std::uint64_t state) {
            marks.set(state, StateMarks::Done);
            const auto rank = static_cast<std::uint32_t>(state / regionsPerPlacement);
            unrankPlacement(rank, n, cells);
            CellSet occupied = 0;
            for (int cell : cells)
                occupied |= cellBit(cell);
            const CellSet region = regionNumbered(state % regionsPerPlacement, occupied);

            for (int slot = 0; slot < k; ++slot) {
                const int from = cells[slot];
                for (int to : adjacent[from]) {
                    if (!(region & cellBit(to)))
                        continue;
                    const auto movedRank = static_cast<std::uint32_t>(
                        static_cast<std::int32_t>(rank) + placementRankShift(cells, weights, slot, to));
                    const CellSet movedOccupied = occupied ^ cellBit(from) ^ cellBit(to);
                    const std::uint64_t moved =
                        stateOf(movedRank, movedOccupied, regions.regionOf(from, movedOccupied));
                    if (marks.at(moved) == StateMarks::Unseen) {
                        marks.set(moved, next);
                        reachedAny = true;
                        if (moves[movedRank] == unset)
                            moves[movedRank] = static_cast<std::uint8_t>(depth + 1);
                    }
                }
            }
            return true;
        });
    }
    return packed(grid, tiles, moves);
}

} // namespace pintu::solver::reference
