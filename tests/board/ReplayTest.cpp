#include "Messages.h"
#include "BoardHarness.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

class ReplayOnEachSize : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, ReplayOnEachSize, ::testing::Values(&board3x3, &board4x4, &board5x5),
                         [](const auto& info) { return "N" + std::to_string(info.param->N); });

int differingCells(const Arrangement& a, const Arrangement& b)
{
    int differing = 0;
    for (std::size_t c = 0; c < a.size(); ++c)
        differing += a[c] != b[c];
    return differing;
}

TEST_P(ReplayOnEachSize, StepsTheShuffleBackToTheSolvedPicture)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, shuffleEndingAt(size, 0));
    FakeScreen& screen = game.screen;
    game.board.Command1_Click();
    game.board.Label3_Click();
    game.clock.advance(milliseconds(9000));

    game.board.Command3_Click();
    EXPECT_EQ(game.board.replayPosition(), size.J);
    EXPECT_EQ(game.board.replayStepsToSolved(), size.J);
    EXPECT_FALSE(screen.isVisible(Control::Command3));
    EXPECT_TRUE(screen.isVisible(Control::Command4));
    EXPECT_TRUE(screen.isVisible(Control::Command5));
    EXPECT_TRUE(screen.isVisible(Control::Command6));
    EXPECT_FALSE(screen.isEnabled(Control::Command5));
    EXPECT_TRUE(screen.isEnabled(Control::Command6));
    for (int c = 0; c < size.T; ++c) {
        EXPECT_FALSE(screen.viewEnabled[c]);
        EXPECT_FALSE(screen.mapVisible[c]);
    }
    game.board.Timer1_Timer();
    EXPECT_EQ(screen.caption.at(Control::Label5), "0");

    Arrangement previous = game.shownTiles();
    for (int press = 1; press <= size.J; ++press) {
        game.board.Command6_Click();
        const Arrangement shown = game.shownTiles();
        ASSERT_EQ(shown, game.loggedBlock(size.J - press)) << "press " << press;
        ASSERT_EQ(differingCells(shown, previous), 2) << "press " << press;
        ASSERT_EQ(screen.messages.size(), press == size.J ? 1u : 0u);
        previous = shown;
        if (press == 1) {
            EXPECT_TRUE(screen.isEnabled(Control::Command5));
        }
    }
    EXPECT_EQ(screen.messages.back(), messages::solved);
    EXPECT_FALSE(screen.isEnabled(Control::Command6));
    EXPECT_EQ(screen.view[size.T - 1], game.cells.cell(size.T - 1)); // the picture is whole
    // Only the message of a win: the clock runs on and Start stays off.
    EXPECT_TRUE(screen.timerEnabled);
    EXPECT_FALSE(screen.isEnabled(Control::Command1));
    EXPECT_EQ(game.board.stepCount(), 0);

    // The credit label does nothing during the replay.
    game.board.Label3_Click();
    EXPECT_FALSE(screen.mapVisible[0]);
}

TEST(Replay, UpIsOffAtTheStartAndOnlyGoesBackAsFarAsTheStart)
{
    SmallBoardHarness game(board3x3, shuffleEndingAt(board3x3, 2));
    FakeScreen& screen = game.screen;
    game.board.Command1_Click();
    const Arrangement start = game.shownTiles();
    game.board.Command3_Click();
    EXPECT_FALSE(screen.isEnabled(Control::Command5));

    game.board.Command6_Click();
    EXPECT_TRUE(screen.isEnabled(Control::Command5));
    EXPECT_EQ(game.board.replayPosition(), board3x3.J - 1);

    game.board.Command5_Click();
    EXPECT_EQ(game.board.replayPosition(), board3x3.J);
    EXPECT_FALSE(screen.isEnabled(Control::Command5));
    EXPECT_TRUE(screen.isEnabled(Control::Command6));
    EXPECT_EQ(game.shownTiles(), start);
    EXPECT_TRUE(screen.messages.empty());
}

TEST(Replay, AShuffleThatPassedTheSolvedOrderIsSolvedThere)
{
    // 8, 5, back to 8 (solved again at block 2), then 7 and 4 and to and fro.
    const BoardSize& size = board3x3;
    SmallBoardHarness game(size, std::make_unique<ScriptedRandom>(ScriptedRandom::walk(size, {5, 8, 7, 4})));
    game.board.Command1_Click();
    game.board.Command3_Click();
    EXPECT_EQ(game.board.replayStepsToSolved(), size.J - 2);
    EXPECT_EQ(game.board.replayPosition(), size.J);

    for (int press = 1; press < size.J - 2; ++press)
        game.board.Command6_Click();
    EXPECT_TRUE(game.screen.messages.empty());
    EXPECT_TRUE(game.screen.isEnabled(Control::Command6));
    game.board.Command6_Click();
    EXPECT_EQ(game.board.replayPosition(), 2);
    EXPECT_EQ(game.screen.messages, std::vector<std::string>{messages::solved});
    EXPECT_FALSE(game.screen.isEnabled(Control::Command6));

    game.board.Command5_Click(); // back up one: down is offered again
    EXPECT_TRUE(game.screen.isEnabled(Control::Command6));
}

TEST_P(ReplayOnEachSize, RestartPutsTheStartBackForPlay)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, shuffleEndingAt(size, size.N + 1));
    FakeScreen& screen = game.screen;
    game.board.Command1_Click();
    const Arrangement start = game.shownTiles();
    game.board.Command3_Click();
    for (int press = 0; press < 5; ++press)
        game.board.Command6_Click();
    game.clock.advance(milliseconds(4000));

    game.files.reads.clear();
    game.board.Command4_Click();
    const std::int64_t blockBytes = std::int64_t{size.T} * size.L;
    ASSERT_EQ(game.files.reads.size(), 1u);
    EXPECT_EQ(game.files.reads[0], std::make_pair(size.J * blockBytes, blockBytes)); // records J x T + 1 to J x T + T

    EXPECT_EQ(game.shownTiles(), start);
    for (int c = 0; c < size.T; ++c) {
        EXPECT_TRUE(screen.viewEnabled[c]);
        EXPECT_FALSE(screen.mapVisible[c]);
    }
    EXPECT_TRUE(screen.isVisible(Control::Command3));
    EXPECT_FALSE(screen.isVisible(Control::Command4));
    EXPECT_FALSE(screen.isVisible(Control::Command5));
    EXPECT_FALSE(screen.isVisible(Control::Command6));
    EXPECT_EQ(game.board.stepCount(), 0);
    game.board.Timer1_Timer();
    EXPECT_EQ(screen.caption.at(Control::Label5), "0");

    // The credit label works again, and the start can be played to the end.
    game.board.Label3_Click();
    for (int c = 0; c < size.T; ++c) {
        EXPECT_TRUE(screen.mapVisible[c]);
        EXPECT_EQ(screen.mapCaption[c], std::to_string(start[c]));
    }
    game.solveByLog(size.J);
    EXPECT_EQ(screen.messages, std::vector<std::string>{messages::solved});
    EXPECT_TRUE(screen.isEnabled(Control::Command1));
}

TEST(Replay, IsNoLongerOfferedOnceATileIsClicked)
{
    SmallBoardHarness game(board4x4, shuffleEndingAt(board4x4, 10));
    game.board.Command1_Click();
    game.click(0); // moves nothing
    EXPECT_EQ(game.board.stepCount(), 0);
    EXPECT_FALSE(game.screen.isVisible(Control::Command3));
    EXPECT_FALSE(game.screen.isVisible(Control::Command4));
    game.click(14);
    EXPECT_FALSE(game.screen.isVisible(Control::Command3));
}

TEST(NumberMap, ShowsTheTileOfEveryCellWithTheBlankAsItsNumber)
{
    SmallBoardHarness game(board5x5, shuffleEndingAt(board5x5, 12));
    FakeScreen& screen = game.screen;
    game.board.Command1_Click();
    for (int c = 0; c < 25; ++c)
        EXPECT_FALSE(screen.mapVisible[c]);
    game.board.Label3_Click();
    for (int c = 0; c < 25; ++c) {
        EXPECT_TRUE(screen.mapVisible[c]);
        EXPECT_EQ(screen.mapCaption[c], std::to_string(game.loggedBlock(board5x5.J)[c]));
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
    game.board.Command1_Click();
    const Arrangement start = game.shownTiles();
    GetParam()(game.files.contents.at(testDataFiles.moveLog));

    // By the time the message shows, the board is back in play.
    bool playableUnderTheMessage = false;
    screen.whileMessageShows = [&] {
        playableUnderTheMessage = screen.viewEnabled[0] && !screen.isVisible(Control::Command6) &&
                                  game.shownTiles() == start;
    };
    game.board.Command3_Click();
    EXPECT_TRUE(playableUnderTheMessage);
    EXPECT_EQ(screen.messages, std::vector<std::string>{messages::moveLogDamaged});
    EXPECT_EQ(game.shownTiles(), start);
    EXPECT_EQ(screen.emptyViews(), 1);
    for (int c = 0; c < size.T; ++c)
        EXPECT_TRUE(screen.viewEnabled[c]);
    for (const Control control : {Control::Command3, Control::Command4, Control::Command5, Control::Command6})
        EXPECT_FALSE(screen.isVisible(control));

    game.click(1);
    EXPECT_EQ(game.board.stepCount(), 1);
    game.board.Label3_Click();
    EXPECT_TRUE(screen.mapVisible[0]);
}

TEST(Replay, RestartFromALogRewrittenToAnotherStartSaysSo)
{
    SmallBoardHarness game(board3x3, shuffleEndingAt(board3x3, 4));
    game.board.Command1_Click();
    const Arrangement start = game.shownTiles();
    game.board.Command3_Click();
    game.board.Command6_Click();
    std::string& log = game.files.contents.at(testDataFiles.moveLog);
    std::swap(log[36 * 100 + 3], log[36 * 100 + 7]);
    game.board.Command4_Click();
    EXPECT_EQ(game.screen.messages, std::vector<std::string>{messages::moveLogDamaged});
    EXPECT_EQ(game.shownTiles(), start);
}

TEST(Replay, ALogDamagedWhileSteppingStopsThereAndRestoresTheStart)
{
    SmallBoardHarness game(board4x4, shuffleEndingAt(board4x4, 0));
    game.board.Command1_Click();
    const Arrangement start = game.shownTiles();
    game.board.Command3_Click();
    game.board.Command6_Click();
    game.files.contents.at(testDataFiles.moveLog).replace(16 * 6 * 147, 6, encodeRecord(3, 6));
    game.board.Command6_Click();
    EXPECT_TRUE(game.screen.messages.empty());
    game.board.Command6_Click(); // block 147
    EXPECT_EQ(game.screen.messages, std::vector<std::string>{messages::moveLogDamaged});
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
