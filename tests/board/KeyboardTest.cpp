#include "genius/GeniusBoard.h"
#include "tests/fakes/BoardHarness.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

// The arrow that slides the tile in `cell` into the blank beside it.
Direction arrowFor(int cell, int blank, int side)
{
    if (cell == blank + 1)
        return Direction::Left;
    if (cell == blank - 1)
        return Direction::Right;
    return cell == blank + side ? Direction::Up : Direction::Down;
}

class KeysOnEachSize : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, KeysOnEachSize, ::testing::Values(&board3x3, &board4x4, &board5x5),
                         [](const auto& info) { return "N" + std::to_string(info.param->side); });

TEST_P(KeysOnEachSize, AKeyMoveIsExactlyAClickMove)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness byClicks(size, shuffleEndingAt(size, size.side + 1));
    SmallBoardHarness byKeys(size, shuffleEndingAt(size, size.side + 1));
    byClicks.board.start();
    byKeys.board.start();
    byClicks.board.showNumberMap();
    byKeys.board.showNumberMap();

    // Up against the right edge, Left finds no tile; it still counts as the player's first touch.
    std::vector<MoveOutcome> clickOutcomes;
    std::vector<MoveOutcome> keyOutcomes;
    const Direction nowhere = Direction::Left;
    while (byKeys.board.arrangement().moveFor(nowhere))
        keyOutcomes.push_back(byKeys.board.press(nowhere));
    const Tiles before = byKeys.shownTiles();
    const int stepsBefore = byKeys.board.stepCount();
    EXPECT_EQ(byKeys.board.press(nowhere), MoveOutcome::NoEffect);
    EXPECT_EQ(byKeys.shownTiles(), before);
    EXPECT_EQ(byKeys.board.stepCount(), stepsBefore);
    EXPECT_FALSE(byKeys.screen.isVisible(Control::AutoSolve));
    EXPECT_FALSE(byKeys.screen.isVisible(Control::Restart));
    // The clicking player takes the same detour, then both go back to the start and play the shuffle backwards.
    const auto both = [&](int cell) {
        const int blank = byClicks.board.arrangement().blankCell();
        clickOutcomes.push_back(byClicks.click(cell));
        keyOutcomes.push_back(byKeys.board.press(arrowFor(cell, blank, size.side)));
    };
    for (int press = 0; press < stepsBefore; ++press)
        clickOutcomes.push_back(byClicks.click(byClicks.board.arrangement().blankCell() + 1));
    for (int press = 0; press < stepsBefore; ++press)
        both(byClicks.board.arrangement().blankCell() - 1);
    ASSERT_EQ(byClicks.playedTiles(), byClicks.loggedBlock(size.shuffleSteps));
    for (int b = size.shuffleSteps; b > 0; --b) {
        both(SmallBoardHarness::blankCell(byClicks.loggedBlock(b - 1), size));
        ASSERT_EQ(byKeys.shownTiles(), byClicks.shownTiles()) << "block " << b;
    }
    EXPECT_EQ(clickOutcomes.back(), MoveOutcome::Solved);
    EXPECT_EQ(keyOutcomes, clickOutcomes);
    EXPECT_EQ(byKeys.board.stepCount(), byClicks.board.stepCount());
    EXPECT_EQ(byKeys.screen.caption, byClicks.screen.caption);
    EXPECT_EQ(byKeys.screen.mapCaption, byClicks.screen.mapCaption);
    EXPECT_EQ(byKeys.files.contents, byClicks.files.contents);
    EXPECT_EQ(byKeys.files.openFiles, 0); // the first move closed the log either way
}

TEST_P(KeysOnEachSize, TheShuffleCanBeUndoneWithArrowsAlone)
{
    const BoardSize& size = *GetParam();
    SmallBoardHarness game(size, shuffleEndingAt(size, 0));
    game.board.start();
    MoveOutcome last = MoveOutcome::NoEffect;
    for (int b = size.shuffleSteps; b > 0; --b) {
        const int blank = game.board.arrangement().blankCell();
        const int cell = SmallBoardHarness::blankCell(game.loggedBlock(b - 1), size);
        last = game.board.press(arrowFor(cell, blank, size.side));
        ASSERT_NE(last, MoveOutcome::NoEffect) << "block " << b;
    }
    EXPECT_EQ(last, MoveOutcome::Solved);
    EXPECT_TRUE(game.screen.showsWholePicture());
    EXPECT_EQ(game.board.stepCount(), size.shuffleSteps);
    // Nothing moves between the win and the next start, and the credit label
    // shows no map while the win waits to be celebrated.
    for (const Direction direction : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
        EXPECT_EQ(game.board.press(direction), MoveOutcome::NoEffect);
    game.board.showNumberMap();
    EXPECT_FALSE(game.screen.mapVisible[0]);
    game.board.closeCompletedPicture();
    for (const Direction direction : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
        EXPECT_EQ(game.board.press(direction), MoveOutcome::NoEffect);
    EXPECT_EQ(game.board.stepCount(), size.shuffleSteps);
}

TEST(Keys, DoNothingBeforeStartNorWhileTheShuffleIsStepped)
{
    SmallBoardHarness game(board4x4, shuffleEndingAt(board4x4, 10));
    for (const Direction direction : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
        EXPECT_EQ(game.board.press(direction), MoveOutcome::NoEffect);
    EXPECT_EQ(game.screen.emptyViews(), 16);

    game.board.start();
    game.board.autoSolve();
    game.board.stepForward();
    const Tiles replayed = game.shownTiles();
    for (const Direction direction : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
        EXPECT_EQ(game.board.press(direction), MoveOutcome::NoEffect);
    EXPECT_EQ(game.shownTiles(), replayed);
    EXPECT_TRUE(game.screen.isVisible(Control::Restart)); // still on offer: no tile was touched

    game.board.restart();
    EXPECT_EQ(game.board.press(Direction::Up), MoveOutcome::Moved);
    EXPECT_EQ(game.board.stepCount(), 1);
}

TEST(Keys, WinTheGeniusBoardToo)
{
    BoardHarness<GeniusBoard> game(100, std::make_unique<ScriptedRandom>(ScriptedRandom::geniusTwoMovesFromSolved()));
    game.board.start();
    ASSERT_EQ(game.board.arrangement().blankCell(), 79);
    EXPECT_EQ(game.board.press(Direction::Right), MoveOutcome::Moved);   // 78 into 79: not the way home
    EXPECT_EQ(game.board.press(Direction::Left), MoveOutcome::Moved);    // and back
    EXPECT_EQ(game.board.press(Direction::Up), MoveOutcome::Moved);
    EXPECT_EQ(game.board.press(Direction::Up), MoveOutcome::Solved);
    EXPECT_EQ(game.board.stepCount(), 4);
    EXPECT_EQ(game.board.recordWinner("甲")->record, "\"甲    步数: 4    时间: 0 秒    05-09-2001\"\r\n");
}

} // namespace
} // namespace pintu::test
