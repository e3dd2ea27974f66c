#include "tests/fakes/BoardHarness.h"

#include <gtest/gtest.h>

#include <functional>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

std::string shownClock(const SmallBoardHarness& game)
{
    return game.screen.caption.at(Control::Clock);
}

TEST(Pause, StopsTheClockAndTheKeptTimeAndTakesNoMoves)
{
    SmallBoardHarness game(board4x4, shuffleEndingAt(board4x4, 5));
    game.board.start();
    game.clock.advance(milliseconds(5000));
    ASSERT_TRUE(game.board.pause());
    EXPECT_TRUE(game.screen.tilesCovered);
    EXPECT_FALSE(game.screen.timerEnabled);
    EXPECT_EQ(shownClock(game), "5");
    ASSERT_TRUE(game.keeper.kept);
    EXPECT_EQ(game.keeper.kept->played, milliseconds(5000));

    game.clock.advance(std::chrono::minutes(10));
    game.board.tick();
    EXPECT_EQ(shownClock(game), "5");
    EXPECT_EQ(game.board.snapshot()->played, milliseconds(5000));
    EXPECT_EQ(game.board.click(6), MoveOutcome::NoEffect);
    EXPECT_EQ(game.board.press(Direction::Left), MoveOutcome::NoEffect);
    EXPECT_FALSE(game.board.pause());

    // Going on, the clock runs on from where it stood.
    ASSERT_TRUE(game.board.goOn());
    EXPECT_FALSE(game.screen.tilesCovered);
    EXPECT_TRUE(game.screen.timerEnabled);
    game.clock.advance(milliseconds(2000));
    EXPECT_EQ(game.board.click(6), MoveOutcome::Moved);
    game.board.tick();
    EXPECT_EQ(shownClock(game), "7");
    EXPECT_EQ(game.keeper.kept->played, milliseconds(7000));
    EXPECT_FALSE(game.board.goOn());
}

TEST(Pause, EndsWhenTheClockStartsAfresh)
{
    SmallBoardHarness game(board3x3);
    game.board.start();
    ASSERT_TRUE(game.board.pause());
    game.board.autoSolve();
    EXPECT_FALSE(game.board.isPaused());
    EXPECT_FALSE(game.screen.tilesCovered);
    EXPECT_TRUE(game.screen.timerEnabled);
}

struct RefusedRow {
    const char* name;
    std::function<void(SmallBoardHarness&)> before;
};

const RefusedRow refusedRows[] = {
    {"BeforeTheStart", [](SmallBoardHarness&) {}},
    {"WhileTheShuffleIsStepped",
     [](SmallBoardHarness& game) {
         game.board.start();
         game.board.autoSolve();
     }},
    {"OnceWon",
     [](SmallBoardHarness& game) {
         game.board.start();
         game.solveByLog(game.size.shuffleSteps);
     }},
};

void PrintTo(const RefusedRow& row, std::ostream* out)
{
    *out << row.name;
}

class NoGameInPlay : public ::testing::TestWithParam<RefusedRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, NoGameInPlay, ::testing::ValuesIn(refusedRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(NoGameInPlay, IsNotPaused)
{
    SmallBoardHarness game(board3x3);
    GetParam().before(game);
    EXPECT_FALSE(game.board.pause());
    EXPECT_FALSE(game.screen.tilesCovered);
}

} // namespace
} // namespace pintu::test
