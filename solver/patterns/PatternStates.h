#pragma once

#include "solver/patterns/FreeRegions.h"
#include "solver/patterns/TileOrders.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pintu::solver {

// The states a pattern table's search passes through: where the pattern's
// tiles lie and which of the regions they leave free holds the blank. States
// are numbered by the set of cells the tiles hold, then the order of the tiles
// over those cells, then the region, with no number for a region a set does
// not have: the search's marks stay small enough to be near the processor.
// The states of one placement are neighbours, and every slide from a set of
// cells is worked out once, for all orders of the tiles and every layer.
class PatternStates {
public:
    // `tiles` are the pattern's, at home in the cells of their own numbers.
    PatternStates(const Grid& grid, std::span<const int> tiles);

    struct State {
        std::uint32_t number;
        std::uint32_t set;
        std::uint32_t order;
        std::uint32_t region;
    };

    // Every state's number is below this.
    std::uint32_t count() const { return setStart.back(); }
    // The pattern's tiles at home, and the blank too.
    std::uint32_t solved() const { return home; }

    // The state numbered `number`, whose set is `fromSet` or a later one:
    // states taken in increasing order are found in passing.
    State state(std::uint32_t number, std::uint32_t fromSet) const
    {
        std::uint32_t set = fromSet;
        while (setStart[set + 1] <= number)
            ++set;
        const std::uint32_t regions = regionCount(set);
        const std::uint32_t within = number - setStart[set];
        return {number, set, within / regions, within % regions};
    }

    // The numbers of the state's placement's states, one for each region, run
    // from this one on.
    std::uint32_t firstOfPlacement(const State& state) const { return state.number - state.region; }
    std::uint32_t regionCount(std::uint32_t set) const { return regions[set]; }

    // Where the pattern's tiles lie: tile `slot` of the pattern in cells[slot].
    void placement(const State& state, std::span<int> cells) const;

    // Calls `reach` with each state one slide of a pattern tile away. The
    // blank takes the sliding tile's cell; its own was in the state's region.
    template <typename Reach>
    void forEachSlide(const State& state, Reach reach) const
    {
        for (std::uint32_t s = firstSlide[state.set]; s < firstSlide[state.set + 1]; ++s) {
            const Slide& slide = slides[s];
            if (slide.region == state.region)
                reach(slide.target + orders.afterSlide(state.order, slide.places) * slide.targetRegions);
        }
    }

private:
    // A slide into a free cell of one region, from one set of cells: the
    // target's state number but for the order of its tiles, and how the
    // sliding tile's place in that order changes.
    struct Slide {
        std::uint32_t target;
        std::uint8_t places;
        std::uint8_t region;
        std::uint8_t targetRegions;
    };

    TileOrders orders;
    std::uint32_t home = 0;
    std::vector<CellSet> sets;
    std::vector<std::uint8_t> regions;     // of each set
    std::vector<std::uint32_t> setStart;   // the first state of each set, and past the last
    std::vector<std::uint32_t> firstSlide; // of each set, and past the last
    std::vector<Slide> slides;
};

} // namespace pintu::solver
