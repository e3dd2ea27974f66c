#include "solver/cli/CommandLine.h"
#include "solver/cli/SolveLines.h"

#include <gtest/gtest.h>

#include <vector>

namespace pintu::solver::cli {
namespace {

using namespace std::chrono_literals;

std::variant<Options, UsageError> parse(std::vector<std::string_view> arguments, const char* xdg = nullptr,
                                        const char* home = "/home/player")
{
    return parseCommandLine(arguments, xdg, home);
}

struct GoodRow {
    std::string name;
    std::vector<std::string_view> arguments;
    bool stats;
    std::chrono::milliseconds budget;
    std::filesystem::path tables;
};

class GoodCommandLine : public ::testing::TestWithParam<GoodRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, GoodCommandLine,
    ::testing::Values(GoodRow{"Nothing", {}, false, 2000ms, "/home/player/.local/share/pintu"},
                      GoodRow{"Stats", {"--stats"}, true, 2000ms, "/home/player/.local/share/pintu"},
                      GoodRow{"Budget", {"--budget", "0.25"}, false, 250ms, "/home/player/.local/share/pintu"},
                      GoodRow{"BudgetJoined", {"--budget=5"}, false, 5000ms, "/home/player/.local/share/pintu"},
                      GoodRow{"NoBudget", {"--budget", "0"}, false, 0ms, "/home/player/.local/share/pintu"},
                      GoodRow{"Tables", {"--tables", "/tmp/t", "--stats"}, true, 2000ms, "/tmp/t"},
                      GoodRow{"TablesJoined", {"--tables=t"}, false, 2000ms, "t"}),
    [](const auto& info) { return info.param.name; });

TEST_P(GoodCommandLine, GivesTheOptions)
{
    const GoodRow& row = GetParam();
    const auto parsed = parse(row.arguments);
    ASSERT_TRUE(std::holds_alternative<Options>(parsed));
    const Options& options = std::get<Options>(parsed);
    EXPECT_EQ(options.stats, row.stats);
    EXPECT_FALSE(options.help);
    EXPECT_EQ(options.budget, row.budget);
    EXPECT_EQ(options.tables, row.tables);
}

TEST(CommandLine, RefusesWhatItDoesNotKnow)
{
    for (const std::vector<std::string_view>& arguments :
         std::vector<std::vector<std::string_view>>{{"--budget"},
                                                    {"--budget", "soon"},
                                                    {"--budget", "-1"},
                                                    {"--budget", "1e9"},
                                                    {"--budget", "inf"},
                                                    {"--budget="},
                                                    {"--tables"},
                                                    {"--tables="},
                                                    {"--stats=yes"},
                                                    {"--verbose"},
                                                    {"puzzle.txt"}}) {
        const auto parsed = parse(arguments);
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << arguments.front();
        EXPECT_FALSE(std::get<UsageError>(parsed).message.empty());
    }
}

TEST(CommandLine, KeepsTablesWhereTheGameKeepsItsFiles)
{
    EXPECT_EQ(std::get<Options>(parse({}, "/data", "/home/player")).tables, "/data/pintu");
    EXPECT_EQ(std::get<Options>(parse({}, "", "/home/player")).tables, "/home/player/.local/share/pintu");
    EXPECT_EQ(std::get<Options>(parse({}, nullptr, nullptr)).tables, std::nullopt);
}

TEST(CommandLine, HelpIsAnOption)
{
    EXPECT_TRUE(std::get<Options>(parse({"--help"})).help);
    EXPECT_NE(usageText().find("--budget SECONDS"), std::string_view::npos);
    const std::string largest = std::to_string(largestSide);
    EXPECT_NE(usageText().find(largest + "x" + largest), std::string_view::npos);
}

} // namespace
} // namespace pintu::solver::cli
