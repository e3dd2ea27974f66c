#include "genius/HallOfFame.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace pintu {
namespace {

TEST(HallOfFameRecord, IsTheQuotedNameStepsSecondsAndDate)
{
    EXPECT_EQ(hallOfFameRecord("玩家", 1234, 4567, "05-09-2001"),
              "\"玩家    步数: 1234    时间: 456.7 秒    05-09-2001\"\r\n");
    EXPECT_EQ(hallOfFameRecord("say \"hi\"", 57, 600, "12-31-2026"),
              "\"say \"hi\"    步数: 57    时间: 60 秒    12-31-2026\"\r\n");
    EXPECT_EQ(hallOfFameRecord("   ", 3, 1, "01-02-2027"), "\"       步数: 3    时间: .1 秒    01-02-2027\"\r\n");
}

LastLines linesOf(std::vector<TextLine> lines, std::int64_t earlier = 0)
{
    return {std::move(lines), earlier};
}

// The window passes the marks in the player's language.
std::string viewerText(const LastLines& tail)
{
    return newestFirst(tail, {"[cut]", [](std::int64_t earlier) { return std::to_string(earlier) + " more"; }});
}

TEST(HallOfFameViewerText, ListsTheNewestLineFirst)
{
    EXPECT_EQ(viewerText(linesOf({{"A"}, {"B"}, {"C"}})), "C\r\nB\r\nA\r\n");
    EXPECT_EQ(viewerText(linesOf({{"A"}, {""}, {"C"}})), "C\r\n\r\nA\r\n");
    EXPECT_EQ(viewerText(linesOf({{""}})), "\r\n");
    EXPECT_EQ(viewerText(linesOf({})), "");
}

TEST(HallOfFameViewerText, KeepsEachLineExactly)
{
    const std::string record = hallOfFameRecord("名字 \"x\"", 99, 123, "05-09-2001");
    const std::string line = record.substr(0, record.size() - 2);
    EXPECT_EQ(viewerText(linesOf({{line}, {line}})), record + record);
}

TEST(HallOfFameViewerText, MarksWhatItLeavesOut)
{
    EXPECT_EQ(viewerText(linesOf({{"A"}, {"B", true}})), "B[cut]\r\nA\r\n");
    EXPECT_EQ(viewerText(linesOf({{"A"}, {"B", true}}, 12345)), "B[cut]\r\nA\r\n12345 more\r\n");
}

} // namespace
} // namespace pintu
