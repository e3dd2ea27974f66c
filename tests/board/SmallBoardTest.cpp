#include "Messages.h"
#include "BoardHarness.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

const std::vector<Control> statusLabels{Control::Label1, Control::Label2, Control::Label3, Control::Label4,
                                        Control::Label5};

Arrangement firstCells(const Arrangement& arrangement, const BoardSize& size)
{
    return Arrangement(arrangement.begin(), arrangement.begin() + size.T);
}

void expectWholePictureWaiting(const SmallBoardHarness& game)
{
    const FakeScreen& screen = game.screen;
    for (int c = 0; c < game.size.T; ++c) {
        EXPECT_EQ(screen.view[c], emptyPicture) << "view " << c;
        EXPECT_FALSE(screen.viewEnabled[c]) << "view " << c;
        EXPECT_FALSE(screen.mapVisible[c]) << "map " << c;
    }
    for (const Control label : statusLabels)
        EXPECT_FALSE(screen.isVisible(label));
    EXPECT_TRUE(screen.isEnabled(Control::Command1));
    EXPECT_EQ(screen.background, "/pictures/cat.bmp");
}

class SmallBoardOfEachSize : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, SmallBoardOfEachSize, ::testing::Values(&board3x3, &board4x4, &board5x5),
                         [](const auto& info) { return "N" + std::to_string(info.param->N); });

TEST_P(SmallBoardOfEachSize, LoadsIntoThePreviewOfTheChosenPicture)
{
    SmallBoardHarness game(*GetParam());
    expectWholePictureWaiting(game);
    EXPECT_FALSE(game.screen.isVisible(Control::Command3));
    EXPECT_FALSE(game.screen.isVisible(Control::Command4));
    EXPECT_TRUE(game.screen.messages.empty());
}

TEST_P(SmallBoardOfEachSize, StartShufflesDrawsTheBoardAndRunsTheClock)
{
    SmallBoardHarness game(*GetParam());
    const BoardSize& size = game.size;
    game.board.Command1_Click();

    const FakeScreen& screen = game.screen;
    EXPECT_EQ(screen.emptyViews(), 1);
    for (int c = 0; c < size.T; ++c)
        EXPECT_TRUE(screen.viewEnabled[c]);
    EXPECT_EQ(game.shownTiles(), firstCells(game.board.arrangement(), size));
    EXPECT_EQ(screen.background, "");
    EXPECT_EQ(game.cells.picture, "/pictures/cat.bmp");
    for (const Control label : statusLabels)
        EXPECT_TRUE(screen.isVisible(label));
    EXPECT_EQ(screen.caption.at(Control::Label2), "0");
    EXPECT_FALSE(screen.isEnabled(Control::Command1));
    EXPECT_TRUE(screen.isVisible(Control::Command3));
    EXPECT_FALSE(screen.isVisible(Control::Command4));
    for (int c = 0; c < size.T; ++c)
        EXPECT_FALSE(screen.mapVisible[c]);

    EXPECT_EQ(screen.caption.at(Control::Label5), "0"); // before the first tick too
    game.clock.advance(milliseconds(12340));
    game.board.Timer1_Timer();
    EXPECT_EQ(screen.caption.at(Control::Label5), "12.4");
    game.clock.advance(std::chrono::hours(24)); // across midnight: the real duration
    game.board.Timer1_Timer();
    EXPECT_EQ(screen.caption.at(Control::Label5), "86412.4");
}

TEST_P(SmallBoardOfEachSize, TheBlankSlidesOnlyToTheFourNeighbours)
{
    const BoardSize& size = *GetParam();
    const int N = size.N;
    for (int blank = 0; blank < size.T; ++blank) {
        if ((blank / N + blank % N) % 2 != 0)
            continue; // after J moves the blank always stands on an even cell
        for (int clicked = 0; clicked < size.T; ++clicked) {
            SmallBoardHarness game(size, shuffleEndingAt(size, blank));
            game.board.Command1_Click();
            ASSERT_EQ(game.screen.view[blank], emptyPicture);
            const Arrangement before = game.shownTiles();
            game.click(clicked);

            const int distance = std::abs(blank / N - clicked / N) + std::abs(blank % N - clicked % N);
            const bool legal = distance == 1;
            EXPECT_EQ(game.board.stepCount(), legal ? 1 : 0) << "blank " << blank << " clicked " << clicked;
            Arrangement expected = before;
            if (legal)
                std::swap(expected[blank], expected[clicked]);
            EXPECT_EQ(game.shownTiles(), expected);
            EXPECT_EQ(firstCells(game.board.arrangement(), size), expected);
            EXPECT_FALSE(game.screen.isVisible(Control::Command3));
            EXPECT_FALSE(game.screen.isVisible(Control::Command4));
        }
    }
}

TEST(SmallBoardMoves, NeverWrapFromTheEndOfOneRowToTheNext)
{
    // Blank in 4, then 3: a click on 2 has no business with cell 3.
    SmallBoardHarness easy(board3x3, shuffleEndingAt(board3x3, 4));
    easy.board.Command1_Click();
    easy.click(3);
    ASSERT_EQ(easy.screen.view[3], emptyPicture);
    easy.click(2);
    EXPECT_EQ(easy.board.stepCount(), 1);
    EXPECT_EQ(easy.screen.view[3], emptyPicture);

    // Blank in 8 of the 4x4 board, then in 4: a click on 3 stays put.
    SmallBoardHarness normal(board4x4, shuffleEndingAt(board4x4, 8));
    normal.board.Command1_Click();
    normal.click(4);
    ASSERT_EQ(normal.screen.view[4], emptyPicture);
    normal.click(3);
    EXPECT_EQ(normal.board.stepCount(), 1);
}

TEST_P(SmallBoardOfEachSize, TheNumberMapFollowsEveryMoveEvenWhileHidden)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, shuffleEndingAt(size, 0));
    game.board.Command1_Click();
    for (const int cell : {1, 0, size.N, size.N + 1, 1})
        game.click(cell);
    EXPECT_EQ(game.board.stepCount(), 5);
    for (int c = 0; c < size.T; ++c) {
        EXPECT_FALSE(game.screen.mapVisible[c]);
        EXPECT_EQ(game.screen.mapCaption[c], std::to_string(game.board.arrangement()[c]));
    }
}

TEST_P(SmallBoardOfEachSize, PlayingTheShuffleBackCompletesThePicture)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, shuffleEndingAt(size, 0));
    game.board.Command1_Click();
    game.board.Label3_Click();
    game.clock.advance(milliseconds(5000));

    int wholeWhileMessageShows = 0;
    game.screen.whileMessageShows = [&] {
        bool whole = true;
        for (int c = 0; c < size.T; ++c)
            whole = whole && game.screen.view[c] == game.cells.cell(c);
        wholeWhileMessageShows += whole && !game.screen.timerEnabled;
    };
    game.solveByLog(size.J);

    EXPECT_EQ(game.screen.messages, std::vector<std::string>{messages::solved});
    EXPECT_EQ(wholeWhileMessageShows, 1);
    EXPECT_EQ(game.board.stepCount(), size.J);
    EXPECT_EQ(game.screen.caption.at(Control::Label2), std::to_string(size.J));
    expectWholePictureWaiting(game);
    EXPECT_FALSE(game.screen.timerEnabled);

    // A new game on the same screen starts from scratch.
    game.clock.advance(milliseconds(7000));
    game.board.Command1_Click();
    EXPECT_EQ(game.board.stepCount(), 0);
    EXPECT_EQ(game.screen.caption.at(Control::Label2), "0");
    EXPECT_EQ(game.screen.emptyViews(), 1);
    EXPECT_TRUE(game.screen.timerEnabled);
    EXPECT_TRUE(game.screen.isVisible(Control::Command3));
    EXPECT_EQ(game.screen.caption.at(Control::Label5), "0");
    EXPECT_EQ(game.cells.cuts, 2);
}

TEST(SmallBoardMoves, TheFirstLegalMoveClosesTheLogAndLeavesItOnDisk)
{
    SmallBoardHarness game(board4x4, shuffleEndingAt(board4x4, 10));
    game.board.Command1_Click();
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
    game.board.Command1_Click();
    for (int i = 0; i < 20000; ++i) {
        game.click(1);
        game.click(4);
    }
    EXPECT_EQ(game.board.stepCount(), 40000);
    EXPECT_EQ(game.screen.caption.at(Control::Label2), "40000");
}

TEST(SmallBoardExit, DeletesTheLogAndShowsTheMenuAgain)
{
    SmallBoardHarness played(board5x5);
    played.board.Command1_Click();
    played.board.Command2_Click();
    EXPECT_FALSE(played.files.exists(testDataFiles.moveLog));
    EXPECT_EQ(played.files.openFiles, 0);
    EXPECT_EQ(played.menu.shown, 1);
    EXPECT_TRUE(played.screen.unloaded);

    SmallBoardHarness leftOver(board3x3);
    leftOver.files.contents[testDataFiles.moveLog] = "from an earlier run";
    leftOver.board.Command2_Click();
    EXPECT_FALSE(leftOver.files.exists(testDataFiles.moveLog));
}

TEST(SmallBoardFailures, AnUnreadablePictureSaysSoAndGoesBackToTheMenu)
{
    SmallBoardHarness atLoad(board3x3);
    atLoad.screen.unreadableBackgrounds = {"/pictures/cat.bmp"};
    atLoad.screen.unloaded = false;
    atLoad.board.Form_Load();
    EXPECT_EQ(atLoad.screen.messages, std::vector<std::string>{messages::pictureUnreadable});
    EXPECT_TRUE(atLoad.screen.unloaded);
    EXPECT_EQ(atLoad.menu.shown, 1);

    SmallBoardHarness atStart(board4x4);
    atStart.cells.unreadable = {"/pictures/cat.bmp"};
    atStart.board.Command1_Click();
    EXPECT_EQ(atStart.screen.messages, std::vector<std::string>{messages::pictureUnreadable});
    EXPECT_TRUE(atStart.screen.unloaded);
    EXPECT_EQ(atStart.files.openFiles, 0);
    EXPECT_FALSE(atStart.files.exists(testDataFiles.moveLog));
}

TEST(SmallBoardFailures, AnUnwritableLogKeepsThePreview)
{
    SmallBoardHarness cannotOpen(board3x3);
    cannotOpen.files.failOpen = true;
    cannotOpen.board.Command1_Click();
    EXPECT_EQ(cannotOpen.screen.messages, std::vector<std::string>{messages::moveLogUnwritable});
    expectWholePictureWaiting(cannotOpen);
    EXPECT_FALSE(cannotOpen.screen.unloaded);

    SmallBoardHarness cannotWrite(board5x5);
    cannotWrite.files.failWrites = true;
    cannotWrite.board.Command1_Click();
    EXPECT_EQ(cannotWrite.screen.messages, std::vector<std::string>{messages::moveLogUnwritable});
    expectWholePictureWaiting(cannotWrite);
    EXPECT_EQ(cannotWrite.files.openFiles, 0);

    // Once the disk is writable again the same screen starts normally.
    cannotWrite.files.failWrites = false;
    cannotWrite.board.Command1_Click();
    EXPECT_EQ(cannotWrite.screen.emptyViews(), 1);
}

} // namespace
} // namespace pintu::test
