#include "ReferencePatternTable.h"

#include "Grid.h"
#include "PlacementRank.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace pintu::solver::reference {

namespace {

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

// Two bits per search state: not seen yet, on one of the two frontiers the
// search alternates between, or done. The frontiers live in these bits rather
// than in lists, so a build needs about twice the table's own memory, and
// each layer is expanded in rank order, which keeps memory access near.
class StateMarks {
public:
    enum Mark : std::uint64_t { Unseen = 0, Done = 3 };

    static Mark frontier(int depth) { return static_cast<Mark>(1 + depth % 2); }

    explicit StateMarks(std::uint64_t states) : words((states + statesPerWord - 1) / statesPerWord, 0) {}

    Mark at(std::uint64_t state) const
    {
        return static_cast<Mark>((words[state / statesPerWord] >> shift(state)) & 3);
    }

    void set(std::uint64_t state, Mark mark)
    {
        std::uint64_t& word = words[state / statesPerWord];
        word = (word & ~(std::uint64_t{3} << shift(state))) | (static_cast<std::uint64_t>(mark) << shift(state));
    }

    // Calls `visit` with every state marked `mark` when the scan passes it;
    // `visit` may mark any state. False as soon as `visit` returns false.
    template <typename Visit>
    bool forEach(Mark mark, Visit visit)
    {
        constexpr std::uint64_t lowBits = 0x5555555555555555;
        for (std::size_t w = 0; w < words.size(); ++w) {
            for (;;) {
                const std::uint64_t low = words[w] & lowBits;
                const std::uint64_t high = (words[w] >> 1) & lowBits;
                std::uint64_t matching = (mark & 1 ? low : ~low) & (mark & 2 ? high : ~high) & lowBits;
                if (matching == 0)
                    break;
                const auto state = w * statesPerWord + static_cast<std::uint64_t>(std::countr_zero(matching) / 2);
                if (!visit(state))
                    return false;
            }
        }
        return true;
    }

private:
    static constexpr std::uint64_t statesPerWord = 32;
    static int shift(std::uint64_t state) { return static_cast<int>(state % statesPerWord) * 2; }

    std::vector<std::uint64_t> words;
};

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
    PatternTable table{side, tiles, std::vector<std::uint8_t>(placementCount(k, n), unset)};
    StateMarks marks(table.moves.size() * regionsPerPlacement);
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
    table.moves[homeRank] = 0;
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
                    const std::uint64_t moved = stateOf(movedRank, movedOccupied, regions.regionOf(from, movedOccupied));
                    if (marks.at(moved) == StateMarks::Unseen) {
                        marks.set(moved, next);
                        reachedAny = true;
                        if (table.moves[movedRank] == unset)
                            table.moves[movedRank] = static_cast<std::uint8_t>(depth + 1);
                    }
                }
            }
            return true;
        });
    }
    return table;
}

} // namespace pintu::solver::reference
