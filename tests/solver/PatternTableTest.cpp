#include "ExactTable.h"
#include "PatternHeuristic.h"
#include "PatternTable.h"
#include "PlacementRank.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace pintu::solver {
namespace {

PatternTable built(int side, std::vector<int> tiles)
{
    return *buildPatternTable(side, tiles, {});
}

struct SingleTileRow {
    int side;
    int tile;
};

class SingleTilePattern : public ::testing::TestWithParam<SingleTileRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, SingleTilePattern,
                         ::testing::Values(SingleTileRow{3, 0}, SingleTileRow{4, 5}, SingleTileRow{4, 14},
                                           SingleTileRow{5, 12}, SingleTileRow{5, 23}),
                         [](const auto& info) {
                             return "N" + std::to_string(info.param.side) + "Tile" + std::to_string(info.param.tile);
                         });

TEST_P(SingleTilePattern, CostsItsManhattanDistance)
{
    // With the other tiles free to move, a lone tile walks straight home.
    const auto [side, tile] = GetParam();
    const Grid grid{side};
    const PatternTable table = built(side, {tile});
    for (int cell = 0; cell < grid.cells(); ++cell) {
        const int manhattan = std::abs(grid.row(cell) - grid.row(tile)) + std::abs(grid.column(cell) - grid.column(tile));
        EXPECT_EQ(table.moves[placementRank(std::vector<int>{cell}, grid.cells())], manhattan) << "cell " << cell;
    }
}

TEST(PatternTable, ReachesEveryPlacement)
{
    for (const PatternTable& table : {built(4, {3, 7, 11}), built(5, {0, 1, 5}), built(3, {0, 1, 2, 3, 4})})
        EXPECT_TRUE(std::none_of(table.moves.begin(), table.moves.end(), [](std::uint8_t m) { return m == 0xFF; }));
}

TEST(PatternTable, ChargesSlidesThatOnlyTheBlankCanMake)
{
    // The pattern's two tiles in each other's homes: four pattern slides are
    // the fewest, though Manhattan distance counts two.
    const PatternTable table = built(4, {14, 13});
    EXPECT_EQ(table.moves[placementRank(std::vector<int>{13, 14}, 16)], 4);
}

TEST(PatternTable, SplitTablesNeverOverestimateAnyThreeByThreeDistance)
{
    const PatternHeuristic heuristic({built(3, {0, 1, 2, 3}), built(3, {4, 5, 6, 7})});
    int exact = 0;
    for (const auto& known : test::arrangementsNearSolved(3, 31)) {
        const int estimate = heuristic.estimate(known.tiles);
        ASSERT_LE(estimate, known.distance);
        exact += estimate == known.distance;
    }
    // Not a bound so weak that it tells nothing.
    EXPECT_GT(exact, 1000);
}

TEST(PatternTable, StopsWhenAsked)
{
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(buildPatternTable(4, {0, 1, 2, 4, 5, 6}, stop.get_token()));
}

} // namespace
} // namespace pintu::solver
