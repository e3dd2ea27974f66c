#include "ScriptedRandom.h"
#include "SeededRandom.h"
#include "Shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace pintu {
namespace {

class EveryBoardSize : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, EveryBoardSize, ::testing::Values(&board3x3, &board4x4, &board5x5, &board10x10),
                         [](const auto& info) { return "N" + std::to_string(info.param->N); });

int blankCell(const Arrangement& board, const BoardSize& size)
{
    return static_cast<int>(std::find(board.begin(), board.begin() + size.T, size.T - 1) - board.begin());
}

TEST_P(EveryBoardSize, PickTableListsEachNeighbourOnce)
{
    const BoardSize& size = *GetParam();
    ASSERT_EQ(static_cast<int>(size.pick.size()), size.T);
    for (int c = 0; c < size.T; ++c) {
        std::set<int> expected;
        if (c % size.N != 0) expected.insert(c - 1);
        if (c % size.N != size.N - 1) expected.insert(c + 1);
        if (c / size.N != 0) expected.insert(c - size.N);
        if (c / size.N != size.N - 1) expected.insert(c + size.N);
        const Neighbours& row = size.pick[c];
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
        Arrangement board;
        Arrangement workBoard;
        ASSERT_TRUE(shuffle(size, random, board, workBoard, nullptr));
        Arrangement tiles(board.begin(), board.begin() + size.T);
        std::sort(tiles.begin(), tiles.end());
        for (int t = 0; t < size.T; ++t)
            ASSERT_EQ(tiles[t], t);
        // J is even, so after J moves the blank's row plus column has the parity it started with.
        const int blank = blankCell(board, size);
        EXPECT_EQ((blank / size.N + blank % size.N) % 2, 0) << "seed " << seed;
        EXPECT_EQ(static_cast<int>(board.size()), size.M + 1);
    }
}

TEST_P(EveryBoardSize, EveryBlockIsOneExchangeOfTheBlankFromTheLast)
{
    const BoardSize& size = *GetParam();
    SeededRandom random;
    random.seed(5);
    std::vector<Arrangement> blocks;
    Arrangement board;
    Arrangement workBoard;
    shuffle(size, random, board, workBoard, [&](int block, const Arrangement& arrangement) {
        EXPECT_EQ(block, static_cast<int>(blocks.size()));
        blocks.push_back(arrangement);
        return true;
    });
    ASSERT_EQ(static_cast<int>(blocks.size()), size.J + 1);
    EXPECT_EQ(blocks.front(), solvedArrangement(size));
    EXPECT_EQ(blocks.back(), board);
    blocks.push_back(workBoard); // the exchange that is never shown
    for (std::size_t b = 1; b < blocks.size(); ++b) {
        const int from = blankCell(blocks[b - 1], size);
        const int to = blankCell(blocks[b], size);
        const Neighbours& row = size.pick[from];
        EXPECT_TRUE(std::find(row.cell.begin(), row.cell.begin() + row.count, to) != row.cell.begin() + row.count);
        Arrangement undone = blocks[b];
        std::swap(undone[from], undone[to]);
        EXPECT_EQ(undone, blocks[b - 1]) << "block " << b;
    }
}

TEST(Shuffle, DrawsOncePerPassAndPicksByRoundingDown)
{
    // From cell 8 the 3x3 table offers 5 then 7; from 7 it offers 6, 8, 4.
    test::ScriptedRandom random({0.9999, 0.34, 0.0});
    Arrangement board;
    Arrangement workBoard;
    std::vector<int> blanks;
    shuffle(board3x3, random, board, workBoard, [&](int, const Arrangement& arrangement) {
        blanks.push_back(blankCell(arrangement, board3x3));
        return true;
    });
    EXPECT_EQ(random.draws, board3x3.J + 1);
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
    Arrangement board;
    Arrangement workBoard;
    int recorded = 0;
    EXPECT_FALSE(shuffle(board4x4, random, board, workBoard, [&](int block, const Arrangement&) {
        ++recorded;
        return block < 10;
    }));
    EXPECT_EQ(recorded, 11);
}

} // namespace
} // namespace pintu
