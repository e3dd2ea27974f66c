#include "SolveLines.h"

#include "SharedTables.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

namespace pintu::solver::cli {
namespace {

struct Transcript {
    ExitStatus status;
    std::string out;
    std::string errors;
};

Transcript solve(const std::string& input, bool stats = false,
                 const std::filesystem::path& tables = test::sharedTableFolder())
{
    Options options;
    options.stats = stats;
    options.tables = tables;
    Solver solver({options.tables, options.budget});
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream errors;
    const ExitStatus status = solveLines(in, out, errors, solver, options);
    return {status, out.str(), errors.str()};
}

TEST(SolveLines, AnswersEachArrangementOnItsOwnLine)
{
    const Transcript run = solve("1 2 3 0\n"
                          "\n"
                          "0 1 2 3 4 5 6 8 7\n"
                          "0 1 2 3 4 5 6 7 8 9 10 11 12 13 15 14\n"
                          "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\n");
    EXPECT_EQ(run.status, ExitStatus::AllAnswered);
    EXPECT_EQ(run.out, "5 optimal 0 2 1 0 2\n"
                       "1 optimal 7\n"
                       "1 optimal 14\n"
                       "0 optimal\n");
    EXPECT_EQ(run.errors, "");
}

TEST(SolveLines, ReportsBadLinesByNumberAndAnswersTheRest)
{
    const Transcript run = solve("0 1 2\n"
                          "1 0 2 3 4 5 6 7 8\n"
                          "0 1 2 3 x 5 6 7 8\n"
                          "0 1 2 3 4 5 6 8 7\n"
                          "0 1 1 3\n");
    EXPECT_EQ(run.status, ExitStatus::LineRefused);
    EXPECT_EQ(run.out, "1 optimal 7\n");
    std::istringstream errors(run.errors);
    std::vector<std::string> lines;
    for (std::string line; std::getline(errors, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "pintu-solve: line 1: " + std::string(describe(Flaw::NotSquare)));
    EXPECT_EQ(lines[1], "pintu-solve: line 2: " + std::string(describe(Flaw::Unsolvable)));
    EXPECT_EQ(lines[2], "pintu-solve: line 3: \"x\" is not a number");
    EXPECT_EQ(lines[3], "pintu-solve: line 5: " + std::string(describe(Flaw::NotPermutation)));
}

TEST(SolveLines, StatsGoToTheErrorStream)
{
    const Transcript run = solve("0 1 2 3 4 5 6 8 7\n", true);
    EXPECT_EQ(run.out, "1 optimal 7\n");
    EXPECT_TRUE(run.errors.starts_with("line 1: 2 nodes, ")) << run.errors;
    EXPECT_TRUE(run.errors.ends_with(" ms\n")) << run.errors;
}

TEST(SolveLines, StatsTellHowLongBuildingTheTablesTook)
{
    const test::TempFolder folder;
    test::copySharedTables(folder.path());
    std::filesystem::remove(folder.path() / PatternStore::fileName(4, {3, 7, 11}));
    const Transcript run = solve("0 1 2 3 4 5 6 7 8 9 10 11 12 13 15 14\n", true, folder.path());
    EXPECT_EQ(run.out, "1 optimal 14\n");
    EXPECT_TRUE(std::regex_search(run.errors, std::regex("\ntables for 4x4 boards: built in [0-9]+\\.[0-9]{3} s\nline 1: ")))
        << run.errors;
}

// The built program, run as a user would.
class PintuSolveProgram : public ::testing::Test {
protected:
    int run(const std::string& arguments, const std::string& input)
    {
        std::ofstream(folder.path() / "in") << input;
        const std::string command = std::string(PINTU_SOLVE_PROGRAM) + " " + arguments + " <" + path("in") + " >"
                                  + path("out") + " 2>" + path("errors");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string read(const char* name) const
    {
        std::ifstream in(folder.path() / name);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::string path(const char* name) const { return "'" + (folder.path() / name).string() + "'"; }

    test::TempFolder folder;
};

TEST_F(PintuSolveProgram, ExitsZeroWhenEveryLineIsAnswered)
{
    const std::string tables = "--tables '" + test::sharedTableFolder().string() + "'";
    EXPECT_EQ(run(tables, "0 1 2 3 4 5 6 7 8 9 10 11 12 13 15 14\n0 1 2 3 4 8 6 7 5\n"), 0);
    EXPECT_EQ(read("out"), "1 optimal 14\n1 optimal 5\n");
    EXPECT_EQ(read("errors"), "");
}

TEST_F(PintuSolveProgram, ExitsOneWhenALineIsRefused)
{
    EXPECT_EQ(run("", "0 1 2 3 4 5 6 8 7\nsolve this\n"), 1);
    EXPECT_EQ(read("out"), "1 optimal 7\n");
    EXPECT_EQ(read("errors"), "pintu-solve: line 2: \"solve\" is not a number\n");
}

TEST_F(PintuSolveProgram, ExitsTwoOnAWrongCommandLine)
{
    EXPECT_EQ(run("--budget never", ""), 2);
    EXPECT_EQ(read("out"), "");
    EXPECT_NE(read("errors").find("--budget"), std::string::npos);
}

} // namespace
} // namespace pintu::solver::cli
