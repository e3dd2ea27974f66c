#include "PatternTable.h"

#include "Grid.h"
#include "PlacementRank.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace pintu::solver {

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

// One bit per search state: with the table itself, a build needs well under
// twice the table's memory.
class StateSet {
public:
    explicit StateSet(std::uint64_t size) : words((size + 63) / 64, 0) {}

    // True when the state was already in the set.
    bool insert(std::uint64_t state)
    {
        std::uint64_t& word = words[state / 64];
        const std::uint64_t bit = std::uint64_t{1} << (state % 64);
        const bool present = word & bit;
        word |= bit;
        return present;
    }

private:
    std::vector<std::uint64_t> words;
};

// A state on the search frontier: the pattern's cells, the first one in the
// highest bits so that sorting the frontier sorts it by rank, and then the
// lowest cell of the blank's region. Expanding a sorted frontier visits the
// tables in step rather than at random, which is most of the build's speed.
class PackedStates {
public:
    explicit PackedStates(int cells) : bits(cells <= 16 ? 4 : 5) {}

    std::uint32_t pack(std::span<const int> cells, int blank) const
    {
        std::uint32_t packed = 0;
        for (int cell : cells)
            packed = packed << bits | static_cast<std::uint32_t>(cell);
        return packed << bits | static_cast<std::uint32_t>(blank);
    }

    // Fills `cells` and returns the blank's cell.
    int unpack(std::uint32_t packed, std::span<int> cells) const
    {
        const std::uint32_t mask = (std::uint32_t{1} << bits) - 1;
        const int blank = static_cast<int>(packed & mask);
        for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell) {
            packed >>= bits;
            *cell = static_cast<int>(packed & mask);
        }
        return blank;
    }

private:
    int bits;
};

constexpr std::uint8_t unset = 0xFF;
constexpr unsigned stopCheckInterval = 4096;

} // namespace

std::optional<PatternTable> buildPatternTable(int side, const std::vector<int>& tiles, std::stop_token stop)
{
    const Grid grid{side};
    const int n = grid.cells();
    const int k = static_cast<int>(tiles.size());
    std::array<Adjacent, 32> adjacent{};
    for (int c = 0; c < n; ++c)
        adjacent[c] = grid.adjacent(c);
    const BlankRegions regions(grid);
    const PackedStates packing(n);

    // A state is the pattern's placement and which of its blank regions holds
    // the blank, counted from the region with the lowest cell. k tiles leave
    // at most k + 1 regions on these boards.
    const auto regionsPerPlacement = static_cast<std::uint64_t>(k + 1);
    PatternTable table{side, tiles, std::vector<std::uint8_t>(placementCount(k, n), unset)};
    StateSet seen(table.moves.size() * regionsPerPlacement);
    // True the first time the blank's region `region` is seen with the
    // pattern's placement `rank`.
    const auto firstVisit = [&](std::uint32_t rank, CellSet occupied, CellSet region) {
        std::uint64_t ordinal = 0;
        for (CellSet below = ~occupied & (cellBit(std::countr_zero(region)) - 1); below != 0; ++ordinal)
            below &= ~regions.regionOf(std::countr_zero(below), occupied);
        return !seen.insert(rank * regionsPerPlacement + ordinal);
    };

    std::array<int, 8> cellsArray{};
    const std::span<int> cells(cellsArray.data(), k);
    std::array<std::int32_t, 8> weightsArray{};
    const std::span<std::int32_t> weights(weightsArray.data(), k);
    placementWeights(n, weights);
    CellSet home = 0;
    for (int i = 0; i < k; ++i) {
        cells[i] = tiles[i];
        home |= cellBit(tiles[i]);
    }
    const std::uint32_t homeRank = placementRank(cells, n);
    const CellSet homeRegion = regions.regionOf(grid.blank(), home);
    table.moves[homeRank] = 0;
    firstVisit(homeRank, home, homeRegion);
    std::vector<std::uint32_t> frontier{packing.pack(cells, std::countr_zero(homeRegion))};

    std::vector<std::uint32_t> next;
    unsigned expanded = 0;
    for (std::uint8_t depth = 1; !frontier.empty(); ++depth) {
        std::sort(frontier.begin(), frontier.end());
        for (std::uint32_t state : frontier) {
            if (++expanded % stopCheckInterval == 0 && stop.stop_requested())
                return std::nullopt;
            const int blank = packing.unpack(state, cells);
            CellSet occupied = 0;
            for (int cell : cells)
                occupied |= cellBit(cell);
            const CellSet region = regions.regionOf(blank, occupied);
            const std::uint32_t rank = placementRank(cells, n);

            for (int slot = 0; slot < k; ++slot) {
                const int from = cells[slot];
                for (int to : adjacent[from]) {
                    if (!(region & cellBit(to)))
                        continue;
                    const auto movedRank = static_cast<std::uint32_t>(
                        static_cast<std::int32_t>(rank) + placementRankShift(cells, weights, slot, to));
                    cells[slot] = to;
                    const CellSet movedOccupied = occupied ^ cellBit(from) ^ cellBit(to);
                    const CellSet movedRegion = regions.regionOf(from, movedOccupied);
                    if (firstVisit(movedRank, movedOccupied, movedRegion)) {
                        next.push_back(packing.pack(cells, std::countr_zero(movedRegion)));
                        if (table.moves[movedRank] == unset)
                            table.moves[movedRank] = depth;
                    }
                    cells[slot] = from;
                }
            }
        }
        std::swap(frontier, next);
        next.clear();
    }
    return table;
}

} // namespace pintu::solver
