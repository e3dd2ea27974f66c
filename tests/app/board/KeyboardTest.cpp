#include "app/Game.h"
#include "app/text/KeyTable.h"
#include "board/Board.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestServices.h"

#include <QApplication>
#include <QRadioButton>
#include <QShortcut>

#include <set>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

// The arrow that slides the tile in `cell` into the blank beside it.
Qt::Key arrowFor(int cell, int blank, int side)
{
    if (cell == blank + 1)
        return Qt::Key_Left;
    if (cell == blank - 1)
        return Qt::Key_Right;
    return cell == blank + side ? Qt::Key_Up : Qt::Key_Down;
}

class ArrowsOnEachBoardWindow : public ::testing::TestWithParam<const BoardLayout*> {
protected:
    const BoardLayout& layout() const { return *GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Boards, ArrowsOnEachBoardWindow, ::testing::ValuesIn(everyBoardLayout()), nameOfBoard);

TEST_P(ArrowsOnEachBoardWindow, FinishTheBoardWithoutTheMouseAndLeaveTheFocusAlone)
{
    const BoardSize& size = *layout().size;
    const bool genius = size.kind == BoardKind::Genius;
    // The genius walk ends two moves from solved; the small boards' logs are played backwards.
    BoardWindowHarness board(layout(), genius ? ScriptedRandom::geniusTwoMovesFromSolved().values
                                              : BoardWindowHarness::endingAt(layout(), 0));
    BoardWindow& window = board.openActive();

    // Arrows before the start touch nothing, and Space on the focused "开始" starts.
    QPushButton* start = board.button(Control::Start);
    start->setFocus();
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
        press(&window, key);
    EXPECT_EQ(QApplication::focusWidget(), start);
    EXPECT_EQ(board.emptyView(), 0); // every view still empty: the first one is
    press(&window, Qt::Key_Space);
    ASSERT_FALSE(start->isEnabled());

    QPushButton* exit = board.button(Control::Exit);
    exit->setFocus();
    ModalScript boxes;
    if (genius)
        boxes.thenType("阿明");
    else
        boxes.thenOk();
    const std::vector<int> path = genius ? std::vector<int>{89, 99} : board.solvingClicks();
    for (const int cell : path) {
        press(&window, arrowFor(cell, board.emptyView(), size.side));
        if (boxes.boxesSeen() == 0) {
            ASSERT_TRUE(board.view(cell)->picture().isNull()) << "cell " << cell;
        }
    }
    EXPECT_EQ(boxes.boxesSeen(), 1);
    EXPECT_EQ(board.label(Control::Steps)->text(), QString::number(path.size()));
    EXPECT_EQ(window.focusWidget(), exit);
    // The completed picture went back behind empty views, ready for the next start.
    EXPECT_TRUE(start->isEnabled());
    EXPECT_TRUE(board.view(0)->picture().isNull());
    press(&window, Qt::Key_Up);
    EXPECT_TRUE(board.view(size.cells - 1)->picture().isNull());
}

TEST_P(ArrowsOnEachBoardWindow, KeepPlayingAfterAStrayKeyAndTabStillReachesEveryButton)
{
    BoardWindowHarness board(layout());
    BoardWindow& window = board.openActive();
    board.click(board.button(Control::Start));
    if (layout().size->kind == BoardKind::Logged) {
        board.click(board.button(Control::AutoSolve));
        board.click(board.button(Control::Restart));
    }
    EXPECT_EQ(QApplication::focusWidget(), &window);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        press(&window, key);
    EXPECT_EQ(window.logic().phase(), Board::Phase::Playing);
    EXPECT_EQ(board.menu.shown, 0);

    const int round = 2 * static_cast<int>(boardControls.size());
    std::set<QWidget*> reached;
    for (int k = 0; k < round; ++k) {
        press(&window, Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    for (const BoardControl& design : boardControls) {
        QWidget* button = design.isButton ? board.button(design.control) : nullptr;
        if (button && button->isVisible() && button->isEnabled()) {
            EXPECT_TRUE(reached.contains(button)) << design.caption;
        }
    }
    const int blank = board.emptyView();
    press(&window, blank % layout().size->side > 0 ? Qt::Key_Right : Qt::Key_Left);
    EXPECT_EQ(board.label(Control::Steps)->text(), "1");

    // Space presses the button Tab reached.
    for (int k = 0; k < round && QApplication::focusWidget() != board.button(Control::Exit); ++k)
        press(&window, Qt::Key_Tab);
    press(&window, Qt::Key_Space);
    EXPECT_EQ(board.menu.shown, 1);
}

// The whole game, so that the resolution window shows as the program shows it.
struct GameHarness : TestServices {
    // The first window, shown and taking the keys.
    ResolutionWindow& start()
    {
        game.start();
        ResolutionWindow& window = resolutionWindow();
        activate(window);
        return window;
    }

    Game game{services};
};

TEST(KeyTable, HoldsEveryKeyTheWindowsBind)
{
    BoardWindowHarness small(boardOf(Difficulty::Normal, LayoutSet::A));
    small.services.hints.search = [](const Arrangement&, std::stop_token) { return std::optional<Hint>(); };
    BoardWindowHarness genius(boardOf(Difficulty::Genius, LayoutSet::A));
    GameHarness run;
    run.start();
    named<QPushButton>(resolutionWindow(), ResolutionControlNames::start)->click();

    std::set<QKeySequence> bound;
    for (const QWidget* window : std::initializer_list<const QWidget*>{
             &small.open(), &genius.open(), &resolutionWindow(), run.game.menu(LayoutSet::A)}) {
        for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
            bound.insert(shortcut->key());
    }
    std::set<QKeySequence> listed;
    for (const KeyBinding& binding : keyBindings)
        listed.insert(QKeySequence(binding.keys));
    EXPECT_EQ(bound, listed);
}

TEST(ResolutionWindowKeys, FocusStartsOnStartAndEnterStarts)
{
    GameHarness run;
    ResolutionWindow& window = run.start();
    auto* start = named<QPushButton>(window, ResolutionControlNames::start);
    QRadioButton* first = resolutionOption(window, LayoutSet::A);
    QRadioButton* second = resolutionOption(window, LayoutSet::B);
    EXPECT_EQ(QApplication::focusWidget(), start);

    press(&window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), first);
    press(&window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), second);
    press(&window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), start);
    QTest::keyClick(start, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), second);
    press(&window, Qt::Key_Tab);

    press(&window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    ASSERT_NE(run.game.menu(LayoutSet::A), nullptr);
    EXPECT_TRUE(run.game.menu(LayoutSet::A)->isVisible());
}

TEST(ResolutionWindowKeys, EnterStartsTheChoiceTheFocusIsOn)
{
    GameHarness run;
    ResolutionWindow& window = run.start();
    QRadioButton* second = resolutionOption(window, LayoutSet::B);
    second->setFocus();
    press(&window, Qt::Key_Space);
    ASSERT_TRUE(second->isChecked());
    press(&window, Qt::Key_Enter);
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
    ASSERT_NE(run.game.menu(LayoutSet::B), nullptr);
    EXPECT_TRUE(run.game.menu(LayoutSet::B)->isVisible());
}

} // namespace
} // namespace pintu::test
