#include "board/Shuffle.h"
#include "platform/SeededRandom.h"
#include "tests/fakes/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace pintu {
namespace {

class EveryBoardSize : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, EveryBoardSize, ::testing::Values(&board3x3, &board4x4, &board5x5, &board10x10),
                         [](const auto& info) { return "N" + std::to_string(info.param->side); });

int blankCell(const std::vector<int>& tiles, const BoardSize& size)
{
    return static_cast<int>(std::find(tiles.begin(), tiles.end(), size.blankTile()) - tiles.begin());
}

TEST_P(EveryBoardSize, PickTableListsEachNeighbourOnce)
{
    const BoardSize& size = *GetParam();
    ASSERT_EQ(static_cast<int>(size.shuffleNeighbours.size()), size.cells);
    for (int c = 0; c < size.cells; ++c) {
        std::set<int> expected;
        if (c % size.side != 0) expected.insert(c - 1);
        if (c % size.side != size.side - 1) expected.insert(c + 1);
        if (c / size.side != 0) expected.insert(c - size.side);
        if (c / size.side != size.side - 1) expected.insert(c + size.side);
        const Neighbours& row = size.shuffleNeighbours[c];
        const std::set<int> listed(row.cell.begin(), row.cell.begin() + row.count);
        EXPECT_EQ(row.count, static_cast<int>(expected.size())) << "cell " << c;
        EXPECT_EQ(listed, expected) << "cell " << c;
    }
}

TEST_P(EveryBoardSize, ShuffleLeavesEveryTileOnceAndTheBlankOnAnEvenCell)
{
    const BoardSize& size = *GetParam();
    for (std::uint64_t seed : {1u, 2u, 3u, 77u}) {
        SeededRandom random;
        random.seed(seed);
        const auto board = shuffle(size, random, nullptr);
        ASSERT_TRUE(board);
        std::vector<int> tiles = board->tiles();
        EXPECT_EQ(static_cast<int>(tiles.size()), size.cells);
        std::sort(tiles.begin(), tiles.end());
        for (int t = 0; t < size.cells; ++t)
            ASSERT_EQ(tiles[t], t);
        // The walk's length is even, so the blank's row plus column keeps the parity it started with.
        const int blank = blankCell(board->tiles(), size);
        EXPECT_EQ(blank, board->blankCell());
        EXPECT_EQ((blank / size.side + blank % size.side) % 2, 0) << "seed " << seed;
    }
}

TEST_P(EveryBoardSize, EveryBlockIsOneExchangeOfTheBlankFromTheLast)
{
    const BoardSize& size = *GetParam();
    SeededRandom random;
    random.seed(5);
    std::vector<std::vector<int>> blocks;
    const auto board = shuffle(size, random, [&](int block, const Arrangement& arrangement) {
        EXPECT_EQ(block, static_cast<int>(blocks.size()));
        blocks.push_back(arrangement.tiles());
        return true;
    });
    ASSERT_EQ(static_cast<int>(blocks.size()), size.shuffleSteps + 1);
    EXPECT_EQ(blocks.front(), Arrangement::solved(size.side).tiles());
    EXPECT_EQ(blocks.back(), board->tiles());
    for (std::size_t b = 1; b < blocks.size(); ++b) {
        const int from = blankCell(blocks[b - 1], size);
        const int to = blankCell(blocks[b], size);
        const Neighbours& row = size.shuffleNeighbours[from];
        EXPECT_TRUE(std::find(row.cell.begin(), row.cell.begin() + row.count, to) != row.cell.begin() + row.count);
        std::vector<int> undone = blocks[b];
        std::swap(undone[from], undone[to]);
        EXPECT_EQ(undone, blocks[b - 1]) << "block " << b;
    }
}

TEST(Shuffle, DrawsOncePerPassAndPicksByRoundingDown)
{
    // From cell 8 the 3x3 table offers 5 then 7; from 7 it offers 6, 8, 4.
    test::ScriptedRandom random({0.9999, 0.34, 0.0});
    std::vector<int> blanks;
    shuffle(board3x3, random, [&](int, const Arrangement& arrangement) {
        blanks.push_back(arrangement.blankCell());
        return true;
    });
    EXPECT_EQ(random.draws, board3x3.shuffleSteps + 1);
    // 0.9999 x 2 -> 1: cell 7; 0.34 x 3 -> 1: cell 8; 0.0 x 2 -> 0: cell 5.
    ASSERT_GE(blanks.size(), 4u);
    EXPECT_EQ(blanks[0], 8);
    EXPECT_EQ(blanks[1], 7);
    EXPECT_EQ(blanks[2], 8);
    EXPECT_EQ(blanks[3], 5);
}

TEST(Shuffle, StopsWhenABlockCannotBeRecorded)
{
    SeededRandom random;
    int recorded = 0;
    EXPECT_FALSE(shuffle(board4x4, random, [&](int block, const Arrangement&) {
        ++recorded;
        return block < 10;
    }));
    EXPECT_EQ(recorded, 11);
}

} // namespace
} // namespace pintu
