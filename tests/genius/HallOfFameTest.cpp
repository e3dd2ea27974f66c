#include "HallOfFame.h"

#include <gtest/gtest.h>

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

TEST(HallOfFameViewerText, ListsTheNewestLineFirst)
{
    EXPECT_EQ(newestFirst("A\r\nB\r\nC\r\n"), "C\r\nB\r\nA\r\n");
    EXPECT_EQ(newestFirst("A\r\nB\r\nC"), "C\r\nB\r\nA\r\n");
    EXPECT_EQ(newestFirst("A\r\n\r\nC\r\n"), "C\r\n\r\nA\r\n");
    EXPECT_EQ(newestFirst("\r\n"), "\r\n");
    EXPECT_EQ(newestFirst(""), "");
    EXPECT_EQ(newestFirst("A\nB\n"), "B\r\nA\r\n");
    EXPECT_EQ(newestFirst("A\rB"), "B\r\nA\r\n");
}

TEST(HallOfFameViewerText, KeepsEachLineExactly)
{
    const std::string record = hallOfFameRecord("名字 \"x\"", 99, 123, "05-09-2001");
    EXPECT_EQ(newestFirst(record + record), record + record);
}

} // namespace
} // namespace pintu
