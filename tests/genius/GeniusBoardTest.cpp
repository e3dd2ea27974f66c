#include "GeniusBoard.h"
#include "Messages.h"
#include "BoardHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

struct GeniusHarness : BoardHarness<GeniusBoard> {
    explicit GeniusHarness(std::unique_ptr<Random> chance = nullptr) : BoardHarness(100, std::move(chance)) {}
};

// The blank walks 99, 89, 79, 89, 79, ... and starts in 79: two moves from solved.
std::unique_ptr<Random> twoMovesFromSolved()
{
    return std::make_unique<ScriptedRandom>(ScriptedRandom::walk(board10x10, {89, 79}));
}

TEST(GeniusBoard, StartsWithEveryTileOnceAndTheBlankOnAnEvenCell)
{
    GeniusHarness game;
    EXPECT_EQ(game.screen.background, "/pictures/cat.bmp");
    game.board.Command1_Click();
    EXPECT_EQ(game.screen.emptyViews(), 1);
    std::vector<int> handles(game.screen.view.begin(), game.screen.view.end());
    std::sort(handles.begin(), handles.end());
    for (int t = 0; t < 99; ++t)
        EXPECT_EQ(handles[t + 1], game.cells.cell(t));
    const int blank = static_cast<int>(std::find(game.screen.view.begin(), game.screen.view.end(), emptyPicture) -
                                       game.screen.view.begin());
    EXPECT_EQ((blank / 10 + blank % 10) % 2, 0);
    EXPECT_FALSE(game.screen.isEnabled(Control::Command1));
    EXPECT_TRUE(game.screen.isVisible(Control::Label5));
}

TEST(GeniusBoard, NeverWrapsFromOneRowToTheNext)
{
    // The blank in 10 (after the walk up the first column); 9 is no neighbour of it.
    GeniusHarness game(std::make_unique<ScriptedRandom>(
        ScriptedRandom::walk(board10x10, {98, 97, 96, 95, 94, 93, 92, 91, 90, 80, 70, 60, 50, 40, 30, 20, 10})));
    game.board.Command1_Click();
    // Seventeen moves reach 10; the walk then swings between 20 and 10 and ends in 20.
    ASSERT_EQ(game.screen.view[20], emptyPicture);
    game.click(10);
    ASSERT_EQ(game.screen.view[10], emptyPicture);
    game.click(9);
    EXPECT_EQ(game.board.stepCount(), 1);
    EXPECT_EQ(game.screen.view[10], emptyPicture);
    game.click(21); // diagonal
    game.click(30); // two away
    game.click(10); // the blank itself
    EXPECT_EQ(game.board.stepCount(), 1);
    game.click(11);
    EXPECT_EQ(game.board.stepCount(), 2);
    EXPECT_EQ(game.screen.caption.at(Control::Label2), "2");
}

TEST(GeniusBoard, AWinAsksForANameUntilOneIsGivenAndRecordsIt)
{
    GeniusHarness game(twoMovesFromSolved());
    game.board.Command1_Click();
    ASSERT_EQ(game.screen.view[79], emptyPicture);
    game.clock.advance(milliseconds(12000));

    game.click(89);
    EXPECT_EQ(game.board.stepCount(), 1);
    EXPECT_FALSE(game.files.exists(testDataFiles.hallOfFame));

    bool wholeWhileAsking = true;
    game.screen.whileAsking = [&] {
        for (int c = 0; c < 100; ++c)
            wholeWhileAsking = wholeWhileAsking && game.screen.view[c] == game.cells.cell(c);
        game.clock.advance(milliseconds(100)); // typing takes time
    };
    game.screen.answers = {"", "", "  "};
    game.click(99);

    EXPECT_EQ(game.screen.prompts.size(), 3u);
    EXPECT_EQ(game.screen.prompts[0], "Tavro祝你:\n 拼图成功 !\n请天才输入大名：");
    EXPECT_EQ(game.screen.titles[0], "拼图天才");
    EXPECT_TRUE(wholeWhileAsking);
    EXPECT_FALSE(game.screen.timerEnabled);
    // 12 s before the winning move, 0.3 s of typing.
    EXPECT_EQ(game.files.contents.at(testDataFiles.hallOfFame),
              "\"      步数: 2    时间: 12.3 秒    05-09-2001\"\r\n");
    EXPECT_EQ(game.board.lastRecord(), game.files.contents.at(testDataFiles.hallOfFame));

    for (int c = 0; c < 100; ++c) {
        EXPECT_EQ(game.screen.view[c], emptyPicture);
        EXPECT_FALSE(game.screen.viewEnabled[c]);
    }
    EXPECT_TRUE(game.screen.isEnabled(Control::Command1));
    EXPECT_FALSE(game.screen.isVisible(Control::Label2));
    EXPECT_EQ(game.screen.background, "/pictures/cat.bmp");
    EXPECT_TRUE(game.screen.messages.empty());
}

TEST(GeniusBoard, WinsAppendAndKeepEarlierRecords)
{
    GeniusHarness game(twoMovesFromSolved());
    const std::string earlier = "\"老玩家    步数: 9999    时间: 1.5 秒    01-01-1999\"\r\n";
    game.files.contents[testDataFiles.hallOfFame] = earlier;
    for (const char* name : {"甲", "乙"}) {
        game.board.Command1_Click();
        game.screen.answers = {name};
        game.click(89);
        game.click(99);
    }
    const std::string& file = game.files.contents.at(testDataFiles.hallOfFame);
    EXPECT_EQ(file.substr(0, earlier.size()), earlier);
    EXPECT_NE(file.find("\"甲    步数: 2"), std::string::npos);
    EXPECT_GT(file.find("\"乙    步数: 2"), file.find("\"甲"));
}

TEST(GeniusBoard, AnUnwritableHallOfFameShowsTheRecordToKeep)
{
    GeniusHarness game(twoMovesFromSolved());
    game.files.failAppend = true;
    game.board.Command1_Click();
    game.screen.answers = {"阿明"};
    game.click(89);
    game.click(99);
    ASSERT_EQ(game.screen.messages.size(), 1u);
    EXPECT_EQ(game.screen.messages[0], messages::hallOfFameUnwritable + game.board.lastRecord());
    EXPECT_TRUE(game.screen.isEnabled(Control::Command1));
    EXPECT_EQ(game.screen.background, "/pictures/cat.bmp");
}

TEST(GeniusBoard, LeavingShowsTheHallOfFameButtonOnlyWhenTheFileExists)
{
    GeniusHarness without;
    without.board.Command2_Click();
    EXPECT_EQ(without.menu.shown, 1);
    EXPECT_EQ(without.menu.hallOfFameButton, false);
    EXPECT_TRUE(without.screen.unloaded);

    GeniusHarness with;
    with.files.contents[testDataFiles.hallOfFame] = "";
    with.board.Command2_Click();
    EXPECT_EQ(with.menu.hallOfFameButton, true);
}

TEST(GeniusBoard, AnUnreadablePictureSaysSoAndGoesBackToTheMenu)
{
    GeniusHarness game;
    game.cells.unreadable = {"/pictures/cat.bmp"};
    game.board.Command1_Click();
    EXPECT_EQ(game.screen.messages, std::vector<std::string>{messages::pictureUnreadable});
    EXPECT_TRUE(game.screen.unloaded);
    EXPECT_EQ(game.menu.shown, 1);
}

} // namespace
} // namespace pintu::test
