#include "solver/BudgetedSearch.h"

#include "tests/solver/SharedTables.h"
#include "tests/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

namespace pintu::solver {
namespace {

using namespace std::chrono_literals;
using test::puzzleOf;

const PatternHeuristic& smallFiveByFiveTables()
{
    static const PatternHeuristic heuristic = [] {
        std::vector<PatternTable> tables;
        for (int first = 0; first < 24; first += 4)
            tables.push_back(*buildPatternTable(5, {first, first + 1, first + 2, first + 3}, {}));
        return PatternHeuristic(std::move(tables));
    }();
    return heuristic;
}

TEST(BudgetedSearch, ProvesShortAnswersOptimal)
{
    const Puzzle puzzle = puzzleOf(test::walkedTiles(5, 14, 3));
    const Answer answer = solveWithinBudget(puzzle, smallFiveByFiveTables(), nullptr, 10s, {});
    EXPECT_EQ(answer.verdict, Verdict::Optimal);
    EXPECT_TRUE(test::solves(puzzle, answer.slides));
}

TEST(BudgetedSearch, OutOfTimeGivesAQuickAnswer)
{
    const Puzzle puzzle = puzzleOf(test::randomTiles(5, 1));
    const Answer answer = solveWithinBudget(puzzle, smallFiveByFiveTables(), nullptr, 20ms, {});
    EXPECT_EQ(answer.verdict, Verdict::Found);
    EXPECT_TRUE(test::solves(puzzle, answer.slides));
}

TEST(BudgetedSearch, AShortestCornerShortensTheQuickAnswer)
{
    const auto later = std::chrono::steady_clock::now() + 1h;
    std::size_t linesOnly = 0;
    std::size_t withCorner = 0;
    for (std::uint64_t seed = 0; seed < 5; ++seed) {
        const Puzzle puzzle = puzzleOf(test::randomTiles(5, seed));
        const Answer lines = quickAnswer(puzzle, nullptr, later, {});
        const Answer corner = quickAnswer(puzzle, &test::sharedFourByFour(), later, {});
        EXPECT_TRUE(test::solves(puzzle, lines.slides));
        EXPECT_TRUE(test::solves(puzzle, corner.slides));
        EXPECT_LE(corner.slides.size(), lines.slides.size());
        linesOnly += lines.slides.size();
        withCorner += corner.slides.size();
    }
    EXPECT_LT(withCorner, linesOnly);
}

TEST(BudgetedSearch, StoppedGivesNoAnswer)
{
    std::stop_source stop;
    stop.request_stop();
    const Puzzle puzzle = puzzleOf(test::randomTiles(5, 4));
    const Answer answer = solveWithinBudget(puzzle, smallFiveByFiveTables(), nullptr, 2s, stop.get_token());
    EXPECT_EQ(answer.verdict, Verdict::Stopped);
    EXPECT_TRUE(answer.slides.empty());
}

} // namespace
} // namespace pintu::solver
