#include "board/MoveLog.h"
#include "fuzz/InputBytes.h"
#include "fuzz/LogDamage.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace pintu::fuzz {
namespace {

// board3x3's, as a constant: the rows below spell their offsets in its bytes.
constexpr int recordLength = 4;
constexpr int blockLength = 9 * recordLength;

// Three blocks of the 3x3 board, the solved order with block 1 marked apart.
std::string threeBlocks()
{
    std::string log;
    for (int record = 0; record < 27; ++record)
        log += encodeRecord(record % 9, recordLength);
    log[blockLength + 3] = '1'; // block 1 differs from block 0 in its first record
    return log;
}

struct DamageRow {
    const char* name;
    std::vector<std::uint8_t> input;
    std::function<void(std::string&)> expected;
};

void PrintTo(const DamageRow& row, std::ostream* out)
{
    *out << row.name;
}

class DamageLog : public ::testing::TestWithParam<DamageRow> {};

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamageLog,
    ::testing::Values(
        DamageRow{"OverwritesBytes", {5, 0, 0x02, 'a', 'b', 'c'}, [](std::string& log) { log.replace(5, 3, "abc"); }},
        DamageRow{"GrowsTheFilePastItsEnd", {106, 0, 0x03, 'w', 'x', 'y', 'z'},
                  [](std::string& log) { log.replace(106, 2, "wxyz"); }},
        DamageRow{"SwapsTwoWholeRecords", {5, 0, 0x40, 3, 0},
                  [](std::string& log) {
                      const std::string first = log.substr(4, 4);
                      log.replace(4, 4, log.substr(12, 4));
                      log.replace(12, 4, first);
                  }},
        DamageRow{"CopiesABlockOverAnother", {blockLength * 2 + 7, 0, 0x80, 1, 0},
                  [](std::string& log) { log.replace(2 * blockLength, blockLength, log.substr(blockLength, blockLength)); }},
        DamageRow{"CutsTheFile", {10, 0, 0xC0}, [](std::string& log) { log.resize(10); }},
        DamageRow{"TakesOffsetsModuloTheSizeAndOne", {109, 0, 0xC0}, [](std::string& log) { log.resize(0); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(DamageLog, ChangesTheBytesAsTheInputSpellsIt)
{
    ASSERT_EQ(board3x3.recordLength, recordLength);
    std::string log = threeBlocks();
    ASSERT_EQ(log.size(), 108u);
    std::string expected = log;
    GetParam().expected(expected);
    InputBytes input(GetParam().input);
    damageLog(log, board3x3, input);
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(input.empty());
}

TEST(DamageLog, LeavesAnEmptyLogEmptyWhereNoRecordOrBlockIsLeft)
{
    for (const std::uint8_t kind : {0x40, 0x80, 0xC0}) {
        std::string log;
        const std::vector<std::uint8_t> bytes{0, 0, kind, 0, 0};
        InputBytes input(bytes);
        damageLog(log, board3x3, input);
        EXPECT_EQ(log, "") << int{kind};
    }
}

} // namespace
} // namespace pintu::fuzz
