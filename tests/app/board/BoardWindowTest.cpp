#include "tests/support/BoardWindowHarness.h"
#include "tests/support/ModalScript.h"

#include <QFileInfo>

#include <functional>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

// The step count, the clock and their captions, and the credit. Which
// controls the board's logic shows when is its own test's; these show that
// each window's widgets follow it.
constexpr std::array statusLabels{Control::StepsCaption, Control::Steps, Control::ClockCaption, Control::Clock,
                                  Control::Credit};

class EachBoardWindow : public ::testing::TestWithParam<const BoardLayout*> {
protected:
    const BoardLayout& layout() const { return *GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Boards, EachBoardWindow, ::testing::ValuesIn(everyBoardLayout()), nameOfBoard);

class EachSmallBoardWindow : public EachBoardWindow {};

INSTANTIATE_TEST_SUITE_P(Boards, EachSmallBoardWindow, ::testing::ValuesIn(loggedBoardLayouts()), nameOfBoard);

TEST_P(EachBoardWindow, PreviewShowsTheWholePictureBehindEmptyDisabledViews)
{
    BoardWindowHarness board(layout());
    BoardWindow& window = board.open();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "拼图");
    const QImage shot = window.grab().toImage();
    for (const QPoint spot : {QPoint(5, 5), QPoint(200, 150), QPoint(390, 290)})
        EXPECT_TRUE(looksLike(shot.pixelColor(spot), board.picture.pixelColor(spot), 3)) << spot.x() << "," << spot.y();
    for (int k = 0; k < layout().size->cells; ++k) {
        EXPECT_TRUE(board.view(k)->picture().isNull());
        EXPECT_FALSE(board.view(k)->isEnabled());
    }
    for (const Control status : statusLabels)
        EXPECT_FALSE(board.label(status)->isVisible()) << controlName(status);
}

TEST_P(EachBoardWindow, StartDrawsTheShuffledBoardAndTheClockTicks)
{
    const int target = 0;
    BoardWindowHarness board(layout(), BoardWindowHarness::endingAt(layout(), target));
    BoardWindow& window = board.open();
    board.click(board.button(Control::Start));

    EXPECT_EQ(board.emptyView(), target);
    int empty = 0;
    for (int k = 0; k < layout().size->cells; ++k) {
        empty += board.view(k)->picture().isNull();
        EXPECT_TRUE(board.view(k)->isEnabled());
    }
    EXPECT_EQ(empty, 1);
    EXPECT_FALSE(board.button(Control::Start)->isEnabled());
    for (const Control status : statusLabels)
        EXPECT_TRUE(board.label(status)->isVisible()) << controlName(status);
    // The background is gone: the empty view shows the window colour, not the picture.
    const QImage shot = window.grab().toImage();
    EXPECT_FALSE(looksLike(shot.pixelColor(board.view(target)->geometry().center()), cellCentreColour(target, layout().size->side)));

    board.clock.advance(milliseconds(12340));
    QTest::qWait(250);
    EXPECT_EQ(board.label(Control::Clock)->text(), "12.4");
}

TEST(BoardWindow, ATileBesideTheBlankSlidesWhenClicked)
{
    const BoardLayout& layout = boardOf(Difficulty::Normal, LayoutSet::A);
    BoardWindowHarness board(layout, BoardWindowHarness::endingAt(layout, 5));
    board.open();
    board.click(board.button(Control::Start));
    const QPixmap tile = board.view(6)->picture();

    board.clickTile(6);
    EXPECT_EQ(board.label(Control::Steps)->text(), "1");
    EXPECT_EQ(board.view(5)->picture().cacheKey(), tile.cacheKey());
    EXPECT_TRUE(board.view(6)->picture().isNull());
}

TEST_P(EachSmallBoardWindow, TheLastMoveShowsTheWholePictureAndTheMessage)
{
    const BoardSize& size = *layout().size;
    BoardWindowHarness board(layout(), BoardWindowHarness::endingAt(layout(), 0));
    BoardWindow& window = board.open();
    board.click(board.button(Control::Start));

    bool wholeUnderTheMessage = false;
    QString title;
    QStringList buttons;
    ModalScript boxes;
    boxes.then([&](QWidget* box) {
        wholeUnderTheMessage = board.viewsShowWholePicture();
        title = box->windowTitle();
        buttons = buttonCaptions(box);
        EXPECT_EQ(messageText(box), "Tavro祝你:\n 拼图成功 !");
        box->close();
    });
    for (const int cell : board.solvingClicks())
        board.clickTile(cell);

    EXPECT_EQ(boxes.boxesSeen(), 1);
    EXPECT_TRUE(wholeUnderTheMessage);
    EXPECT_EQ(title, "拼图");
    EXPECT_EQ(buttons, QStringList{"确定"});

    EXPECT_EQ(board.label(Control::Steps)->text(), QString::number(size.shuffleSteps));
    for (int k = 0; k < size.cells; ++k) {
        EXPECT_TRUE(board.view(k)->picture().isNull());
        EXPECT_FALSE(board.view(k)->isEnabled());
    }
    EXPECT_TRUE(board.button(Control::Start)->isEnabled());
    EXPECT_FALSE(board.label(Control::Steps)->isVisible());
    const QImage shot = window.grab().toImage();
    EXPECT_TRUE(looksLike(shot.pixelColor(100, 100), board.picture.pixelColor(100, 100), 3));

    // And the same screen plays again.
    board.click(board.button(Control::Start));
    EXPECT_EQ(board.label(Control::Steps)->text(), "0");
    EXPECT_EQ(board.emptyView(), 0);
}

TEST_P(EachBoardWindow, ExitAndTheCloseBoxGoBackToTheMenu)
{
    for (const bool closeBox : {false, true}) {
        BoardWindowHarness board(layout());
        board.open();
        board.click(board.button(Control::Start));
        if (closeBox)
            board.window->close();
        else
            board.click(board.button(Control::Exit));
        EXPECT_EQ(board.menu.shown, 1);
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(board.services.dataFiles.moveLog)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(board.window.isNull());
    }
}

TEST_P(EachBoardWindow, AnUnreadablePictureSaysSoAndNeverOpens)
{
    BoardWindowHarness board(layout());
    board.folder.writeBytes("picture.bmp", "BM this is no bitmap");
    ModalScript boxes;
    boxes.thenOk();
    board.open();
    EXPECT_EQ(boxes.messages(), QStringList{"文件打开失败！"});
    EXPECT_EQ(board.menu.shown, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(board.window.isNull());
}

TEST(BoardWindow, APictureThatVanishesBeforeStartSaysSo)
{
    BoardWindowHarness board(boardOf(Difficulty::Harder, LayoutSet::B));
    board.open();
    QFile::remove(board.folder.filePath("picture.bmp"));
    ModalScript boxes;
    boxes.thenOk();
    board.click(board.button(Control::Start));
    EXPECT_EQ(boxes.messages(), QStringList{"文件打开失败！"});
    EXPECT_EQ(board.menu.shown, 1);
}

TEST(BoardWindow, AutoSolveStepsAndRestartWithTheButtons)
{
    const BoardLayout& layout = boardOf(Difficulty::Easy, LayoutSet::B);
    BoardWindowHarness board(layout, BoardWindowHarness::endingAt(layout, 4));
    board.open();
    board.click(board.button(Control::Start));
    board.click(board.label(Control::Credit));
    EXPECT_TRUE(board.numberMapLabel(0)->isVisible());
    const QString startMap = board.numberMapLabel(4)->text();
    EXPECT_EQ(startMap, "8");

    board.click(board.button(Control::AutoSolve));
    QPushButton* up = board.button(Control::StepBack);
    QPushButton* down = board.button(Control::StepForward);
    EXPECT_TRUE(up->isVisible());
    EXPECT_FALSE(up->isEnabled());
    EXPECT_TRUE(down->isEnabled());
    EXPECT_FALSE(board.numberMapLabel(0)->isVisible());
    EXPECT_FALSE(board.view(0)->isEnabled());
    EXPECT_TRUE(board.button(Control::Restart)->isVisible());

    ModalScript boxes;
    boxes.thenOk();
    for (int press = 0; press < layout.size->shuffleSteps; ++press)
        board.click(down);
    EXPECT_EQ(boxes.messages(), QStringList{"Tavro祝你:\n 拼图成功 !"});
    EXPECT_TRUE(board.viewsShowWholePicture());
    EXPECT_FALSE(down->isEnabled());

    board.click(board.button(Control::Restart));
    EXPECT_EQ(board.emptyView(), 4);
    EXPECT_TRUE(board.view(0)->isEnabled());
    EXPECT_FALSE(up->isVisible());
    EXPECT_TRUE(board.button(Control::AutoSolve)->isVisible());
}

// A pause, or a look at the picture, takes the tiles' place and gives it
// back exactly as it was.
struct OverTheTilesRow {
    const char* name;
    std::function<void(BoardWindowHarness&)> show;
    bool wholePicture; // else the tiles are covered
    std::function<void(BoardWindowHarness&)> end;
};

const OverTheTilesRow overTheTilesRows[] = {
    {"Pause", [](BoardWindowHarness& board) { board.press(Qt::Key_P); }, false,
     [](BoardWindowHarness& board) { board.click(board.window->findChild<QWidget*>("pauseCover")); }},
    {"PauseKey", [](BoardWindowHarness& board) { board.press(Qt::Key_Pause); }, false,
     [](BoardWindowHarness& board) { board.press(Qt::Key_Pause); }},
    {"HeldV", [](BoardWindowHarness& board) { QTest::keyPress(board.window.data(), Qt::Key_V); }, true,
     [](BoardWindowHarness& board) { QTest::keyRelease(board.window.data(), Qt::Key_V); }},
    {"LookFromTheMenuUntilAKey",
     [](BoardWindowHarness& board) {
         rightClickMenu(board.window.data(), QPoint(5, 5), "看原图");
         QTest::qWait(50);
     },
     true, [](BoardWindowHarness& board) { board.press(Qt::Key_Left); }},
};

void PrintTo(const OverTheTilesRow& row, std::ostream* out)
{
    *out << row.name;
}

class OverTheTiles : public ::testing::TestWithParam<OverTheTilesRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, OverTheTiles, ::testing::ValuesIn(overTheTilesRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(OverTheTiles, ShowsInTheirPlaceAndGivesThemBack)
{
    const OverTheTilesRow& row = GetParam();
    const BoardLayout& layout = boardOf(Difficulty::Normal, LayoutSet::A);
    BoardWindowHarness board(layout, BoardWindowHarness::endingAt(layout, 5));
    BoardWindow& window = board.openActive();
    board.click(board.button(Control::Start));
    board.clock.advance(milliseconds(3000));
    QTest::qWait(250);
    QRect tiles;
    for (int k = 0; k < layout.size->cells; ++k)
        tiles |= board.view(k)->geometry();
    const QImage before = window.grab(tiles).toImage();

    row.show(board);
    board.clock.advance(milliseconds(60000));
    QTest::qWait(250);
    if (row.wholePicture) {
        EXPECT_TRUE(board.viewsShowWholePicture());
        EXPECT_EQ(board.label(Control::Clock)->text(), "63");
    } else {
        const QImage shot = window.grab().toImage();
        for (int k = 0; k < layout.size->cells; ++k) {
            const QPoint centre = board.view(k)->geometry().center();
            if (k != 5 && shot.rect().contains(centre)) {
                EXPECT_FALSE(looksLike(shot.pixelColor(centre), cellCentreColour(k, layout.size->side))) << k;
            }
        }
        EXPECT_EQ(board.label(Control::Clock)->text(), "3");
        board.clickTile(6);
        QTest::keyClick(board.window.data(), Qt::Key_Left);
    }

    row.end(board);
    EXPECT_EQ(board.label(Control::Steps)->text(), "0");
    EXPECT_EQ(window.grab(tiles).toImage(), before);
    QTest::keyClick(board.window.data(), Qt::Key_Left);
    EXPECT_EQ(board.label(Control::Steps)->text(), "1");
}

} // namespace
} // namespace pintu::test
