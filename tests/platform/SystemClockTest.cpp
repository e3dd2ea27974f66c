#include "platform/SystemClock.h"

#include <QDate>

#include <gtest/gtest.h>

namespace pintu {
namespace {

struct DateRow {
    const char* name;
    int year;
    int month;
    int day;
    std::string written;
};

void PrintTo(const DateRow& row, std::ostream* out)
{
    *out << row.written;
}

class DayOfAMoment : public ::testing::TestWithParam<DateRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, DayOfAMoment,
                         ::testing::Values(DateRow{"MonthBeforeDay", 2001, 5, 9, "05-09-2001"},
                                           DateRow{"LastDayOfTheYear", 2026, 12, 31, "12-31-2026"},
                                           DateRow{"FirstMonth", 2027, 1, 2, "01-02-2027"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Noon there, so that no time zone moves the day.
TEST_P(DayOfAMoment, IsWrittenMonthDayYear)
{
    std::tm noon{};
    noon.tm_year = GetParam().year - 1900;
    noon.tm_mon = GetParam().month - 1;
    noon.tm_mday = GetParam().day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    EXPECT_EQ(localDate(std::mktime(&noon)), GetParam().written);
}

// The date a hall-of-fame record takes.
TEST(SystemClock, DatesToday)
{
    const QString before = QDate::currentDate().toString("MM-dd-yyyy");
    const std::string date = SystemClock().date();
    // Midnight may fall between the two readings.
    EXPECT_TRUE(date == before.toStdString() || date == QDate::currentDate().toString("MM-dd-yyyy").toStdString())
        << date;
}

} // namespace
} // namespace pintu
