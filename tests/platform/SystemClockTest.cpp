#include "platform/SystemClock.h"

#include <QDate>

#include <gtest/gtest.h>

namespace pintu {
namespace {

// The date a hall-of-fame record takes: today's, month before day.
TEST(SystemClock, DatesTodayMonthBeforeDay)
{
    const std::string today = QDate::currentDate().toString("MM-dd-yyyy").toStdString();
    const std::string date = SystemClock().date();
    EXPECT_TRUE(date == today || date == QDate::currentDate().toString("MM-dd-yyyy").toStdString()) << date;

    struct Day {
        int year, month, day;
        std::string written;
    };
    for (const Day& row : {Day{2001, 5, 9, "05-09-2001"}, Day{2026, 12, 31, "12-31-2026"}, Day{2027, 1, 2, "01-02-2027"}}) {
        // Noon there, which no time zone moves to another day.
        std::tm noon{};
        noon.tm_year = row.year - 1900;
        noon.tm_mon = row.month - 1;
        noon.tm_mday = row.day;
        noon.tm_hour = 12;
        noon.tm_isdst = -1;
        EXPECT_EQ(localDate(std::mktime(&noon)), row.written);
    }
}

} // namespace
} // namespace pintu
