#include "board/Board.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/ModalScript.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

// A 4x4 board whose tiles glide as they do for a player.
struct GlidingBoard : BoardWindowHarness {
    explicit GlidingBoard(int blank = 5)
        : BoardWindowHarness(boardOf(Difficulty::Normal, LayoutSet::A),
                             endingAt(boardOf(Difficulty::Normal, LayoutSet::A), blank))
    {
        services.glide = milliseconds(100);
        openActive();
        click(button(Control::Start));
    }

    QWidget* glidingTile() const { return window->findChild<QWidget*>("glidingTile"); }

    // Does every view draw the tile the game says lies there, and the blank nothing?
    bool drawsTheGame() const
    {
        const QImage shot = window->grab().toImage();
        const Arrangement& game = window->logic().arrangement();
        for (int c = 0; c < game.cells(); ++c) {
            const QPoint centre = view(c)->geometry().center();
            const bool blank = c == game.blankCell();
            if (blank == looksLike(shot.pixelColor(centre), cellCentreColour(game.tileAt(c), game.side())))
                return false;
        }
        return true;
    }
};

TEST(Glide, ATileGlidesIntoTheBlankWhileTheGameHasMovedAlready)
{
    GlidingBoard board;
    const int blank = board.emptyView();
    const QRect from = board.view(blank + 1)->geometry();
    const QRect to = board.view(blank)->geometry();
    board.press(Qt::Key_Left);

    // The game counts the move at once; the drawing follows.
    EXPECT_EQ(board.label(Control::Steps)->text(), "1");
    EXPECT_EQ(board.emptyView(), blank + 1);
    QWidget* gliding = board.glidingTile();
    ASSERT_NE(gliding, nullptr);
    EXPECT_TRUE(gliding->isVisible());
    EXPECT_EQ(gliding->geometry(), from);
    EXPECT_FALSE(board.drawsTheGame()); // the destination waits for its tile

    // On its way the tile stays in its row, between its old cell and the blank.
    QTest::qWait(40);
    if (gliding->isVisible()) {
        const QRect halfway = gliding->geometry();
        EXPECT_LE(halfway.left(), from.left());
        EXPECT_GE(halfway.left(), to.left());
        EXPECT_EQ(halfway.top(), to.top());
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !gliding->isVisible(); }, 2000));
    EXPECT_TRUE(board.drawsTheGame());
}

TEST(Glide, ABurstOfMovesLandsEveryGlideInOrder)
{
    GlidingBoard board;
    // Twenty key presses a second, then as fast as keys can come; every one moves a tile.
    const Qt::Key paced[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down,
                             Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down};
    for (const Qt::Key key : paced) {
        board.press(key);
        QTest::qWait(50);
    }
    const Qt::Key hurried[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down,
                               Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Down};
    for (const Qt::Key key : hurried)
        board.press(key);
    EXPECT_EQ(board.label(Control::Steps)->text(), "20");

    // Clicks mixed in, as fast.
    for (int round = 0; round < 6; ++round) {
        const int blank = board.emptyView();
        board.clickTile(blank % 4 == 0 ? blank + 1 : blank - 1);
    }
    EXPECT_EQ(board.label(Control::Steps)->text(), "26");

    EXPECT_TRUE(QTest::qWaitFor([&] { return !board.glidingTile()->isVisible(); }, 2000));
    EXPECT_TRUE(board.drawsTheGame());
    // The views hold exactly the game's arrangement.
    const Arrangement& game = board.window->logic().arrangement();
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(board.view(c)->picture().isNull(), c == game.blankCell()) << "view " << c;
}

TEST(Glide, AGlideThatEndsJustBeforeTheNextMoveDoesNotCutTheNextGlideShort)
{
    GlidingBoard board;
    board.press(Qt::Key_Left);
    // Round by round until the motion ends: the glide then tells of its
    // landing by a queued call that the same round does not deliver yet.
    const auto* motion = board.window->findChild<QAbstractAnimation*>("glideMotion");
    ASSERT_NE(motion, nullptr);
    for (int round = 0; round < 400 && motion->state() == QAbstractAnimation::Running; ++round) {
        QTest::qSleep(5);
        QCoreApplication::processEvents();
    }
    QWidget* gliding = board.glidingTile();
    ASSERT_TRUE(gliding->isVisible()) << "the landing came before the next move could";
    board.press(Qt::Key_Right);
    QCoreApplication::processEvents();
    EXPECT_TRUE(gliding->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !gliding->isVisible(); }, 2000));
    EXPECT_TRUE(board.drawsTheGame());
}

TEST(Glide, TheWinningMessageWaitsForTheLastTileToLand)
{
    const BoardLayout& layout = boardOf(Difficulty::Easy, LayoutSet::A);
    BoardWindowHarness board(layout, BoardWindowHarness::endingAt(layout, 0));
    board.services.glide = milliseconds(100);
    board.open();
    board.click(board.button(Control::Start));

    bool landedUnderTheMessage = false;
    ModalScript boxes;
    boxes.then([&](QWidget* box) {
        const QWidget* gliding = board.window->findChild<QWidget*>("glidingTile");
        landedUnderTheMessage = gliding && !gliding->isVisible() && board.viewsShowWholePicture();
        box->close();
    });
    for (const int cell : board.solvingClicks())
        board.clickTile(cell);
    EXPECT_EQ(boxes.boxesSeen(), 0);
    // Clicks while the last tile lands change nothing.
    board.clickTile(5);
    board.clickTile(7);
    EXPECT_EQ(board.label(Control::Steps)->text(), QString::number(layout.size->shuffleSteps));

    EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.boxesSeen() == 1; }, 2000));
    EXPECT_TRUE(landedUnderTheMessage);
    EXPECT_TRUE(board.button(Control::Start)->isEnabled());
}

TEST(Glide, LeavingWhileATileGlidesLeavesNothingBehind)
{
    GlidingBoard board(0);
    // An ordinary move, no win: tile 4 glides up into the blank in cell 0. Leave before it lands.
    board.press(Qt::Key_Up);
    ModalScript boxes;
    board.click(board.button(Control::Exit));
    QTest::qWait(300);
    EXPECT_EQ(boxes.boxesSeen(), 0);
    EXPECT_EQ(board.menu.shown, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(board.window.isNull());
}

TEST(Glide, LeavingTheGeniusBoardBeforeTheWinningTileLandsStillRecordsTheWin)
{
    BoardWindowHarness board(boardOf(Difficulty::Genius, LayoutSet::A),
                             ScriptedRandom::geniusTwoMovesFromSolved().values);
    board.services.glide = milliseconds(100);
    board.open();
    board.click(board.button(Control::Start));
    ModalScript boxes;
    boxes.thenType("快手");
    board.clickTile(89);
    board.clickTile(99);
    board.click(board.button(Control::Exit)); // before the last tile has landed
    EXPECT_EQ(boxes.boxesSeen(), 1);
    QFile hallOfFame(QString::fromStdString(board.services.dataFiles.hallOfFame));
    ASSERT_TRUE(hallOfFame.open(QIODevice::ReadOnly));
    EXPECT_TRUE(hallOfFame.readAll().startsWith("\"\xbf\xec\xca\xd6    ")); // 快手 in GB2312
    EXPECT_EQ(board.menu.shown, 1);
    EXPECT_EQ(board.menu.hallOfFameButton, true);
}

} // namespace
} // namespace pintu::test
