#include "board/Arrangement.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pintu {
namespace {

// The 4x4 board with the blank moved to `blank` by the shortest way along
// the last row, then up the column.
Arrangement blankAt(int blank)
{
    Arrangement arrangement = Arrangement::solved(4);
    while (arrangement.blankCell() % 4 > blank % 4)
        arrangement.apply(*arrangement.moveFor(arrangement.blankCell() - 1));
    while (arrangement.blankCell() / 4 > blank / 4)
        arrangement.apply(*arrangement.moveFor(arrangement.blankCell() - 4));
    return arrangement;
}

TEST(Arrangement, AClickMovesOnlyATileBesideTheBlankInItsRowOrColumn)
{
    for (int blank = 0; blank < 16; ++blank) {
        const Arrangement arrangement = blankAt(blank);
        ASSERT_EQ(arrangement.blankCell(), blank);
        for (int cell = 0; cell < 16; ++cell) {
            const int distance = std::abs(cell / 4 - blank / 4) + std::abs(cell % 4 - blank % 4);
            const auto move = arrangement.moveFor(cell);
            if (distance == 1) {
                EXPECT_EQ(move, (Move{cell, blank})) << "blank " << blank << " cell " << cell;
            } else {
                EXPECT_EQ(move, std::nullopt) << "blank " << blank << " cell " << cell;
            }
        }
    }
    EXPECT_EQ(blankAt(4).moveFor(3), std::nullopt); // the end of a row is not beside the next row's start
    EXPECT_EQ(blankAt(3).moveFor(4), std::nullopt);
    EXPECT_EQ(Arrangement::solved(4).moveFor(-1), std::nullopt);
    EXPECT_EQ(Arrangement::solved(4).moveFor(16), std::nullopt);
}

TEST(Arrangement, AnArrowSlidesTheTileOnTheFarSideOfTheBlankTowardsIt)
{
    const Arrangement middle = blankAt(5);
    EXPECT_EQ(middle.moveFor(Direction::Left), (Move{6, 5}));
    EXPECT_EQ(middle.moveFor(Direction::Right), (Move{4, 5}));
    EXPECT_EQ(middle.moveFor(Direction::Up), (Move{9, 5}));
    EXPECT_EQ(middle.moveFor(Direction::Down), (Move{1, 5}));

    // Nothing lies beyond the board's edge, nor beyond a row's end.
    const Arrangement corner = Arrangement::solved(4);
    EXPECT_EQ(corner.moveFor(Direction::Left), std::nullopt);
    EXPECT_EQ(corner.moveFor(Direction::Up), std::nullopt);
    EXPECT_EQ(corner.moveFor(Direction::Right), (Move{14, 15}));
    EXPECT_EQ(blankAt(4).moveFor(Direction::Right), std::nullopt);
    EXPECT_EQ(blankAt(3).moveFor(Direction::Left), std::nullopt);
    EXPECT_EQ(blankAt(0).moveFor(Direction::Down), std::nullopt);
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
