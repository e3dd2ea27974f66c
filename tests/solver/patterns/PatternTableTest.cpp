#include "solver/ExactTable.h"
#include "solver/patterns/PatternFile.h"
#include "solver/patterns/PatternHeuristic.h"
#include "solver/patterns/PatternTable.h"
#include "solver/PlacementRank.h"
#include "tests/solver/SharedTables.h"
#include "tests/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>

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
    for (int cell = 0; cell < grid.cells(); ++cell)
        EXPECT_EQ(table.extra(placementRank(std::vector<int>{cell}, grid.cells())), 0) << "cell " << cell;
}

TEST(PatternTable, ChargesSlidesThatOnlyTheBlankCanMake)
{
    // The pattern's two tiles in each other's homes: four pattern slides are
    // the fewest, though Manhattan distance counts two.
    const PatternTable table = built(4, {14, 13});
    EXPECT_EQ(table.extra(placementRank(std::vector<int>{13, 14}, 16)), 1);
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

// Checksums of tables as the plain breadth-first builder kept among the
// benchmarks makes them: the game's faster builder must write the same entries.
struct KnownTableRow {
    std::string name;
    int side;
    std::vector<int> tiles;
    std::uint64_t checksum;
};

class KnownTable : public ::testing::TestWithParam<KnownTableRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, KnownTable,
                         ::testing::Values(KnownTableRow{"ThreeByThree", 3, {0, 1, 2, 3, 4}, 0xd8ae791f05b7c3e1},
                                           KnownTableRow{"TilesOutOfOrder", 4, {11, 3, 7}, 0xb7b78169986e9f8f},
                                           KnownTableRow{"FourByFour", 4, {0, 1, 2, 4, 5}, 0x8e9ef57eab4047a4},
                                           KnownTableRow{"FiveByFiveCorner", 5, {0, 1, 2, 5}, 0x5fbad221105c9980},
                                           KnownTableRow{"FiveByFiveLast", 5, {19, 21, 22, 23}, 0xf78d3bb48dbcf76b}),
                         [](const auto& info) { return info.param.name; });

TEST_P(KnownTable, IsBuiltAsBeforeAndCountsEveryEntryOnce)
{
    const KnownTableRow& row = GetParam();
    std::atomic<std::uint64_t> entries{0};
    const auto table = buildPatternTable(row.side, row.tiles, {}, &entries);
    ASSERT_TRUE(table);
    EXPECT_EQ(patternChecksum(table->entries), row.checksum);
    EXPECT_EQ(entries, placementCount(static_cast<int>(row.tiles.size()), row.side * row.side));
}

TEST(PatternTable, TheGamesFourByFourTablesAreBuiltAsBefore)
{
    // The lower block of six reads the upper one's table turned over, the
    // right column the top row's.
    const std::map<std::vector<int>, std::uint64_t> before{
        {{0, 1, 2, 4, 5, 6}, 0xf5595e67a1b74fba},
        {{0, 1, 2}, 0x40523357ddc7c36a},
    };
    // Built once for all solver tests.
    for (const PatternUse& use : test::sharedFourByFour().patterns())
        EXPECT_EQ(patternChecksum(use.table->entries), before.at(use.table->tiles));
}

TEST(PatternTable, StopsWhenAsked)
{
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(buildPatternTable(4, {0, 1, 2, 4, 5, 6}, stop.get_token()));
}

} // namespace
} // namespace pintu::solver
