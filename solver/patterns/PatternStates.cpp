#include "solver/patterns/PatternStates.h"

#include <algorithm>

namespace pintu::solver {

PatternStates::PatternStates(const Grid& grid, std::span<const int> tiles) : orders(static_cast<int>(tiles.size()))
{
    const int k = static_cast<int>(tiles.size());
    const FreeRegions free(grid, k);
    const std::uint32_t setCount = free.setCount();
    sets.reserve(setCount);
    regions.reserve(setCount);
    setStart.reserve(setCount + 1);
    setStart.push_back(0);
    forEachCellSet(grid.cells(), k, [&](CellSet occupied) {
        sets.push_back(occupied);
        regions.push_back(static_cast<std::uint8_t>(free.regionCount(free.setNumber(occupied))));
        setStart.push_back(setStart.back() + orders.count() * regions.back());
    });

    firstSlide.reserve(setCount + 1);
    firstSlide.push_back(0);
    for (std::uint32_t set = 0; set < setCount; ++set) {
        const CellSet occupied = sets[set];
        int place = 0;
        for (CellSet rest = occupied; rest != 0; rest &= rest - 1, ++place) {
            const int from = std::countr_zero(rest);
            for (int to : grid.adjacent(from)) {
                if (occupied & cellBit(to))
                    continue;
                // A tile sliding up or down passes over the cells between, and
                // over the pattern's tiles in them in the order of cells.
                const int low = std::min(from, to);
                const int high = std::max(from, to);
                const int passed = std::popcount(occupied & (cellBit(high) - 1) & ~(cellBit(low + 1) - 1));
                const int placeAfter = to > from ? place + passed : place - passed;
                const std::uint32_t target = free.setNumber(occupied ^ cellBit(from) ^ cellBit(to));
                slides.push_back({setStart[target] + static_cast<std::uint32_t>(free.regionOf(target, from)),
                                  static_cast<std::uint8_t>(orders.slide(place, placeAfter)),
                                  static_cast<std::uint8_t>(free.regionOf(set, to)), regions[target]});
            }
        }
        firstSlide.push_back(static_cast<std::uint32_t>(slides.size()));
    }

    CellSet homeCells = 0;
    for (int tile : tiles)
        homeCells |= cellBit(tile);
    TileOrders::Order homeOrder{};
    for (int slot = 0; slot < k; ++slot)
        homeOrder[static_cast<std::size_t>(std::popcount(homeCells & (cellBit(tiles[slot]) - 1)))] =
            static_cast<std::uint8_t>(slot);
    const std::uint32_t homeSet = free.setNumber(homeCells);
    home = setStart[homeSet] + orders.numberOf(homeOrder) * regions[homeSet]
         + static_cast<std::uint32_t>(free.regionOf(homeSet, grid.blank()));
}

void PatternStates::placement(const State& state, std::span<int> cells) const
{
    const TileOrders::Order& order = orders.order(state.order);
    int place = 0;
    for (CellSet rest = sets[state.set]; rest != 0; rest &= rest - 1, ++place)
        cells[order[static_cast<std::size_t>(place)]] = std::countr_zero(rest);
}

} // namespace pintu::solver
