#include "BoardHarness.h"
#include "GeniusBoard.h"
#include "KeptGame.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <functional>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;
using Phase = Board::Phase;

// Tile T-3 two cells left of the blank's home, the blank beside it: two
// moves, T-2 and then T-1, complete the picture.
std::unique_ptr<Random> twoMovesFromSolved(const BoardSize& size)
{
    return std::make_unique<ScriptedRandom>(ScriptedRandom::walk(size, {size.cells - 2, size.cells - 3}));
}

// Any board on the fakes, loaded and started.
struct AnyBoard : FakePlatform {
    explicit AnyBoard(const BoardSize& size, std::unique_ptr<Random> chance = nullptr)
        : FakePlatform(size.cells, chance ? std::move(chance) : twoMovesFromSolved(size)), size(size)
    {
        if (size.kind == BoardKind::Genius)
            board = std::make_unique<GeniusBoard>(platform(), testPicture);
        else
            board = std::make_unique<SmallBoard>(size, platform(), testPicture);
        board->load();
    }

    MoveOutcome click(int cell) { return board->click(cell); }
    // A tile beside the blank slides in.
    void move()
    {
        for (const Direction direction : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
            if (const auto found = board->arrangement().moveFor(direction)) {
                board->click(found->from);
                return;
            }
        }
    }
    void stepForwardUntilWhole()
    {
        while (board->stepForward() == ReplayOutcome::Shown) {
        }
    }

    const BoardSize& size;
    std::unique_ptr<Board> board;
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

using Play = std::function<void(AnyBoard&)>;

struct KeptRow {
    std::string name;
    const BoardSize* size;
    Play play; // after the start
    Play next; // what a player does on, the same on the board kept and on the board resumed
};

void PrintTo(const KeptRow& row, std::ostream* out)
{
    *out << row.name;
}

std::vector<KeptRow> keptRows()
{
    const auto nothing = [](AnyBoard&) {};
    const auto move = [](AnyBoard& game) { game.move(); };
    const auto autoSolve = [](AnyBoard& game) { game.board->autoSolve(); };
    const auto stepForward = [](AnyBoard& game) { game.board->stepForward(); };
    const auto win = [](AnyBoard& game) {
        game.click(game.size.cells - 2);
        game.click(game.size.cells - 1);
    };
    const auto closeWin = [](AnyBoard& game) { game.board->closeCompletedPicture(); };
    std::vector<KeptRow> rows;
    for (const BoardSize* size : {&board3x3, &board4x4, &board5x5}) {
        const std::string side = std::to_string(size->side);
        const auto named = [&side](const char* what) { return "N" + side + "_" + what; };
        rows.push_back({named("Started"), size, nothing, autoSolve});
        rows.push_back({named("Moved"), size, move, move});
        rows.push_back({named("TouchedAStillTile"), size, [](AnyBoard& game) { game.click(0); }, move});
        rows.push_back({named("Stepping"), size,
                        [](AnyBoard& game) {
                            game.board->autoSolve();
                            for (int press = 0; press < 3; ++press)
                                game.board->stepForward();
                        },
                        stepForward});
        rows.push_back({named("SteppedToTheWholePicture"), size,
                        [](AnyBoard& game) {
                            game.board->autoSolve();
                            game.stepForwardUntilWhole();
                        },
                        [](AnyBoard& game) { game.board->stepBack(); }});
        rows.push_back({named("Restarted"), size,
                        [](AnyBoard& game) {
                            game.board->autoSolve();
                            game.board->stepForward();
                            game.board->restart();
                        },
                        autoSolve});
        rows.push_back({named("Won"), size, win, closeWin});
    }
    rows.push_back({"N10_Moved", &board10x10, move, move});
    rows.push_back({"N10_Won", &board10x10, win, closeWin});
    return rows;
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
    row.play(original);
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

    row.next(original);
    row.next(resumed);
    expectSameScreen(resumed.screen, original.screen);
    EXPECT_EQ(resumed.board->snapshot(), original.board->snapshot());
    EXPECT_EQ(resumed.keeper.kept, original.keeper.kept);
}

class ReplayOfEachSmallBoard : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, ReplayOfEachSmallBoard, ::testing::Values(&board3x3, &board4x4, &board5x5),
                         [](const auto& info) { return "N" + std::to_string(info.param->side); });

// Only the log the game started with replays it; without it the start
// arrangement is played on, and nothing more is offered.
TEST_P(ReplayOfEachSmallBoard, GoesWithALogThatIsGoneOrAnotherGames)
{
    const BoardSize& size = *GetParam();
    AnyBoard another(size, shuffleEndingAt(size, 0));
    another.board->start();
    for (const bool anotherLog : {false, true}) {
        AnyBoard original(size);
        original.board->start();
        original.board->autoSolve();
        original.board->stepForward();
        ASSERT_EQ(original.keeper.kept->phase, Phase::Replaying);

        AnyBoard resumed(size);
        if (anotherLog)
            resumed.files.contents = another.files.contents;
        ASSERT_TRUE(resumed.board->resume(*original.keeper.kept));
        EXPECT_EQ(resumed.board->phase(), Phase::Playing);
        EXPECT_EQ(resumed.board->arrangement(), original.board->arrangement());
        for (const Control replay : {Control::AutoSolve, Control::Restart, Control::StepBack, Control::StepForward})
            EXPECT_FALSE(resumed.screen.isVisible(replay));
        EXPECT_EQ(resumed.screen.emptyViews(), 1);
        EXPECT_TRUE(resumed.screen.viewEnabled[0]);
        EXPECT_EQ(resumed.board->autoSolve(), ReplayOutcome::MoveLogDamaged);
        EXPECT_FALSE(resumed.keeper.kept->replayOffered);
    }
}

class EndsOfEachBoard : public ::testing::TestWithParam<const BoardSize*> {};

INSTANTIATE_TEST_SUITE_P(Sizes, EndsOfEachBoard, ::testing::Values(&board3x3, &board10x10),
                         [](const auto& info) { return "N" + std::to_string(info.param->side); });

TEST_P(EndsOfEachBoard, ForgetTheGameAndOnlyThey)
{
    const BoardSize& size = *GetParam();
    AnyBoard left(size);
    EXPECT_EQ(left.keeper.keeps, 0) << "a preview is no game";
    left.board->start();
    EXPECT_TRUE(left.keeper.kept);
    left.board->exit();
    EXPECT_FALSE(left.keeper.kept);

    // A win stays kept while the window celebrates it, and goes when it closes.
    AnyBoard won(size);
    won.board->start();
    won.click(size.cells - 2);
    EXPECT_EQ(won.click(size.cells - 1), MoveOutcome::Solved);
    ASSERT_TRUE(won.keeper.kept);
    EXPECT_EQ(won.keeper.kept->phase, Phase::Won);
    won.board->celebrationBegins();
    won.board->recordWinner("玩家");
    EXPECT_TRUE(won.keeper.kept);
    won.board->closeCompletedPicture();
    EXPECT_FALSE(won.keeper.kept);
    won.board->start();
    EXPECT_TRUE(won.keeper.kept);
}

// Typing the name counts, as it always did; the hour the program was down does not.
TEST(KeptGeniusGame, RecordsOnlyTheSecondsPlayed)
{
    AnyBoard before(board10x10);
    before.board->start();
    before.clock.advance(milliseconds(5040));
    before.click(board10x10.cells - 2);

    AnyBoard after(board10x10);
    after.clock.advance(std::chrono::hours(1));
    ASSERT_TRUE(after.board->resume(*before.keeper.kept));
    after.clock.advance(milliseconds(7000));
    ASSERT_EQ(after.click(board10x10.cells - 1), MoveOutcome::Solved);
    after.clock.advance(milliseconds(100)); // the last tile glides home
    after.board->celebrationBegins();
    after.clock.advance(milliseconds(250));
    ASSERT_TRUE(after.board->recordWinner("阿明"));
    EXPECT_EQ(after.files.contents.at(testDataFiles.hallOfFame), "\"阿明    步数: 2    时间: 12.3 秒    05-09-2001\"\r\n");

    // Ended while the winner typed: the name is asked again, the seconds go on from the win.
    AnyBoard cutShort(board10x10);
    ASSERT_TRUE(cutShort.board->resume(*after.keeper.kept));
    EXPECT_EQ(cutShort.board->phase(), Phase::Won);
    EXPECT_TRUE(cutShort.screen.showsWholePicture());
    EXPECT_FALSE(cutShort.screen.timerEnabled);
    cutShort.clock.advance(milliseconds(900));
    cutShort.board->celebrationBegins();
    ASSERT_TRUE(cutShort.board->recordWinner("阿明"));
    EXPECT_NE(cutShort.files.contents.at(testDataFiles.hallOfFame).find("时间: 12.1 秒"), std::string::npos);
}

} // namespace
} // namespace pintu::test
