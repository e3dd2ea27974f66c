#include "solver/Solver.h"

#include "tests/solver/SharedTables.h"
#include "tests/solver/SolverTestSupport.h"
#include "tests/solver/TempFolder.h"

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

struct KnownGameRow {
    std::string name;
    std::vector<int> tiles;
    std::size_t length;
};

class HardFiveByFive : public ::testing::TestWithParam<KnownGameRow> {};

// Shuffled as the game shuffles, with the lengths proven before the search
// was made faster, given a minute a board: the longest answers that the first
// tables prove quickly.
INSTANTIATE_TEST_SUITE_P(
    Rows, HardFiveByFive,
    ::testing::Values(KnownGameRow{"SeventyTwoMoves",
                                   {11, 1, 6, 4, 13, 12, 7, 9, 5, 22, 0, 3, 18, 2, 24, 23, 20, 21, 17, 8, 10, 16, 15, 19, 14},
                                   72},
                      KnownGameRow{"SixtySixMoves",
                                   {6, 10, 0, 9, 14, 1, 24, 7, 16, 3, 15, 5, 19, 4, 23, 21, 2, 11, 22, 8, 12, 20, 17, 18, 13},
                                   66},
                      KnownGameRow{"SixtyTwoMoves",
                                   {11, 23, 24, 10, 9, 1, 2, 6, 12, 13, 0, 15, 7, 4, 3, 5, 21, 19, 14, 8, 20, 17, 16, 22, 18},
                                   62}),
    [](const auto& info) { return info.param.name; });

TEST_P(HardFiveByFive, IsProvenAsLongAsBefore)
{
    test::sharedFiveByFive();
    Solver solver({test::sharedTableFolder(), std::chrono::minutes(1)});
    const Puzzle puzzle = puzzleOf(GetParam().tiles);
    const Answer answer = solver.solve(puzzle);
    EXPECT_EQ(answer.verdict, Verdict::Optimal);
    EXPECT_EQ(answer.slides.size(), GetParam().length);
    EXPECT_TRUE(test::solves(puzzle, answer.slides));
}

// A game asks for the tables as its board opens: the large ones follow in
// the background, and a solver that ends stops them instead of waiting.
TEST(Solver, FiveByFiveIsAnsweredWithoutWaitingForTheLargeTables)
{
    test::sharedFiveByFive();
    const test::TempFolder folder;
    test::copySharedTables(folder.path());
    const auto tables = std::distance(std::filesystem::directory_iterator(folder.path()), {});
    {
        Solver solver({folder.path(), std::chrono::minutes(1)});
        EXPECT_EQ(solver.prepareForPlay(5), TableStatus::Ready);
        EXPECT_EQ(solver.solve(puzzleOf(test::walkedTiles(5, 40, 1))).verdict, Verdict::Optimal);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), tables);
}

TEST(Solver, OnlyBoardsThatAreSearchedNeedTables)
{
    Solver solver({std::nullopt, std::chrono::milliseconds::zero()});
    for (int side : {2, 3, 5, 8}) {
        EXPECT_EQ(solver.prepare(side), TableStatus::Ready);
        EXPECT_EQ(solver.prepareForPlay(side), TableStatus::Ready);
    }
}

} // namespace
} // namespace pintu::solver
