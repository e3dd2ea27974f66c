#include "solver/Solver.h"

#include "tests/solver/SharedTables.h"
#include "tests/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

namespace pintu::solver {
namespace {

using test::puzzleOf;

struct SizeRow {
    int side;
    Verdict verdict;
};

class SolverSizes : public ::testing::TestWithParam<SizeRow> {};

// No budget: 5x5 boards get the quick answer without building their tables.
INSTANTIATE_TEST_SUITE_P(Rows, SolverSizes,
                         ::testing::Values(SizeRow{2, Verdict::Optimal}, SizeRow{3, Verdict::Optimal},
                                           SizeRow{4, Verdict::Optimal}, SizeRow{5, Verdict::Found},
                                           SizeRow{6, Verdict::Found}, SizeRow{10, Verdict::Found}),
                         [](const auto& info) { return "N" + std::to_string(info.param.side); });

TEST_P(SolverSizes, AnswersWithAValidSolution)
{
    const auto [side, verdict] = GetParam();
    Solver solver({test::sharedTableFolder(), std::chrono::milliseconds::zero()});
    for (std::uint64_t seed = 0; seed < 3; ++seed) {
        const Puzzle puzzle = puzzleOf(test::walkedTiles(side, 200, seed));
        const Answer answer = solver.solve(puzzle);
        EXPECT_EQ(answer.verdict, verdict);
        EXPECT_TRUE(test::solves(puzzle, answer.slides));
    }
}

TEST(Solver, SolvedBoardNeedsNoSlides)
{
    Solver solver({test::sharedTableFolder()});
    for (int side : {2, 3, 4}) {
        const Answer answer = solver.solve(puzzleOf(test::solvedTiles(side)));
        EXPECT_EQ(answer.verdict, Verdict::Optimal);
        EXPECT_TRUE(answer.slides.empty());
    }
}

TEST(Solver, StopRequestedFirstGivesNoAnswer)
{
    Solver solver({test::sharedTableFolder()});
    std::stop_source stop;
    stop.request_stop();
    const Answer answer = solver.solve(puzzleOf(test::randomTiles(4, 5)), stop.get_token());
    EXPECT_EQ(answer.verdict, Verdict::Stopped);
    EXPECT_TRUE(answer.slides.empty());
}

TEST(Solver, OnlyBoardsThatAreSearchedNeedTables)
{
    Solver solver({std::nullopt, std::chrono::milliseconds::zero()});
    for (int side : {2, 3, 5, 8})
        EXPECT_EQ(solver.prepare(side), TableStatus::Ready);
}

} // namespace
} // namespace pintu::solver
