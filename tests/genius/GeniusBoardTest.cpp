#include "genius/GeniusBoard.h"
#include "tests/fakes/BoardHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

struct GeniusHarness : BoardHarness<GeniusBoard> {
    explicit GeniusHarness(std::unique_ptr<Random> chance = nullptr) : BoardHarness(100, std::move(chance)) {}
};

std::unique_ptr<Random> twoMovesFromSolved()
{
    return std::make_unique<ScriptedRandom>(ScriptedRandom::geniusTwoMovesFromSolved());
}

TEST(GeniusBoard, StartsWithEveryTileOnceAndTheBlankOnAnEvenCell)
{
    GeniusHarness game;
    EXPECT_EQ(game.screen.background, "/pictures/cat.bmp");
    game.board.start();
    EXPECT_EQ(game.screen.emptyViews(), 1);
    std::vector<int> shown(game.screen.view.begin(), game.screen.view.end());
    std::sort(shown.begin(), shown.end());
    for (int t = 0; t < 99; ++t)
        EXPECT_EQ(shown[t + 1], t);
    const int blank = static_cast<int>(std::find(game.screen.view.begin(), game.screen.view.end(), noTile) -
                                       game.screen.view.begin());
    EXPECT_EQ(blank, game.board.arrangement().blankCell());
    EXPECT_EQ((blank / 10 + blank % 10) % 2, 0);
    EXPECT_FALSE(game.screen.isEnabled(Control::Start));
    EXPECT_TRUE(game.screen.isVisible(Control::Clock));
}

TEST(GeniusBoard, AWinRecordsTheNameWithTheSecondsTheClockStoppedAt)
{
    GeniusHarness game(twoMovesFromSolved());
    game.board.start();
    ASSERT_EQ(game.screen.view[79], noTile);
    game.clock.advance(milliseconds(5000));
    ASSERT_TRUE(game.board.pause());
    game.clock.advance(milliseconds(600000)); // the player answers the door
    ASSERT_TRUE(game.board.goOn());
    game.clock.advance(milliseconds(7000));

    EXPECT_EQ(game.click(89), MoveOutcome::Moved);
    EXPECT_EQ(game.board.stepCount(), 1);
    EXPECT_FALSE(game.files.exists(testDataFiles.hallOfFame));

    EXPECT_EQ(game.click(99), MoveOutcome::Solved);
    // While the winner types, the whole picture shows and the clock stands.
    EXPECT_TRUE(game.screen.showsWholePicture());
    EXPECT_FALSE(game.screen.timerEnabled);
    EXPECT_FALSE(game.files.exists(testDataFiles.hallOfFame));
    game.clock.advance(milliseconds(100)); // the winning tile glides home
    game.board.celebrationBegins();
    game.clock.advance(milliseconds(16200));
    const auto entry = game.board.recordWinner("  ");
    game.board.closeCompletedPicture();

    // 12 s played: neither the pause nor the typing counts; a name of spaces does.
    EXPECT_EQ(game.files.contents.at(testDataFiles.hallOfFame),
              "\"      步数: 2    时间: 12 秒    05-09-2001\"\r\n");
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->saved);
    EXPECT_EQ(entry->record, game.files.contents.at(testDataFiles.hallOfFame));

    for (int c = 0; c < 100; ++c) {
        EXPECT_EQ(game.screen.view[c], noTile);
        EXPECT_FALSE(game.screen.viewEnabled[c]);
    }
    EXPECT_TRUE(game.screen.isEnabled(Control::Start));
    EXPECT_FALSE(game.screen.isVisible(Control::Steps));
    EXPECT_EQ(game.screen.background, "/pictures/cat.bmp");
}

TEST(GeniusBoard, WinsAppendAndKeepEarlierRecords)
{
    GeniusHarness game(twoMovesFromSolved());
    const std::string earlier = "\"老玩家    步数: 9999    时间: 1.5 秒    01-01-1999\"\r\n";
    game.files.contents[testDataFiles.hallOfFame] = earlier;
    for (const char* name : {"甲", "乙"}) {
        game.board.start();
        game.click(89);
        ASSERT_EQ(game.click(99), MoveOutcome::Solved);
        game.board.recordWinner(name);
        game.board.closeCompletedPicture();
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
    game.board.start();
    game.click(89);
    game.click(99);
    const auto entry = game.board.recordWinner("阿明");
    ASSERT_TRUE(entry);
    EXPECT_FALSE(entry->saved);
    EXPECT_EQ(entry->record, "\"阿明    步数: 2    时间: 0 秒    05-09-2001\"\r\n");
    game.board.closeCompletedPicture();
    EXPECT_TRUE(game.screen.isEnabled(Control::Start));
    EXPECT_EQ(game.screen.background, "/pictures/cat.bmp");
}

TEST(GeniusBoard, LeavingShowsTheHallOfFameButtonOnlyWhenTheFileExists)
{
    GeniusHarness without;
    EXPECT_EQ(without.board.exit().hallOfFameButton, false);

    GeniusHarness with;
    with.files.contents[testDataFiles.hallOfFame] = "";
    EXPECT_EQ(with.board.exit().hallOfFameButton, true);
}

TEST(GeniusBoard, AnUnreadablePictureAtStartIsReported)
{
    GeniusHarness game;
    game.cells.unreadable = {"/pictures/cat.bmp"};
    EXPECT_EQ(game.board.start(), StartOutcome::PictureUnreadable);
    EXPECT_EQ(game.board.phase(), Board::Phase::Preview);
}

} // namespace
} // namespace pintu::test
