#include "solver/ExactTable.h"
#include "tests/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace pintu::solver {
namespace {

using test::puzzleOf;

std::map<int, int> countByDistance(const ExactTable& table)
{
    std::map<int, int> counts;
    for (std::uint8_t distance : table.distances()) {
        if (distance != ExactTable::unreachable)
            ++counts[distance];
    }
    return counts;
}

TEST(ExactTable, ReachesHalfOfAllThreeByThreeArrangementsWithinThirtyOneSlides)
{
    const std::map<int, int> counts = countByDistance(ExactTable::forSide(3));
    int reachable = 0;
    for (const auto& [distance, count] : counts)
        reachable += count;
    EXPECT_EQ(reachable, 181440);
    EXPECT_EQ(counts.rbegin()->first, 31);
    EXPECT_EQ(counts.rbegin()->second, 2);
}

TEST(ExactTable, TwoByTwoIsOneRingOfTwelve)
{
    const std::map<int, int> counts = countByDistance(ExactTable::forSide(2));
    EXPECT_EQ(counts, (std::map<int, int>{{0, 1}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 1}}));
}

TEST(ExactTable, AgreesWithBreadthFirstSearchOnEveryThreeByThreeArrangement)
{
    const ExactTable& table = ExactTable::forSide(3);
    const auto everyArrangement = test::arrangementsNearSolved(3, 31);
    ASSERT_EQ(everyArrangement.size(), 181440u);
    for (const auto& known : everyArrangement)
        ASSERT_EQ(table.distance(known.tiles), known.distance);
}

TEST(ExactTable, SolvesTheTwoHardestPositionsInThirtyOneSlides)
{
    // 8 6 7 / 2 5 4 / 3 _ 1 and 6 4 7 / 8 5 _ / 3 2 1 counted from 1.
    for (const std::vector<int>& tiles : {std::vector<int>{7, 5, 6, 1, 4, 3, 2, 8, 0},
                                          std::vector<int>{5, 3, 6, 7, 4, 8, 2, 1, 0}}) {
        const Puzzle puzzle = puzzleOf(tiles);
        const std::vector<int> slides = ExactTable::forSide(3).solve(tiles);
        EXPECT_EQ(slides.size(), 31u);
        EXPECT_TRUE(test::solves(puzzle, slides));
    }
}

TEST(ExactTable, EverySolutionIsAsLongAsTheDistance)
{
    for (int side : {2, 3}) {
        const ExactTable& table = ExactTable::forSide(side);
        for (std::uint64_t seed = 0; seed < 50; ++seed) {
            const Puzzle puzzle = puzzleOf(test::randomTiles(side, seed));
            const std::vector<int> slides = table.solve(puzzle.tiles());
            EXPECT_EQ(static_cast<int>(slides.size()), table.distance(puzzle.tiles()));
            EXPECT_TRUE(test::solves(puzzle, slides)) << "side " << side << " seed " << seed;
        }
    }
}

} // namespace
} // namespace pintu::solver
