#include "app/dialogs/RecordsWindow.h"
#include "board/Board.h"
#include "records/RecordBook.h"
#include "solver/Solver.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/ModalScript.h"

#include <QLabel>

#include <atomic>
#include <new>
#include <thread>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

// A search that answers at once: the tile on the blank's right, or on its left.
std::optional<Hint> besideTheBlank(const Arrangement& arrangement, std::stop_token)
{
    const int blank = arrangement.blankCell();
    const int cell = blank % arrangement.side() + 1 < arrangement.side() ? blank + 1 : blank - 1;
    return Hint{cell, 17, true};
}

// A search that takes until it is told to stop, counting how often it ran.
struct SlowSearch {
    std::optional<Hint> operator()(const Arrangement&, std::stop_token stop) const
    {
        ++*started;
        while (!stop.stop_requested())
            std::this_thread::sleep_for(milliseconds(2));
        ++*stopped;
        return std::nullopt;
    }

    std::shared_ptr<std::atomic<int>> started = std::make_shared<std::atomic<int>>(0);
    std::shared_ptr<std::atomic<int>> stopped = std::make_shared<std::atomic<int>>(0);
};

struct HintedBoard : BoardWindowHarness {
    explicit HintedBoard(HintSearch search, Difficulty difficulty = Difficulty::Normal, int blank = 5,
                         HintProgress progress = {})
        : BoardWindowHarness(boardOf(difficulty, LayoutSet::A), endingAt(boardOf(difficulty, LayoutSet::A), blank))
    {
        services.hints.search = std::move(search);
        services.hints.progress = std::move(progress);
        openActive();
    }

    void start() const { click(button(Control::Start)); }
    void pressH() const { press(Qt::Key_H); }
    QWidget* mark() const { return window->findChild<QWidget*>("hintMark"); }
    QLabel* text() const { return window->findChild<QLabel*>("hintText"); }
    bool markShows() const { return mark() && mark()->isVisible(); }
    bool textShows() const { return text() && text()->isVisible(); }
};

TEST(Hint, HMarksTheTileToMoveAndSaysHowManyMovesAreLeft)
{
    HintedBoard board(besideTheBlank);
    board.start();
    const int blank = board.emptyView();
    board.pressH();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.markShows(); }, 2000));
    EXPECT_EQ(board.mark()->geometry(), board.view(blank + 1)->geometry());
    ASSERT_TRUE(board.textShows());
    EXPECT_EQ(board.text()->text(), "最少还需 17 步");
    // Beside the tile, level with it.
    const QRect tile = board.view(blank + 1)->geometry();
    EXPECT_TRUE(board.text()->geometry().left() > tile.right() || board.text()->geometry().right() < tile.left());
    EXPECT_GE(board.text()->geometry().bottom(), tile.top());
    EXPECT_LE(board.text()->geometry().top(), tile.bottom());

    // A hint is no step; the mark fades, the text stays until the next move.
    EXPECT_EQ(board.label(Control::Steps)->text(), "0");
    EXPECT_TRUE(board.button(Control::AutoSolve)->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !board.markShows(); }, 3000));
    EXPECT_TRUE(board.textShows());
    board.clickTile(blank + 1);
    EXPECT_FALSE(board.textShows());
}

TEST(Hint, TheGamesOwnSolverShowsTheFirstMoveOfTheShortestWay)
{
    auto solver = std::make_shared<solver::Solver>();
    // The shuffle ends with the blank two moves from home, in cell 4 by way of cell 5.
    HintedBoard board([solver](const Arrangement& arrangement, std::stop_token stop) {
        return findHint(*solver, arrangement, stop);
    }, Difficulty::Easy, 4);
    board.start();
    board.pressH();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.textShows(); }, 5000));
    EXPECT_EQ(board.text()->text(), "最少还需 2 步");
    EXPECT_EQ(board.mark()->geometry(), board.view(5)->geometry());
}

TEST(Hint, ThatIsNotProvenShortestSaysAbout)
{
    HintedBoard board([](const Arrangement& arrangement, std::stop_token stop) {
        auto hint = besideTheBlank(arrangement, stop);
        hint->proven = false;
        return hint;
    }, Difficulty::Harder);
    board.start();
    board.pressH();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.textShows(); }, 2000));
    EXPECT_EQ(board.text()->text(), "约需 17 步");
}

TEST(Hint, AMoveWhileTheHintIsSoughtCancelsIt)
{
    SlowSearch search;
    HintedBoard board(search);
    board.start();
    board.pressH();
    ASSERT_TRUE(QTest::qWaitFor([&] { return *search.started == 1; }, 2000));
    board.pressH(); // a second H while one is sought starts no other
    QTest::qWait(50);
    EXPECT_EQ(*search.started, 1);

    // A search that takes a while says so beside the blank.
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.textShows(); }, 2000));
    EXPECT_EQ(board.text()->text(), "正在计算…");
    EXPECT_FALSE(board.markShows());

    QTest::keyClick(board.window.data(), Qt::Key_Down);
    EXPECT_EQ(board.label(Control::Steps)->text(), "1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return *search.stopped == 1; }, 2000));
    QTest::qWait(50);
    EXPECT_FALSE(board.markShows());
    EXPECT_FALSE(board.textShows());

    // And the next H asks afresh.
    board.pressH();
    EXPECT_TRUE(QTest::qWaitFor([&] { return *search.started == 2; }, 2000));
}

TEST(Hint, ASearchThatRunsOutOfMemorySaysThereIsNoneAndTheGamePlaysOn)
{
    HintedBoard board([](const Arrangement&, std::stop_token) -> std::optional<Hint> { throw std::bad_alloc(); });
    board.start();
    board.pressH();
    const auto* note = board.window->findChild<QLabel*>("noHintNote");
    ASSERT_NE(note, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return note->isVisible(); }, 2000));
    EXPECT_EQ(note->text(), "暂时没有提示");
    QTest::keyClick(board.window.data(), Qt::Key_Down);
    EXPECT_EQ(board.label(Control::Steps)->text(), "1");
}

TEST(Hint, TellsHowFarAFirstBuildOfTheTablesHasCome)
{
    std::optional<int> built = 40;
    HintedBoard board(SlowSearch{}, Difficulty::Normal, 5, [&] { return built; });
    board.start();
    board.pressH();
    const auto shows = [&](const char* words) {
        return QTest::qWaitFor([&] { return board.textShows() && board.text()->text() == words; }, 2000);
    };
    EXPECT_TRUE(shows("正在计算… 40%"));
    built = 75;
    EXPECT_TRUE(shows("正在计算… 75%"));
    // Built: the search itself goes on.
    built.reset();
    EXPECT_TRUE(shows("正在计算…"));
}

TEST(Hint, IsOnlyOfferedWhileAGameIsPlayed)
{
    int searches = 0;
    HintedBoard board([&](const Arrangement& arrangement, std::stop_token stop) {
        ++searches;
        return besideTheBlank(arrangement, stop);
    });
    board.pressH(); // before the start
    board.start();
    board.click(board.button(Control::AutoSolve));
    board.pressH(); // while the shuffle is stepped
    QTest::qWait(100);
    EXPECT_EQ(searches, 0);
    EXPECT_FALSE(board.markShows());

    board.click(board.button(Control::Restart));
    board.pressH();
    EXPECT_TRUE(QTest::qWaitFor([&] { return board.markShows(); }, 2000));
    EXPECT_EQ(searches, 1);
}

TEST(Hint, IsNotOfferedOnTheGeniusBoardWhichSaysSoBesideTheTiles)
{
    int searches = 0;
    HintedBoard board([&](const Arrangement& arrangement, std::stop_token stop) {
        ++searches;
        return besideTheBlank(arrangement, stop);
    }, Difficulty::Genius, 0);
    board.start();
    board.pressH();
    EXPECT_EQ(rightClickMenu(board.window.data(), QPoint(100, 100)), (QStringList{"暂停", "看原图", "成绩…", "帮助"}));
    EXPECT_EQ(searches, 0);
    EXPECT_EQ(board.mark(), nullptr);

    const auto* note = board.window->findChild<QLabel*>("noHintNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), "天才级没有提示"); // where it lies, in every language: LanguagesTest
    EXPECT_TRUE(QTest::qWaitFor([&] { return !note->isVisible(); }, 4000));
}

TEST(Hint, TheRightClickMenuOffersIt)
{
    int searches = 0;
    HintedBoard board([&](const Arrangement& arrangement, std::stop_token stop) {
        ++searches;
        return besideTheBlank(arrangement, stop);
    });
    const QPoint inside(100, 100);
    EXPECT_EQ(rightClickMenu(board.window.data(), inside, "提示"),
              (QStringList{"提示", "暂停", "看原图", "成绩…", "帮助"}));
    board.start();
    EXPECT_EQ(searches, 0); // not before the start
    rightClickMenu(board.window.data(), inside, "提示");
    EXPECT_TRUE(QTest::qWaitFor([&] { return board.textShows(); }, 2000));
}

// After a win by moves, H sets them against the fewest the start needed,
// worked out by the game's own solver, and F4 lists the win.
TEST(Review, AfterAWinSaysTheFewestMovesAndTheRecordsShowTheWin)
{
    auto solver = std::make_shared<solver::Solver>();
    const BoardLayout& layout = boardOf(Difficulty::Easy, LayoutSet::A);
    // The shuffle ends with the blank two moves from home, in cell 4 by way of cell 5.
    BoardWindowHarness board(layout, BoardWindowHarness::endingAt(layout, 4));
    RecordBook records(board.files, board.folder.filePath("data/records.txt").toStdString());
    board.services.shortestWay = [solver](const Arrangement& start, std::stop_token stop) {
        return shortestWay(*solver, start, stop);
    };
    board.services.records = &records;
    board.openActive();
    board.click(board.button(Control::Start));
    board.clock.advance(milliseconds(4200));
    ModalScript boxes;
    boxes.thenOk();
    for (const int cell : {5, 4, 5, 8}) // a detour, then home
        board.clickTile(cell);
    EXPECT_EQ(boxes.messages(), QStringList{"Tavro祝你:\n 拼图成功 !"});

    activate(*board.window); // as the desktop does once the message has closed
    board.press(Qt::Key_H);
    const auto* note = board.window->findChild<QLabel*>("reviewNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return note->isVisible() && note->text() == "你用了 4 步，最少 2 步"; }, 5000))
        << note->text().toStdString();

    QString shown;
    boxes.then([&](QWidget* box) {
        shown = box->windowTitle() + "\n" + static_cast<RecordsWindow*>(box)->text();
        box->close();
    });
    board.press(Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 2000));
    EXPECT_TRUE(shown.startsWith("拼图成绩\n")) << shown.toStdString();
    for (const char* cell : {"3×3", "05-09-2001", "4.2", "4 / 2"})
        EXPECT_TRUE(shown.contains(cell)) << cell << " in " << shown.toStdString();
}

} // namespace
} // namespace pintu::test
