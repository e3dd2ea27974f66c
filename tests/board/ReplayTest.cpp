#include "tests/fakes/BoardHarness.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

class ReplayOnEachSize : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, ReplayOnEachSize, ::testing::Values(&board3x3, &board4x4, &board5x5),
                         [](const auto& info) { return "N" + std::to_string(info.param->side); });

TEST_P(ReplayOnEachSize, StepsTheShuffleBackToTheSolvedPicture)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, shuffleEndingAt(size, 0));
    FakeScreen& screen = game.screen;
    game.board.start();
    game.board.showNumberMap();
    game.clock.advance(milliseconds(9000));

    EXPECT_EQ(game.board.autoSolve(), ReplayOutcome::Shown);
    EXPECT_EQ(game.board.phase(), Board::Phase::Replaying);
    EXPECT_EQ(game.board.replayPosition(), size.shuffleSteps);
    EXPECT_EQ(game.board.replayStepsToSolved(), size.shuffleSteps);
    EXPECT_FALSE(screen.isVisible(Control::AutoSolve));
    EXPECT_TRUE(screen.isVisible(Control::Restart));
    EXPECT_TRUE(screen.isVisible(Control::StepBack));
    EXPECT_TRUE(screen.isVisible(Control::StepForward));
    EXPECT_FALSE(screen.isEnabled(Control::StepBack));
    EXPECT_TRUE(screen.isEnabled(Control::StepForward));
    for (int c = 0; c < size.cells; ++c) {
        EXPECT_FALSE(screen.viewEnabled[c]);
        EXPECT_FALSE(screen.mapVisible[c]);
    }
    game.board.tick();
    EXPECT_EQ(screen.caption.at(Control::Clock), "0");

    Tiles previous = game.shownTiles();
    for (int press = 1; press <= size.shuffleSteps; ++press) {
        const ReplayOutcome outcome = game.board.stepForward();
        const Tiles shown = game.shownTiles();
        ASSERT_EQ(shown, game.loggedBlock(size.shuffleSteps - press)) << "press " << press;
        ASSERT_EQ(differingCells(shown, previous), 2) << "press " << press;
        ASSERT_EQ(outcome, press == size.shuffleSteps ? ReplayOutcome::Solved : ReplayOutcome::Shown);
        previous = shown;
        if (press == 1) {
            EXPECT_TRUE(screen.isEnabled(Control::StepBack));
        }
    }
    EXPECT_FALSE(screen.isEnabled(Control::StepForward));
    EXPECT_TRUE(screen.showsWholePicture());
    // Only the message of a win: the clock runs on and Start stays off.
    EXPECT_TRUE(screen.timerEnabled);
    EXPECT_FALSE(screen.isEnabled(Control::Start));
    EXPECT_EQ(game.board.stepCount(), 0);

    // The credit label does nothing during the replay.
    game.board.showNumberMap();
    EXPECT_FALSE(screen.mapVisible[0]);
}

TEST(Replay, UpIsOffAtTheStartAndOnlyGoesBackAsFarAsTheStart)
{
    SmallBoardHarness game(board3x3, shuffleEndingAt(board3x3, 2));
    FakeScreen& screen = game.screen;
    game.board.start();
    const Tiles start = game.shownTiles();
    game.board.autoSolve();
    EXPECT_FALSE(screen.isEnabled(Control::StepBack));

    game.board.stepForward();
    EXPECT_TRUE(screen.isEnabled(Control::StepBack));
    EXPECT_EQ(game.board.replayPosition(), board3x3.shuffleSteps - 1);

    EXPECT_EQ(game.board.stepBack(), ReplayOutcome::Shown);
    EXPECT_EQ(game.board.replayPosition(), board3x3.shuffleSteps);
    EXPECT_FALSE(screen.isEnabled(Control::StepBack));
    EXPECT_TRUE(screen.isEnabled(Control::StepForward));
    EXPECT_EQ(game.shownTiles(), start);
}

TEST(Replay, AShuffleThatPassedTheSolvedOrderIsSolvedThere)
{
    // 8, 5, back to 8 (solved again at block 2), then 7 and 4 and to and fro.
    const BoardSize& size = board3x3;
    SmallBoardHarness game(size, std::make_unique<ScriptedRandom>(ScriptedRandom::walk(size, {5, 8, 7, 4})));
    game.board.start();
    game.board.autoSolve();
    EXPECT_EQ(game.board.replayStepsToSolved(), size.shuffleSteps - 2);
    EXPECT_EQ(game.board.replayPosition(), size.shuffleSteps);

    for (int press = 1; press < size.shuffleSteps - 2; ++press)
        ASSERT_EQ(game.board.stepForward(), ReplayOutcome::Shown);
    EXPECT_TRUE(game.screen.isEnabled(Control::StepForward));
    EXPECT_EQ(game.board.stepForward(), ReplayOutcome::Solved);
    EXPECT_EQ(game.board.replayPosition(), 2);
    EXPECT_FALSE(game.screen.isEnabled(Control::StepForward));

    game.board.stepBack(); // back up one: down is offered again
    EXPECT_TRUE(game.screen.isEnabled(Control::StepForward));
}

TEST_P(ReplayOnEachSize, RestartPutsTheStartBackForPlay)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, shuffleEndingAt(size, size.side + 1));
    FakeScreen& screen = game.screen;
    game.board.start();
    const Tiles start = game.shownTiles();
    game.board.autoSolve();
    for (int press = 0; press < 5; ++press)
        game.board.stepForward();
    game.clock.advance(milliseconds(4000));

    game.files.reads.clear();
    EXPECT_EQ(game.board.restart(), ReplayOutcome::Shown);
    EXPECT_EQ(game.board.phase(), Board::Phase::Playing);
    const std::int64_t blockBytes = std::int64_t{size.cells} * size.recordLength;
    ASSERT_EQ(game.files.reads.size(), 1u);
    EXPECT_EQ(game.files.reads[0], std::make_pair(size.shuffleSteps * blockBytes, blockBytes)); // records J x T + 1 to J x T + T

    EXPECT_EQ(game.shownTiles(), start);
    for (int c = 0; c < size.cells; ++c) {
        EXPECT_TRUE(screen.viewEnabled[c]);
        EXPECT_FALSE(screen.mapVisible[c]);
    }
    EXPECT_TRUE(screen.isVisible(Control::AutoSolve));
    EXPECT_FALSE(screen.isVisible(Control::Restart));
    EXPECT_FALSE(screen.isVisible(Control::StepBack));
    EXPECT_FALSE(screen.isVisible(Control::StepForward));
    EXPECT_EQ(game.board.stepCount(), 0);
    game.board.tick();
    EXPECT_EQ(screen.caption.at(Control::Clock), "0");

    // The credit label works again, and the start can be played to the end.
    game.board.showNumberMap();
    for (int c = 0; c < size.cells; ++c) {
        EXPECT_TRUE(screen.mapVisible[c]);
        EXPECT_EQ(screen.mapCaption[c], std::to_string(start[c]));
    }
    EXPECT_EQ(game.solveByLog(size.shuffleSteps), MoveOutcome::Solved);
    game.board.closeCompletedPicture();
    EXPECT_TRUE(screen.isEnabled(Control::Start));
}

TEST(Replay, IsNoLongerOfferedOnceATileIsClicked)
{
    SmallBoardHarness game(board4x4, shuffleEndingAt(board4x4, 10));
    game.board.start();
    game.click(0); // moves nothing
    EXPECT_EQ(game.board.stepCount(), 0);
    EXPECT_FALSE(game.screen.isVisible(Control::AutoSolve));
    EXPECT_FALSE(game.screen.isVisible(Control::Restart));
    game.click(14);
    EXPECT_FALSE(game.screen.isVisible(Control::AutoSolve));
}

TEST(NumberMap, ShowsTheTileOfEveryCellWithTheBlankAsItsNumber)
{
    SmallBoardHarness game(board5x5, shuffleEndingAt(board5x5, 12));
    FakeScreen& screen = game.screen;
    game.board.start();
    for (int c = 0; c < 25; ++c)
        EXPECT_FALSE(screen.mapVisible[c]);
    game.board.showNumberMap();
    for (int c = 0; c < 25; ++c) {
        EXPECT_TRUE(screen.mapVisible[c]);
        EXPECT_EQ(screen.mapCaption[c], std::to_string(game.loggedBlock(board5x5.shuffleSteps)[c]));
    }
    EXPECT_EQ(screen.mapCaption[12], "24");
    game.click(13);
    EXPECT_EQ(screen.mapCaption[13], "24");
    EXPECT_TRUE(screen.mapVisible[13]);
}

class DamagedLog : public ::testing::TestWithParam<std::function<void(std::string&)>> {};

TEST_P(DamagedLog, StopsTheReplayWithAMessageAndPlayGoesOn)
{
    const BoardSize& size = board3x3;
    SmallBoardHarness game(size, shuffleEndingAt(size, 4));
    FakeScreen& screen = game.screen;
    game.board.start();
    const Tiles start = game.shownTiles();
    GetParam()(game.files.contents.at(testDataFiles.moveLog));

    // By the time the window says so, the board is back in play.
    EXPECT_EQ(game.board.autoSolve(), ReplayOutcome::MoveLogDamaged);
    EXPECT_EQ(game.board.phase(), Board::Phase::Playing);
    EXPECT_EQ(game.shownTiles(), start);
    EXPECT_EQ(screen.emptyViews(), 1);
    for (int c = 0; c < size.cells; ++c)
        EXPECT_TRUE(screen.viewEnabled[c]);
    for (const Control control : {Control::AutoSolve, Control::Restart, Control::StepBack, Control::StepForward})
        EXPECT_FALSE(screen.isVisible(control));

    game.click(1);
    EXPECT_EQ(game.board.stepCount(), 1);
    game.board.showNumberMap();
    EXPECT_TRUE(screen.mapVisible[0]);
}

TEST(Replay, RestartFromALogRewrittenToAnotherStartSaysSo)
{
    SmallBoardHarness game(board3x3, shuffleEndingAt(board3x3, 4));
    game.board.start();
    const Tiles start = game.shownTiles();
    game.board.autoSolve();
    game.board.stepForward();
    std::string& log = game.files.contents.at(testDataFiles.moveLog);
    std::swap(log[36 * 100 + 3], log[36 * 100 + 7]);
    EXPECT_EQ(game.board.restart(), ReplayOutcome::MoveLogDamaged);
    EXPECT_EQ(game.shownTiles(), start);
}

TEST(Replay, ALogDamagedWhileSteppingStopsThereAndRestoresTheStart)
{
    SmallBoardHarness game(board4x4, shuffleEndingAt(board4x4, 0));
    game.board.start();
    const Tiles start = game.shownTiles();
    game.board.autoSolve();
    game.board.stepForward();
    game.files.contents.at(testDataFiles.moveLog).replace(16 * 6 * 147, 6, encodeRecord(3, 6));
    EXPECT_EQ(game.board.stepForward(), ReplayOutcome::Shown);
    EXPECT_EQ(game.board.stepForward(), ReplayOutcome::MoveLogDamaged); // block 147
    EXPECT_EQ(game.shownTiles(), start);
    EXPECT_TRUE(game.screen.viewEnabled[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedLog,
    ::testing::Values([](std::string& log) { log.resize(log.size() - 3); },           // cut short
                      [](std::string& log) { log.replace(36 * 50, 4, encodeRecord(7, 4)); }, // a tile twice
                      [](std::string& log) { log.replace(36 * 100 + 8, 4, std::string("\x02\x00 x", 4)); }, // not a number
                      [](std::string& log) { log.resize(36 * 30); },
                      [](std::string& log) { std::swap(log[36 * 100 + 3], log[36 * 100 + 7]); })); // another start

} // namespace
} // namespace pintu::test
