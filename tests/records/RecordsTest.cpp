#include "records/Records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pintu {
namespace {

Win won(int side, int steps, long long tenths, std::optional<int> shortest = std::nullopt)
{
    return {"12-07-2026", side, steps, tenths, shortest};
}

std::string sizeLine(const std::vector<Win>& wins)
{
    Records records;
    for (const Win& win : wins)
        addWin(records, win);
    const std::string text = recordsText(records);
    return text.substr(0, text.find('\n'));
}

struct SizeRow {
    const char* name;
    std::vector<Win> wins;
    std::string line;
};

const SizeRow sizeRows[] = {
    {"FirstWin", {won(3, 31, 425, 22)}, "3x3 wins 1 fewest-steps 31 best-seconds 42.5 shortest 22"},
    {"FasterWinInMoreSteps", {won(3, 31, 425, 22), won(3, 40, 300)},
     "3x3 wins 2 fewest-steps 31 best-seconds 30 shortest 22"},
    {"FewerStepsWhoseShortestIsUnknown", {won(3, 31, 425, 22), won(3, 29, 500)},
     "3x3 wins 2 fewest-steps 29 best-seconds 42.5"},
    {"AsFewStepsFromAFartherStart", {won(3, 31, 425, 22), won(3, 31, 600, 25)},
     "3x3 wins 2 fewest-steps 31 best-seconds 42.5 shortest 25"},
    {"OtherSizesKeepTheirOwn", {won(10, 5000, 36000), won(4, 80, 1200, 50)},
     "4x4 wins 1 fewest-steps 80 best-seconds 120 shortest 50"},
};

void PrintTo(const SizeRow& row, std::ostream* out)
{
    *out << row.name;
}

class AWin : public ::testing::TestWithParam<SizeRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, AWin, ::testing::ValuesIn(sizeRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(AWin, UpdatesItsBoardSizesLine)
{
    EXPECT_EQ(sizeLine(GetParam().wins), GetParam().line);
}

TEST(Records, AreLinesOfSizesThenWinsNewestLastThatReadBack)
{
    Records records;
    addWin(records, won(4, 80, 1200, 50));
    addWin(records, won(3, 31, 425, 22));
    addWin(records, {"12-08-2026", 3, 40, 5});
    const std::string text = recordsText(records);
    EXPECT_EQ(text, "3x3 wins 2 fewest-steps 31 best-seconds 0.5 shortest 22\n"
                    "4x4 wins 1 fewest-steps 80 best-seconds 120 shortest 50\n"
                    "win 12-07-2026 4x4 steps 80 seconds 120 shortest 50\n"
                    "win 12-07-2026 3x3 steps 31 seconds 42.5 shortest 22\n"
                    "win 12-08-2026 3x3 steps 40 seconds 0.5\n");
    EXPECT_EQ(readRecords(text), records);
    // As an editor may have saved them.
    std::string crLf;
    for (const char c : text)
        crLf += c == '\n' ? "\r\n" : std::string(1, c);
    EXPECT_EQ(readRecords(crLf), records);
}

TEST(Records, KeepTheLatestWinsAndCountEveryOne)
{
    Records records;
    for (std::size_t k = 0; k <= keptWins; ++k)
        addWin(records, won(5, 100 + static_cast<int>(k), 600));
    ASSERT_EQ(records.wins.size(), keptWins);
    EXPECT_EQ(records.wins.front().steps, 101);
    EXPECT_EQ(records.sizes.front().wins, static_cast<long long>(keptWins) + 1);
    EXPECT_EQ(records.sizes.front().fewestSteps, 100);
    EXPECT_EQ(readRecords(recordsText(records)), records);
}

TEST(Records, AWinLearnsItsShortestWayLaterAndTheClosestIsFound)
{
    Records records;
    addWin(records, won(3, 31, 425, 22));
    const Win late = won(3, 40, 300);
    addWin(records, late);
    EXPECT_EQ(closestToShortest(records, 3), (Closest{31, 22}));
    ASSERT_TRUE(addShortest(records, late, 38));
    EXPECT_EQ(records.wins.back().shortest, 38);
    EXPECT_EQ(closestToShortest(records, 3), (Closest{40, 38}));
    EXPECT_EQ(closestToShortest(records, 4), std::nullopt);
    EXPECT_FALSE(addShortest(records, won(3, 41, 300), 38));
}

struct DamagedRow {
    const char* name;
    std::string text;
};

const std::string sizeText = "3x3 wins 1 fewest-steps 31 best-seconds 42.5\n";
const DamagedRow damagedRows[] = {
    {"Garbage", "hello\n"},
    {"LastLineEndCut", "3x3 wins 1 fewest-steps 31 best-seconds 42.5"},
    {"UnknownBoard", "6x6 wins 1 fewest-steps 31 best-seconds 42.5\n"},
    {"NoWins", "3x3 wins 0 fewest-steps 31 best-seconds 42.5\n"},
    {"SizesOutOfOrder", "4x4 wins 1 fewest-steps 80 best-seconds 120\n" + sizeText},
    {"SecondsWithTrailingZero", "3x3 wins 1 fewest-steps 31 best-seconds 42.0\n"},
    {"ShortestWithoutNumber", "3x3 wins 1 fewest-steps 31 best-seconds 42.5 shortest\n"},
    {"WinOfAnUnrecordedSize", sizeText + "win 12-07-2026 4x4 steps 80 seconds 120\n"},
    {"WinBadlyDated", sizeText + "win 2026-12-07 3x3 steps 31 seconds 42.5\n"},
    {"SizeLineAfterAWin", sizeText + "win 12-07-2026 3x3 steps 31 seconds 42.5\n" + sizeText},
    {"MoreWinsThanCounted",
     sizeText + "win 12-07-2026 3x3 steps 31 seconds 42.5\nwin 12-07-2026 3x3 steps 31 seconds 42.5\n"},
    {"WinBetterThanTheBest", sizeText + "win 12-07-2026 3x3 steps 30 seconds 42.5\n"},
};

void PrintTo(const DamagedRow& row, std::ostream* out)
{
    *out << row.name;
}

class DamagedRecords : public ::testing::TestWithParam<DamagedRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, DamagedRecords, ::testing::ValuesIn(damagedRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(DamagedRecords, AreNotRead)
{
    EXPECT_EQ(readRecords(GetParam().text), std::nullopt);
}

} // namespace
} // namespace pintu
