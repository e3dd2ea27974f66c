#include "solver/Grid.h"
#include "solver/Puzzle.h"
#include "solver/Slides.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

namespace pintu::solver {
namespace {

struct ValidationRow {
    std::string name;
    std::vector<int> tiles;
    std::optional<Flaw> flaw; // none: accepted
};

class PuzzleValidation : public ::testing::TestWithParam<ValidationRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, PuzzleValidation,
    ::testing::Values(
        ValidationRow{"Solved2x2", {0, 1, 2, 3}, std::nullopt},
        ValidationRow{"Solved3x3", {0, 1, 2, 3, 4, 5, 6, 7, 8}, std::nullopt},
        ValidationRow{"BlankOneSlideUp4x4", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 12, 13, 14, 11}, std::nullopt},
        ValidationRow{"BlankInTheCorner3x3", {8, 0, 1, 3, 4, 2, 6, 7, 5}, std::nullopt},
        ValidationRow{"NoTiles", {}, Flaw::NotSquare},
        ValidationRow{"OneTile", {0}, Flaw::NotSquare},
        ValidationRow{"ThreeTiles", {0, 1, 2}, Flaw::NotSquare},
        ValidationRow{"TenTiles", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, Flaw::NotSquare},
        ValidationRow{"RepeatedTile", {0, 1, 1, 3}, Flaw::NotPermutation},
        ValidationRow{"TileTooLarge", {0, 1, 2, 4}, Flaw::NotPermutation},
        ValidationRow{"NegativeTile", {-1, 0, 1, 3}, Flaw::NotPermutation},
        ValidationRow{"TwoTilesExchanged3x3", {1, 0, 2, 3, 4, 5, 6, 7, 8}, Flaw::Unsolvable},
        // The fourteen-fifteen puzzle: the last two tiles exchanged, blank at home.
        ValidationRow{"LastTwoTilesExchanged4x4", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15},
                      Flaw::Unsolvable},
        // Solvable exactly when the permutation's parity is that of the blank's distance from home.
        ValidationRow{"ThreeCycleWithBlankOneRowUp4x4", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 12, 13, 11, 14},
                      Flaw::Unsolvable},
        ValidationRow{"ExchangedAndBlankOneRowUp4x4", {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 12, 13, 14, 11},
                      Flaw::Unsolvable},
        ValidationRow{"TwoPairsExchanged5x5", {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                               20, 21, 23, 22, 24},
                      std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST_P(PuzzleValidation, AcceptsOrNamesTheFlaw)
{
    const ValidationRow& row = GetParam();
    const auto checked = Puzzle::from(row.tiles);
    if (row.flaw) {
        ASSERT_TRUE(std::holds_alternative<Flaw>(checked));
        EXPECT_EQ(std::get<Flaw>(checked), *row.flaw);
    } else {
        ASSERT_TRUE(std::holds_alternative<Puzzle>(checked));
        EXPECT_EQ(std::get<Puzzle>(checked).tiles(), row.tiles);
    }
}

TEST(PuzzleFlaw, EachReasonHasItsOwnWords)
{
    std::set<std::string_view> reasons;
    for (Flaw flaw : {Flaw::NotSquare, Flaw::NotPermutation, Flaw::Unsolvable})
        reasons.insert(describe(flaw));
    EXPECT_EQ(reasons.size(), 3u);
    EXPECT_FALSE(reasons.contains(""));
}

TEST(Grid, NeighboursNeverWrapFromOneRowToTheNext)
{
    // Cell 2 ends the first row of the 3x3 board, cell 3 starts the second.
    const Grid grid{3};
    const auto neighbours = [&](int cell) {
        const Adjacent beside = grid.adjacent(cell);
        return std::set<int>(beside.begin(), beside.end());
    };
    EXPECT_EQ(neighbours(2), (std::set<int>{1, 5}));
    EXPECT_EQ(neighbours(3), (std::set<int>{0, 4, 6}));
}

TEST(Slides, ReturnsCancelInPairs)
{
    EXPECT_EQ(withoutReturns(std::vector<int>{4, 7, 7, 4, 5, 1, 1, 2}), (std::vector<int>{5, 2}));
    EXPECT_EQ(withoutReturns(std::vector<int>{3, 3, 3}), (std::vector<int>{3}));
}

} // namespace
} // namespace pintu::solver
