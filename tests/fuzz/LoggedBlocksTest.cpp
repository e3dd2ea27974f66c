#include "fuzz/InputSeededRandom.h"
#include "fuzz/LoggedBlocks.h"
#include "tests/fakes/BoardHarness.h"

#include <gtest/gtest.h>

namespace pintu::fuzz {
namespace {

using test::SmallBoardHarness;

class LoggedBlocksOfEachSize : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, LoggedBlocksOfEachSize, ::testing::Values(&board3x3, &board4x4, &board5x5),
                         [](const auto& info) { return "N" + std::to_string(info.param->side); });

// The fuzzers hold the replay against this reading, so it must read every
// block the game writes as the game does.
TEST_P(LoggedBlocksOfEachSize, ReadEveryBlockAStartWritesAsTheGameDoes)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, std::make_unique<InputSeededRandom>(3));
    game.board.start();
    const std::string& log = game.files.contents.at(test::testDataFiles.moveLog);
    for (int block = 0; block <= size.shuffleSteps; ++block)
        ASSERT_EQ(loggedBlock(log, size, block), game.loggedBlock(block)) << "block " << block;
    EXPECT_EQ(loggedBlock(log, size, size.shuffleSteps + 1), std::nullopt);
    EXPECT_EQ(loggedBlock(log.substr(0, log.size() - 1), size, size.shuffleSteps), std::nullopt);
}

std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (const int value : values)
        result += static_cast<char>(value);
    return result;
}

struct DamagedRecord {
    const char* what;
    std::string record; // put in place of the first record
};

class LoggedBlocksRefuse : public ::testing::TestWithParam<DamagedRecord> {};

INSTANTIATE_TEST_SUITE_P(
    Records, LoggedBlocksRefuse,
    ::testing::Values(DamagedRecord{"a tile twice", encodeRecord(1, 4)},
                      DamagedRecord{"no such tile", bytes({2, 0, ' ', '9'})},
                      DamagedRecord{"no space first", bytes({2, 0, '0', '0'})},
                      DamagedRecord{"no digit", bytes({2, 0, ' ', '-'})},
                      DamagedRecord{"only the space", bytes({1, 0, ' ', '0'})},
                      DamagedRecord{"longer than the record", bytes({3, 0, ' ', '0'})},
                      DamagedRecord{"a count past 255", bytes({2, 1, ' ', '0'})}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_P(LoggedBlocksRefuse, ARecordTheGameNeverWrites)
{
    std::string log;
    for (int tile = 0; tile < 9; ++tile)
        log += encodeRecord(tile, board3x3.recordLength);
    ASSERT_TRUE(loggedBlock(log, board3x3, 0).has_value());
    log.replace(0, board3x3.recordLength, GetParam().record);
    EXPECT_EQ(loggedBlock(log, board3x3, 0), std::nullopt);
}

} // namespace
} // namespace pintu::fuzz
