#include "board/Bounds.h"
#include "board/NumberText.h"
#include "genius/GeniusBoard.h"
#include "genius/MakeBoard.h"
#include "resume/KeptGame.h"
#include "tests/fakes/BoardHarness.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;
using Phase = Board::Phase;

// Any board on the fakes, loaded. Its shuffle leaves tile T-3 two cells left of
// the blank's home and the blank beside it: T-2 and then T-1 complete the picture.
struct AnyBoard : FakePlatform {
    explicit AnyBoard(const BoardSize& size, std::unique_ptr<Random> chance = nullptr)
        : FakePlatform(size.cells, chance ? std::move(chance)
                                          : std::make_unique<ScriptedRandom>(ScriptedRandom::walk(
                                                size, {size.cells - 2, size.cells - 3}))),
          size(size)
    {
        MadeBoard made = makeBoard(size, platform(), testPicture);
        board = std::move(made.board);
        genius = made.genius;
        board->load();
    }

    // A player's commands, a letter each: m a move up, t a click on a tile that
    // cannot move, w the two winning moves, c the win celebrated, a auto-solve,
    // f and b a step forward and back, F steps forward to the whole picture.
    void play(std::string_view commands)
    {
        for (const char command : commands) {
            switch (command) {
            case 'm':
                board->click(board->arrangement().moveFor(Direction::Down)->from);
                break;
            case 't':
                board->click(0);
                break;
            case 'w':
                board->click(size.cells - 2);
                board->click(size.cells - 1);
                break;
            case 'c':
                board->closeCompletedPicture();
                break;
            case 'a':
                board->autoSolve();
                break;
            case 'f':
                board->stepForward();
                break;
            case 'b':
                board->stepBack();
                break;
            case 'F':
                while (board->stepForward() == ReplayOutcome::Shown) {
                }
                break;
            }
        }
    }

    const BoardSize& size;
    std::unique_ptr<Board> board;
    GeniusBoard* genius = nullptr;
};

// What a player can see, the clock and the map's captions aside: a board that
// comes back shows the clock from the time played, its map again after a move.
void expectSameScreen(const FakeScreen& seen, const FakeScreen& expected)
{
    EXPECT_EQ(seen.view, expected.view);
    EXPECT_EQ(seen.viewEnabled, expected.viewEnabled);
    EXPECT_EQ(seen.visible, expected.visible);
    EXPECT_EQ(seen.enabled, expected.enabled);
    EXPECT_EQ(seen.caption.at(Control::Steps), expected.caption.at(Control::Steps));
    EXPECT_EQ(seen.mapVisible, expected.mapVisible);
    EXPECT_EQ(seen.background, expected.background);
    EXPECT_EQ(seen.timerEnabled, expected.timerEnabled);
}

struct KeptRow {
    std::string name;
    const BoardSize* size;
    std::string play; // after the start
    std::string next; // then, on the board kept and on the board played on alike
};

struct Scenario {
    const char* name;
    const char* play;
    const char* next;
    bool replays; // only the boards with a move log have it
};

constexpr Scenario scenarios[] = {
    {"Moved", "m", "m", false},          {"Won", "w", "c", false},
    {"Started", "", "a", true},          {"TouchedAStillTile", "t", "m", true},
    {"Stepping", "afff", "f", true},     {"SteppedToTheWholePicture", "aF", "b", true},
    {"SteppedBack", "affb", "a", true},  {"AutoSolved", "a", "f", true},
    {"SteppedBackToTheStart", "afb", "f", true},
};

std::vector<KeptRow> keptRows()
{
    std::vector<KeptRow> rows;
    for (const BoardSize* size : {&board3x3, &board4x4, &board5x5, &board10x10}) {
        for (const Scenario& scenario : scenarios) {
            if (!scenario.replays || size->kind == BoardKind::Logged)
                rows.push_back({"N" + std::to_string(size->side) + scenario.name, size, scenario.play, scenario.next});
        }
    }
    return rows;
}

void PrintTo(const KeptRow& row, std::ostream* out)
{
    *out << row.name;
}

class KeptGameOnEachBoard : public ::testing::TestWithParam<KeptRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, KeptGameOnEachBoard, ::testing::ValuesIn(keptRows()),
                         [](const auto& info) { return info.param.name; });

// Kept through its text, then played on by a board of a later run on the same
// files, an hour later: everything as it stood, the clock from the time played.
TEST_P(KeptGameOnEachBoard, PlaysOnAsItStood)
{
    const KeptRow& row = GetParam();
    AnyBoard original(*row.size);
    original.board->start();
    original.clock.advance(milliseconds(2500));
    original.play(row.play);
    original.clock.advance(milliseconds(4800));
    original.board->keep();
    ASSERT_TRUE(original.keeper.kept);
    const KeptGame kept{1, row.size, testPicture, *original.keeper.kept};
    const auto read = readKeptGame(keptGameText(kept));
    ASSERT_EQ(read, kept);

    AnyBoard resumed(*row.size);
    resumed.files.contents = original.files.contents;
    resumed.clock.advance(std::chrono::hours(1));
    ASSERT_TRUE(resumed.board->resume(read->game));
    EXPECT_EQ(resumed.board->snapshot(), kept.game);
    expectSameScreen(resumed.screen, original.screen);
    EXPECT_EQ(resumed.screen.caption.at(Control::Clock), plainTenths(elapsedTenths(kept.game.played)));

    original.play(row.next);
    resumed.play(row.next);
    expectSameScreen(resumed.screen, original.screen);
    EXPECT_EQ(resumed.keeper.kept, original.keeper.kept);
}

// Only the log the game started with replays it: without it, or with another
// game's, the start arrangement is played on and no replay is offered.
TEST(KeptReplay, GoesWithALogThatIsGoneOrAnotherGames)
{
    AnyBoard another(board4x4, shuffleEndingAt(board4x4, 0));
    another.board->start();
    for (const bool anotherLog : {false, true}) {
        AnyBoard original(board4x4);
        original.board->start();
        original.play("af");
        AnyBoard resumed(board4x4);
        if (anotherLog)
            resumed.files.contents = another.files.contents;
        ASSERT_TRUE(resumed.board->resume(*original.keeper.kept));
        EXPECT_EQ(resumed.board->phase(), Phase::Playing);
        EXPECT_EQ(resumed.board->arrangement(), original.board->arrangement());
        for (const Control replay : {Control::AutoSolve, Control::Restart, Control::StepBack, Control::StepForward})
            EXPECT_FALSE(resumed.screen.isVisible(replay));
        EXPECT_EQ(resumed.screen.emptyViews(), 1);
        EXPECT_TRUE(resumed.screen.viewEnabled[0]);
    }
}

class EndsOfEachBoard : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, EndsOfEachBoard, ::testing::Values(&board3x3, &board10x10),
                         [](const auto& info) { return "N" + std::to_string(info.param->side); });

TEST_P(EndsOfEachBoard, ForgetTheGameAndOnlyThey)
{
    // The game an earlier run kept waits for its picture, whatever the player looks at meanwhile.
    AnyBoard looked(*GetParam());
    looked.keeper.kept = Board::Snapshot{Phase::Playing, Arrangement::solved(GetParam()->side), 1, {}, false, 0};
    looked.board->exit();
    EXPECT_TRUE(looked.keeper.kept) << "a preview left forgets nothing";

    AnyBoard left(*GetParam());
    EXPECT_EQ(left.keeper.keeps, 0) << "a preview is no game";
    left.board->start();
    EXPECT_TRUE(left.keeper.kept);
    left.board->exit();
    EXPECT_FALSE(left.keeper.kept);

    // A win stays kept while the window celebrates it, and goes when it closes.
    AnyBoard won(*GetParam());
    won.board->start();
    won.play("w");
    ASSERT_EQ(won.keeper.kept->phase, Phase::Won);
    if (won.genius)
        won.genius->recordWinner("玩家");
    EXPECT_TRUE(won.keeper.kept);
    won.play("c");
    EXPECT_FALSE(won.keeper.kept);
}

// Neither the hour the program was down nor typing the name is playing time.
TEST(KeptGeniusGame, RecordsOnlyTheSecondsPlayed)
{
    AnyBoard before(board10x10);
    before.board->start();
    before.clock.advance(milliseconds(5040));
    before.board->click(board10x10.cells - 2);

    AnyBoard after(board10x10);
    after.clock.advance(std::chrono::hours(1));
    ASSERT_TRUE(after.board->resume(*before.keeper.kept));
    after.clock.advance(milliseconds(7000));
    ASSERT_EQ(after.board->click(board10x10.cells - 1), MoveOutcome::Solved);
    after.clock.advance(milliseconds(100)); // the last tile glides home
    after.board->celebrationBegins();
    after.clock.advance(milliseconds(250));
    ASSERT_TRUE(after.genius->recordWinner("阿明"));
    EXPECT_EQ(after.files.contents.at(testDataFiles.hallOfFame), "\"阿明    步数: 2    时间: 12.1 秒    05-09-2001\"\r\n");
}

// Steps and time stop at their bounds, where the kept file (its round trip
// there: KeptGameText) and the hall of fame take them as they are.
TEST(KeptGeniusGame, StopsItsNumbersAtTheirBounds)
{
    AnyBoard before(board10x10);
    before.board->start();
    Board::Snapshot nearTheEnd = *before.keeper.kept;
    nearTheEnd.steps = mostSteps - 1;
    nearTheEnd.played = longestPlay - std::chrono::seconds(1);

    AnyBoard after(board10x10);
    ASSERT_TRUE(after.board->resume(nearTheEnd));
    after.board->click(board10x10.cells - 2);
    after.clock.advance(std::chrono::hours(24));
    after.board->tick();
    EXPECT_EQ(after.screen.caption.at(Control::Steps), std::to_string(mostSteps));
    EXPECT_EQ(after.screen.caption.at(Control::Clock), plainTenths(elapsedTenths(longestPlay)));
    EXPECT_EQ(after.board->snapshot()->steps, mostSteps);
    EXPECT_EQ(after.board->snapshot()->played, longestPlay);

    ASSERT_EQ(after.board->click(board10x10.cells - 1), MoveOutcome::Solved);
    after.board->celebrationBegins();
    ASSERT_TRUE(after.genius->recordWinner("阿明"));
    EXPECT_EQ(after.files.contents.at(testDataFiles.hallOfFame),
              hallOfFameRecord("阿明", mostSteps, elapsedTenths(longestPlay), after.clock.date()));
}

} // namespace
} // namespace pintu::test
