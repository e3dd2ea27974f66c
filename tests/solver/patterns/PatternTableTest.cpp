#include "solver/ExactTable.h"
#include "solver/patterns/PatternFile.h"
#include "solver/patterns/PatternHeuristic.h"
#include "solver/patterns/PatternTable.h"
#include "solver/PlacementRank.h"
#include "tests/solver/SharedTables.h"
#include "tests/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
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

// Checksums of tables as the game's builder made them before it was made
// faster: files saved by either builder must serve both.
struct KnownTableRow {
    std::string name;
    int side;
    std::vector<int> tiles;
    std::uint64_t checksum;
};

class KnownTable : public ::testing::TestWithParam<KnownTableRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, KnownTable,
                         ::testing::Values(KnownTableRow{"ThreeByThree", 3, {0, 1, 2, 3, 4}, 0x2e66be4f0f04e167},
                                           KnownTableRow{"TilesOutOfOrder", 4, {11, 3, 7}, 0xb23de71689fefb57},
                                           KnownTableRow{"FourByFour", 4, {0, 1, 2, 4, 5}, 0x632685f8f60c3b8d},
                                           KnownTableRow{"FiveByFiveCorner", 5, {0, 1, 2, 5}, 0xe3a1b6a9eb5bd6bd},
                                           KnownTableRow{"FiveByFiveLast", 5, {19, 21, 22, 23}, 0x8ecd678299c5be59}),
                         [](const auto& info) { return info.param.name; });

TEST_P(KnownTable, IsBuiltAsBeforeAndCountsEveryEntryOnce)
{
    const KnownTableRow& row = GetParam();
    std::atomic<std::uint64_t> entries{0};
    const auto table = buildPatternTable(row.side, row.tiles, {}, &entries);
    ASSERT_TRUE(table);
    EXPECT_EQ(patternChecksum(table->moves), row.checksum);
    EXPECT_EQ(entries, table->moves.size());
}

TEST(PatternTable, TheGamesFourByFourTablesAreBuiltAsBefore)
{
    const std::map<std::vector<int>, std::uint64_t> before{
        {{0, 1, 2, 4, 5, 6}, 0xead908850f76f4d1},
        {{8, 9, 10, 12, 13, 14}, 0x4ed9547aca77d40d},
        {{3, 7, 11}, 0x43445b00a2f452c3},
    };
    // Built once for all solver tests.
    for (const PatternTable& table : test::sharedFourByFour().patterns())
        EXPECT_EQ(patternChecksum(table.moves), before.at(table.tiles));
}

TEST(PatternTable, StopsWhenAsked)
{
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(buildPatternTable(4, {0, 1, 2, 4, 5, 6}, stop.get_token()));
}

} // namespace
} // namespace pintu::solver
