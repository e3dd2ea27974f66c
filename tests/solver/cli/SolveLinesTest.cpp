#include "solver/cli/SolveLines.h"

#include "tests/solver/SharedTables.h"
#include "tests/solver/SolverTestSupport.h"
#include "tests/solver/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
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

std::string board(const std::vector<int>& tiles)
{
    std::string line;
    for (int tile : tiles)
        line += std::to_string(tile) + " ";
    return line + "\n";
}

// The largest side is answered, one more is refused, and so is a line longer
// than any board of the largest side takes.
TEST(SolveLines, ReportsBadLinesByNumberAndAnswersTheRest)
{
    std::vector<int> largest = test::solvedTiles(largestSide);
    std::swap(largest[largest.size() - 1], largest[largest.size() - 2]);
    const std::string side = std::to_string(largestSide + 1);
    const Transcript run = solve("0 1 2\n"
                          "1 0 2 3 4 5 6 7 8\n"
                          "0 1 2 3 x\x1b[2J 5 6 7 8\n"
                          "0 1 2 3 4 5 6 8 7\n"
                          "0 1 1 3\n"
                          + board(test::solvedTiles(largestSide + 1)) + std::string(longestLine + 1, ' ') + "\n"
                          + board(largest));
    EXPECT_EQ(run.status, ExitStatus::LineRefused);
    EXPECT_EQ(run.out, "1 optimal 7\n1 found " + std::to_string(largest.back()) + "\n");
    std::istringstream errors(run.errors);
    std::vector<std::string> lines;
    for (std::string line; std::getline(errors, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "pintu-solve: line 1: " + std::string(describe(Flaw::NotSquare)));
    EXPECT_EQ(lines[1], "pintu-solve: line 2: " + std::string(describe(Flaw::Unsolvable)));
    EXPECT_EQ(lines[2], "pintu-solve: line 3: \"x\\x1b[2J\" is not a number");
    EXPECT_EQ(lines[3], "pintu-solve: line 5: " + std::string(describe(Flaw::NotPermutation)));
    EXPECT_TRUE(lines[4].starts_with("pintu-solve: line 6: a " + side + "x" + side + " board is larger")) << lines[4];
    EXPECT_TRUE(lines[5].starts_with("pintu-solve: line 7: longer than")) << lines[5];
}

TEST(SolveLines, StopsAtInputThatIsNotText)
{
    using namespace std::string_literals;
    const Transcript run = solve("0 1 2 3 4 5 6 8 7\n\x7f" "ELF\0\x02\n0 1 2 3 4 5 6 8 7\n"s);
    EXPECT_EQ(run.status, ExitStatus::StreamFailed);
    EXPECT_EQ(run.out, "1 optimal 7\n");
    EXPECT_EQ(run.errors, "pintu-solve: line 2 holds a NUL byte: the input is not text\n");
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
    // The build's seconds, with three decimals, come before the first line's statistics.
    const std::string note = "\ntables for 4x4 boards: built in ";
    const auto at = run.errors.find(note);
    const auto end = run.errors.find(" s\nline 1: ", at);
    ASSERT_TRUE(at != std::string::npos && end != std::string::npos) << run.errors;
    const std::string seconds = run.errors.substr(at + note.size(), end - at - note.size());
    EXPECT_EQ(seconds.find_first_not_of("0123456789."), std::string::npos) << seconds;
    EXPECT_EQ(seconds.size() - seconds.find('.'), 4u) << seconds;
}

// The built program, run as a user would.
class PintuSolveProgram : public ::testing::Test {
protected:
    // `redirections` come after the harness's own, and so win over them.
    int run(const std::string& arguments, const std::string& input, const std::string& redirections = "")
    {
        std::ofstream(folder.path() / "in") << input;
        std::ostringstream command;
        command << PINTU_SOLVE_PROGRAM << ' ' << arguments << " <" << path("in") << " >" << path("out") << " 2>"
                << path("errors") << ' ' << redirections;
        const int status = std::system(command.str().c_str());
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

// Answers that cannot be written or input that cannot be read are never a
// silent success, and a reader that went away does not kill the program
// without a word through SIGPIPE.
TEST_F(PintuSolveProgram, ExitsOneWithAMessageWhenAStreamFails)
{
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    close(pipeEnds[0]); // the reader is gone before the program starts
    const std::string intoClosedPipe = ">&" + std::to_string(pipeEnds[1]);
    for (const auto& [redirection, says] : std::vector<std::pair<std::string, std::string>>{
             {">/dev/full", "No space left on device"},
             {"</", "Is a directory"},
             {intoClosedPipe, "Broken pipe"}}) {
        EXPECT_EQ(run("", "1 2 3 0\n", redirection), 1) << redirection;
        EXPECT_NE(read("errors").find(says), std::string::npos) << read("errors");
    }
    close(pipeEnds[1]);
}

TEST_F(PintuSolveProgram, ExitsTwoOnAWrongCommandLine)
{
    EXPECT_EQ(run("--budget never", ""), 2);
    EXPECT_EQ(read("out"), "");
    EXPECT_NE(read("errors").find("--budget"), std::string::npos);
}

} // namespace
} // namespace pintu::solver::cli
