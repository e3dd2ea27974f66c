#include "tests/fakes/BoardHarness.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

const std::vector<Control> statusLabels{Control::StepsCaption, Control::Steps, Control::Credit, Control::ClockCaption,
                                        Control::Clock};

void expectWholePictureWaiting(const SmallBoardHarness& game)
{
    const FakeScreen& screen = game.screen;
    for (int c = 0; c < game.size.cells; ++c) {
        EXPECT_EQ(screen.view[c], noTile) << "view " << c;
        EXPECT_FALSE(screen.viewEnabled[c]) << "view " << c;
        EXPECT_FALSE(screen.mapVisible[c]) << "map " << c;
    }
    for (const Control label : statusLabels)
        EXPECT_FALSE(screen.isVisible(label));
    EXPECT_TRUE(screen.isEnabled(Control::Start));
    EXPECT_EQ(screen.background, "/pictures/cat.bmp");
}

class SmallBoardOfEachSize : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, SmallBoardOfEachSize, ::testing::Values(&board3x3, &board4x4, &board5x5),
                         [](const auto& info) { return "N" + std::to_string(info.param->side); });

TEST_P(SmallBoardOfEachSize, LoadsIntoThePreviewOfTheChosenPicture)
{
    SmallBoardHarness game(*GetParam());
    EXPECT_EQ(game.loaded, LoadOutcome::Ready);
    EXPECT_EQ(game.board.phase(), Board::Phase::Preview);
    expectWholePictureWaiting(game);
    EXPECT_FALSE(game.screen.isVisible(Control::AutoSolve));
    EXPECT_FALSE(game.screen.isVisible(Control::Restart));
}

TEST_P(SmallBoardOfEachSize, StartShufflesDrawsTheBoardAndRunsTheClock)
{
    SmallBoardHarness game(*GetParam());
    const BoardSize& size = game.size;
    EXPECT_EQ(game.board.start(), StartOutcome::Started);
    EXPECT_EQ(game.board.phase(), Board::Phase::Playing);

    const FakeScreen& screen = game.screen;
    EXPECT_EQ(screen.emptyViews(), 1);
    for (int c = 0; c < size.cells; ++c)
        EXPECT_TRUE(screen.viewEnabled[c]);
    EXPECT_EQ(game.shownTiles(), game.playedTiles());
    EXPECT_EQ(screen.background, "");
    EXPECT_EQ(game.cells.picture, "/pictures/cat.bmp");
    for (const Control label : statusLabels)
        EXPECT_TRUE(screen.isVisible(label));
    EXPECT_EQ(screen.caption.at(Control::Steps), "0");
    EXPECT_FALSE(screen.isEnabled(Control::Start));
    EXPECT_TRUE(screen.isVisible(Control::AutoSolve));
    EXPECT_FALSE(screen.isVisible(Control::Restart));
    for (int c = 0; c < size.cells; ++c)
        EXPECT_FALSE(screen.mapVisible[c]);

    EXPECT_EQ(screen.caption.at(Control::Clock), "0"); // before the first tick too
    game.clock.advance(milliseconds(12340));
    game.board.tick();
    EXPECT_EQ(screen.caption.at(Control::Clock), "12.4");
    game.clock.advance(std::chrono::hours(24)); // across midnight: the real duration
    game.board.tick();
    EXPECT_EQ(screen.caption.at(Control::Clock), "86412.4");
}

// Which cells lie beside the blank is the arrangement's to test; the board
// counts, draws and answers what the arrangement allows.
TEST_P(SmallBoardOfEachSize, ATileBesideTheBlankSlidesAndNoOtherMoves)
{
    const BoardSize& size = *GetParam();
    const int blank = size.side + 1;
    for (int clicked = 0; clicked < size.cells; ++clicked) {
        SmallBoardHarness game(size, shuffleEndingAt(size, blank));
        game.board.start();
        ASSERT_EQ(game.screen.view[blank], noTile);
        const Tiles before = game.shownTiles();
        const bool legal = game.board.arrangement().moveFor(clicked).has_value();
        const MoveOutcome outcome = game.click(clicked);

        EXPECT_EQ(game.board.stepCount(), legal ? 1 : 0) << "clicked " << clicked;
        EXPECT_EQ(outcome, legal ? MoveOutcome::Moved : MoveOutcome::NoEffect);
        Tiles expected = before;
        if (legal)
            std::swap(expected[blank], expected[clicked]);
        EXPECT_EQ(game.shownTiles(), expected);
        EXPECT_EQ(game.playedTiles(), expected);
    }
}

TEST_P(SmallBoardOfEachSize, TheNumberMapFollowsEveryMoveEvenWhileHidden)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, shuffleEndingAt(size, 0));
    game.board.start();
    for (const int cell : {1, 0, size.side, size.side + 1, 1})
        game.click(cell);
    EXPECT_EQ(game.board.stepCount(), 5);
    for (int c = 0; c < size.cells; ++c) {
        EXPECT_FALSE(game.screen.mapVisible[c]);
        EXPECT_EQ(game.screen.mapCaption[c], std::to_string(game.board.arrangement().tileAt(c)));
    }
}

TEST_P(SmallBoardOfEachSize, PlayingTheShuffleBackCompletesThePicture)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, shuffleEndingAt(size, 0));
    game.board.start();
    game.board.showNumberMap();
    game.clock.advance(milliseconds(5000));

    // The last move completes the picture, and it stays whole until the window has celebrated.
    EXPECT_EQ(game.solveByLog(size.shuffleSteps), MoveOutcome::Solved);
    EXPECT_EQ(game.board.phase(), Board::Phase::Won);
    EXPECT_TRUE(game.screen.showsWholePicture());
    EXPECT_FALSE(game.screen.timerEnabled);
    EXPECT_EQ(game.click(0), MoveOutcome::NoEffect);
    game.board.closeCompletedPicture();

    EXPECT_EQ(game.board.phase(), Board::Phase::Completed);
    EXPECT_EQ(game.board.stepCount(), size.shuffleSteps);
    EXPECT_EQ(game.screen.caption.at(Control::Steps), std::to_string(size.shuffleSteps));
    expectWholePictureWaiting(game);
    EXPECT_FALSE(game.screen.timerEnabled);

    // A new game on the same screen starts from scratch.
    game.clock.advance(milliseconds(7000));
    game.board.start();
    EXPECT_EQ(game.board.stepCount(), 0);
    EXPECT_EQ(game.screen.caption.at(Control::Steps), "0");
    EXPECT_EQ(game.screen.emptyViews(), 1);
    EXPECT_TRUE(game.screen.timerEnabled);
    EXPECT_TRUE(game.screen.isVisible(Control::AutoSolve));
    EXPECT_EQ(game.screen.caption.at(Control::Clock), "0");
    EXPECT_EQ(game.cells.cuts, 2);
}

TEST(SmallBoardMoves, TheFirstLegalMoveClosesTheLogAndLeavesItOnDisk)
{
    SmallBoardHarness game(board4x4, shuffleEndingAt(board4x4, 10));
    game.board.start();
    EXPECT_EQ(game.files.openFiles, 1);
    game.click(0); // far from the blank
    EXPECT_EQ(game.files.openFiles, 1);
    game.click(11);
    EXPECT_EQ(game.files.openFiles, 0);
    EXPECT_TRUE(game.files.exists(testDataFiles.moveLog));
}

TEST(SmallBoardMoves, StepsCountPastTheOldSixteenBitLimit)
{
    SmallBoardHarness game(board3x3, shuffleEndingAt(board3x3, 4));
    game.board.start();
    for (int i = 0; i < 20000; ++i) {
        game.click(1);
        game.click(4);
    }
    EXPECT_EQ(game.board.stepCount(), 40000);
    EXPECT_EQ(game.screen.caption.at(Control::Steps), "40000");
}

TEST(SmallBoardExit, DeletesTheLogAndShowsTheMenuAgain)
{
    SmallBoardHarness played(board5x5);
    played.board.start();
    // The menu's hall-of-fame button is the genius board's business alone.
    EXPECT_EQ(played.board.exit().hallOfFameButton, std::nullopt);
    EXPECT_FALSE(played.files.exists(testDataFiles.moveLog));
    EXPECT_EQ(played.files.openFiles, 0);

    SmallBoardHarness leftOver(board3x3);
    leftOver.files.contents[testDataFiles.moveLog] = "from an earlier run";
    leftOver.board.exit();
    EXPECT_FALSE(leftOver.files.exists(testDataFiles.moveLog));
}

TEST(SmallBoardFailures, AnUnreadablePictureIsReportedAndLeavesNoLogBehind)
{
    SmallBoardHarness atLoad(board3x3);
    atLoad.screen.unreadableBackgrounds = {"/pictures/cat.bmp"};
    EXPECT_EQ(atLoad.board.load(), LoadOutcome::PictureUnreadable);

    SmallBoardHarness atStart(board4x4);
    atStart.cells.unreadable = {"/pictures/cat.bmp"};
    EXPECT_EQ(atStart.board.start(), StartOutcome::PictureUnreadable);
    EXPECT_EQ(atStart.board.phase(), Board::Phase::Preview);
    EXPECT_EQ(atStart.files.openFiles, 0);
    atStart.board.exit(); // where the window goes next
    EXPECT_FALSE(atStart.files.exists(testDataFiles.moveLog));
}

TEST(SmallBoardFailures, AnUnwritableLogKeepsThePreview)
{
    SmallBoardHarness cannotOpen(board3x3);
    cannotOpen.files.failOpen = true;
    EXPECT_EQ(cannotOpen.board.start(), StartOutcome::MoveLogUnwritable);
    expectWholePictureWaiting(cannotOpen);
    EXPECT_EQ(cannotOpen.board.phase(), Board::Phase::Preview);

    SmallBoardHarness cannotWrite(board5x5);
    cannotWrite.files.failWrites = true;
    EXPECT_EQ(cannotWrite.board.start(), StartOutcome::MoveLogUnwritable);
    expectWholePictureWaiting(cannotWrite);
    EXPECT_EQ(cannotWrite.files.openFiles, 0);

    // Once the disk is writable again the same screen starts normally.
    cannotWrite.files.failWrites = false;
    EXPECT_EQ(cannotWrite.board.start(), StartOutcome::Started);
    EXPECT_EQ(cannotWrite.screen.emptyViews(), 1);
}

} // namespace
} // namespace pintu::test
