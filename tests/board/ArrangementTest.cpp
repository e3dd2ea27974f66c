#include "board/Arrangement.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pintu {
namespace {

// The board of `side` with the blank moved to `blank` by the shortest way
// along the last row, then up the column.
Arrangement blankAt(int side, int blank)
{
    Arrangement arrangement = Arrangement::solved(side);
    while (arrangement.blankCell() % side > blank % side)
        arrangement.apply(*arrangement.moveFor(arrangement.blankCell() - 1));
    while (arrangement.blankCell() / side > blank / side)
        arrangement.apply(*arrangement.moveFor(arrangement.blankCell() - side));
    return arrangement;
}

// Every board size the game has, the genius board's too.
class ArrangementOfEachSide : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Sides, ArrangementOfEachSide, ::testing::Values(3, 4, 5, 10),
                         [](const auto& info) { return "N" + std::to_string(info.param); });

// Never from the end of one row to the start of the next: they lie a row apart.
TEST_P(ArrangementOfEachSide, AClickMovesOnlyATileBesideTheBlankInItsRowOrColumn)
{
    const int side = GetParam();
    for (int blank = 0; blank < side * side; ++blank) {
        const Arrangement arrangement = blankAt(side, blank);
        ASSERT_EQ(arrangement.blankCell(), blank);
        for (int cell = 0; cell < side * side; ++cell) {
            const int distance = std::abs(cell / side - blank / side) + std::abs(cell % side - blank % side);
            const auto move = arrangement.moveFor(cell);
            if (distance == 1) {
                EXPECT_EQ(move, (Move{cell, blank})) << "blank " << blank << " cell " << cell;
            } else {
                EXPECT_EQ(move, std::nullopt) << "blank " << blank << " cell " << cell;
            }
        }
    }
    EXPECT_EQ(Arrangement::solved(side).moveFor(-1), std::nullopt);
    EXPECT_EQ(Arrangement::solved(side).moveFor(side * side), std::nullopt);
}

TEST_P(ArrangementOfEachSide, AnArrowSlidesTheTileOnTheFarSideOfTheBlankTowardsIt)
{
    const int side = GetParam();
    const int inside = side + 1;
    const Arrangement middle = blankAt(side, inside);
    EXPECT_EQ(middle.moveFor(Direction::Left), (Move{inside + 1, inside}));
    EXPECT_EQ(middle.moveFor(Direction::Right), (Move{inside - 1, inside}));
    EXPECT_EQ(middle.moveFor(Direction::Up), (Move{inside + side, inside}));
    EXPECT_EQ(middle.moveFor(Direction::Down), (Move{inside - side, inside}));

    // Nothing lies beyond the board's edge, nor beyond a row's end.
    const Arrangement corner = Arrangement::solved(side);
    EXPECT_EQ(corner.moveFor(Direction::Left), std::nullopt);
    EXPECT_EQ(corner.moveFor(Direction::Up), std::nullopt);
    EXPECT_EQ(corner.moveFor(Direction::Right), (Move{side * side - 2, side * side - 1}));
    EXPECT_EQ(blankAt(side, side).moveFor(Direction::Right), std::nullopt);
    EXPECT_EQ(blankAt(side, side - 1).moveFor(Direction::Left), std::nullopt);
    EXPECT_EQ(blankAt(side, 0).moveFor(Direction::Down), std::nullopt);
}

TEST(Arrangement, AMoveAndItsReverseLeaveTheBoardAsItWas)
{
    Arrangement arrangement = Arrangement::solved(3);
    EXPECT_TRUE(arrangement.isSolved());
    arrangement.apply(*arrangement.moveFor(Direction::Right));
    EXPECT_FALSE(arrangement.isSolved());
    EXPECT_EQ(arrangement.tiles(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 8, 7}));
    EXPECT_EQ(arrangement.blankCell(), 7);
    arrangement.apply(*arrangement.moveFor(Direction::Left));
    EXPECT_EQ(arrangement, Arrangement::solved(3));
}

TEST(Arrangement, IsMadeOnlyFromEveryTileOnce)
{
    const auto taken = Arrangement::fromTiles(2, {3, 0, 2, 1});
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->blankCell(), 0);
    EXPECT_EQ(taken->tileAt(3), 1);
    EXPECT_EQ(Arrangement::fromTiles(2, {0, 1, 2}), std::nullopt);
    EXPECT_EQ(Arrangement::fromTiles(2, {0, 1, 1, 3}), std::nullopt);
    EXPECT_EQ(Arrangement::fromTiles(2, {0, 1, 2, 4}), std::nullopt);
    EXPECT_EQ(Arrangement::fromTiles(2, {0, -1, 2, 3}), std::nullopt);
}

} // namespace
} // namespace pintu
