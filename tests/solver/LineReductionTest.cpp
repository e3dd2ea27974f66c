#include "solver/ExactTable.h"
#include "solver/LineReduction.h"

#include "tests/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

#include <utility>

namespace pintu::solver {
namespace {

using test::puzzleOf;

class EverySide : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Sides, EverySide, ::testing::Values(2, 3, 4, 5, 6, 7, 8, 10, 13),
                         [](const auto& info) { return "N" + std::to_string(info.param); });

TEST_P(EverySide, RandomBoardsEndSolved)
{
    const int side = GetParam();
    // Small boards get many seeds: the awkward last two tiles of a line turn up
    // in only some of them.
    const std::uint64_t seeds = side <= 6 ? 150 : 10;
    for (std::uint64_t seed = 0; seed < seeds; ++seed) {
        const Puzzle puzzle = puzzleOf(test::randomTiles(side, seed));
        ASSERT_TRUE(test::solves(puzzle, solveByLines(puzzle))) << "seed " << seed;
    }
}

std::vector<int> exchanged(int side, std::initializer_list<std::pair<int, int>> pairs)
{
    std::vector<int> tiles = test::solvedTiles(side);
    for (const auto& [a, b] : pairs)
        std::swap(tiles[a], tiles[b]);
    return tiles;
}

TEST(LineReduction, LastTwoTilesOfARowOrColumnExchanged)
{
    for (const std::vector<int>& tiles : {exchanged(4, {{2, 3}, {8, 12}}), exchanged(5, {{3, 4}, {15, 20}}),
                                          exchanged(5, {{3, 4}, {8, 9}}), exchanged(10, {{8, 9}, {80, 90}})}) {
        const Puzzle puzzle = puzzleOf(tiles);
        EXPECT_TRUE(test::solves(puzzle, solveByLines(puzzle)));
    }
}

TEST(LineReduction, LeavesTheCornerAsABoardOfItsOwn)
{
    const Puzzle puzzle = puzzleOf(test::randomTiles(6, 9));
    const Reduction reduction = reduceByLines(puzzle, 3);
    ASSERT_EQ(reduction.corner.grid().side, 3);

    std::vector<int> slides = reduction.slides;
    const std::vector<int> corner = ExactTable::forSide(3).solve(reduction.corner.tiles());
    const std::vector<int> lifted = liftFromCorner(corner, 6, 3);
    slides.insert(slides.end(), lifted.begin(), lifted.end());
    EXPECT_TRUE(test::solves(puzzle, slides));
}

TEST(LineReduction, LeavesAnOrderedBoardAlone)
{
    EXPECT_TRUE(solveByLines(puzzleOf(test::solvedTiles(7))).empty());
}

} // namespace
} // namespace pintu::solver
