#include "solver/cli/ArrangementLine.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace pintu::solver::cli {
namespace {

TEST(ArrangementLine, ReadsNumbersBetweenAnySpaces)
{
    const auto read = readArrangement("  3\t1 2   0\r");
    ASSERT_TRUE(std::holds_alternative<std::vector<int>>(read));
    EXPECT_EQ(std::get<std::vector<int>>(read), (std::vector<int>{3, 1, 2, 0}));
}

TEST(ArrangementLine, EmptyOrWhiteLinesAreBlank)
{
    for (const char* line : {"", "   ", "\t\r"})
        EXPECT_TRUE(std::holds_alternative<BlankLine>(readArrangement(line))) << '"' << line << '"';
}

TEST(ArrangementLine, QuotesTheFirstWordThatIsNoNumber)
{
    for (const auto& [line, word] : std::vector<std::pair<std::string, std::string>>{
             {"0 1 x 3", "x"}, {"0 1 2 3.0", "3.0"}, {"0,1,2,3", "0,1,2,3"}, {"+1 0 2 3", "+1"}, {"1 2 3 0a", "0a"}}) {
        const auto read = readArrangement(line);
        ASSERT_TRUE(std::holds_alternative<NotNumbers>(read)) << line;
        EXPECT_EQ(std::get<NotNumbers>(read).word, word);
    }
}

TEST(ArrangementLine, NumbersTooLargeForATileStayTooLarge)
{
    const auto read = readArrangement("0 99999999999 -2");
    ASSERT_TRUE(std::holds_alternative<std::vector<int>>(read));
    EXPECT_EQ(std::get<std::vector<int>>(read), (std::vector<int>{0, std::numeric_limits<int>::max(), -2}));
}

} // namespace
} // namespace pintu::solver::cli
