#include "tests/fakes/BoardHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pintu::test {
namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (const int value : values)
        result += static_cast<char>(value);
    return result;
}

TEST(MoveLogRecord, HoldsALittleEndianCountThenTheTextInItsSlot)
{
    EXPECT_EQ(encodeRecord(8, 4), bytes({2, 0, ' ', '8'}));
    EXPECT_EQ(encodeRecord(15, 6).substr(0, 5), bytes({3, 0, ' ', '1', '5'}));
    EXPECT_EQ(encodeRecord(15, 6).size(), 6u);
    EXPECT_EQ(encodeRecord(0, 6).substr(0, 4), bytes({2, 0, ' ', '0'}));

    EXPECT_EQ(decodeRecord(bytes({3, 0, ' ', '2', '4', 'x'}), board5x5), 24);
    EXPECT_EQ(decodeRecord(bytes({2, 0, ' ', '7', 0, 0}), board4x4), 7);
}

TEST(MoveLogRecord, RejectsWhatTheGameNeverWrites)
{
    EXPECT_EQ(decodeRecord(bytes({3, 0, ' ', '2', '5', 0}), board5x5), std::nullopt);  // no such tile
    EXPECT_EQ(decodeRecord(bytes({2, 0, ' ', '9'}), board3x3), std::nullopt);           // tile 9 on 3x3
    EXPECT_EQ(decodeRecord(bytes({2, 0, 'x', '1'}), board3x3), std::nullopt);
    EXPECT_EQ(decodeRecord(bytes({2, 0, ' ', '-'}), board3x3), std::nullopt);
    EXPECT_EQ(decodeRecord(bytes({5, 0, ' ', '1'}), board3x3), std::nullopt);           // longer than its slot
    EXPECT_EQ(decodeRecord(bytes({0, 1, ' ', '1'}), board3x3), std::nullopt);
    EXPECT_EQ(decodeRecord(bytes({1, 0, ' ', '1'}), board3x3), std::nullopt);
}

class MoveLogOfEachSize : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, MoveLogOfEachSize, ::testing::Values(&board3x3, &board4x4, &board5x5),
                         [](const auto& info) { return "N" + std::to_string(info.param->side); });

TEST_P(MoveLogOfEachSize, StartWritesEveryArrangementOfTheWalk)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size);
    game.board.start();

    const std::string& log = game.files.contents.at(testDataFiles.moveLog);
    const std::map<int, std::size_t> expectedLength{{3, 3636}, {4, 14496}, {5, 30150}};
    EXPECT_EQ(log.size(), expectedLength.at(size.side));

    EXPECT_EQ(game.loggedBlock(0), Arrangement::solved(size.side).tiles());
    const Tiles start = game.playedTiles();
    EXPECT_EQ(game.loggedBlock(size.shuffleSteps), start);
    EXPECT_EQ(game.shownTiles(), start);

    for (int b = 1; b <= size.shuffleSteps; ++b) {
        const Tiles before = game.loggedBlock(b - 1);
        const Tiles after = game.loggedBlock(b);
        int differing = 0;
        for (int c = 0; c < size.cells; ++c)
            differing += before[c] != after[c];
        ASSERT_EQ(differing, 2) << "block " << b;
        const int from = SmallBoardHarness::blankCell(before, size);
        const int to = SmallBoardHarness::blankCell(after, size);
        const Neighbours& row = size.shuffleNeighbours[from];
        ASSERT_NE(std::find(row.cell.begin(), row.cell.begin() + row.count, to), row.cell.begin() + row.count)
            << "block " << b;
    }
}

TEST_P(MoveLogOfEachSize, ALongerLeftOverLogKeepsWhatLiesBeyondTheNewBlocks)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size);
    const std::string leftOver(40000, 'z');
    game.files.contents[testDataFiles.moveLog] = leftOver;
    game.board.start();

    const std::string& log = game.files.contents.at(testDataFiles.moveLog);
    const std::size_t written = static_cast<std::size_t>(size.shuffleSteps + 1) * size.cells * size.recordLength;
    ASSERT_EQ(log.size(), leftOver.size());
    EXPECT_EQ(log.substr(written), leftOver.substr(written));
    EXPECT_NE(log.substr(0, written), leftOver.substr(0, written));
    EXPECT_EQ(game.loggedBlock(0)[0], 0);
}

TEST(MoveLogReading, ADamagedBlockReadsAsNothing)
{
    FakeFiles files;
    MoveLog log(board3x3);
    ASSERT_TRUE(log.open(files, "log"));
    const Arrangement block = Arrangement::solved(board3x3.side);
    ASSERT_TRUE(log.writeBlock(0, block));
    ASSERT_TRUE(log.writeBlock(1, block));
    ASSERT_TRUE(log.writeBlock(2, block));
    EXPECT_TRUE(log.readBlock(2).has_value());

    std::string& bytesOnDisk = files.contents["log"];
    bytesOnDisk.replace(4 * 9 + 3 * 4, 4, encodeRecord(1, 4)); // block 1 holds tile 1 twice
    EXPECT_FALSE(log.readBlock(1).has_value());
    EXPECT_TRUE(log.readBlock(0).has_value());

    bytesOnDisk.resize(2 * 36 + 10); // cut short inside block 2
    EXPECT_FALSE(log.readBlock(2).has_value());
    EXPECT_FALSE(log.readBlock(3).has_value());

    log.close();
    EXPECT_FALSE(log.readBlock(0).has_value());
}

} // namespace
} // namespace pintu::test
