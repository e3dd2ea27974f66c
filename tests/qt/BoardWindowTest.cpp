#include "BoardWindowHarness.h"
#include "ModalScript.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

class EachBoardWindow : public ::testing::TestWithParam<int> {
protected:
    const BoardLayout& layout() const { return boardLayouts()[GetParam()]; }
};

INSTANTIATE_TEST_SUITE_P(Forms, EachBoardWindow, ::testing::Range(0, 8),
                         [](const auto& info) { return std::string(boardLayouts()[info.param].form); });

class EachSmallBoardWindow : public EachBoardWindow {};

INSTANTIATE_TEST_SUITE_P(Forms, EachSmallBoardWindow, ::testing::Values(0, 1, 2, 4, 5, 6),
                         [](const auto& info) { return std::string(boardLayouts()[info.param].form); });

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
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        EXPECT_FALSE(board.label(name)->isVisible()) << name;
    EXPECT_TRUE(board.button("Command1")->isEnabled());
    if (layout().autoSolve) {
        EXPECT_FALSE(board.button("Command3")->isVisible());
        EXPECT_FALSE(board.button("Command4")->isVisible());
        EXPECT_FALSE(board.label("Label6_0")->isVisible());
    }
}

TEST_P(EachBoardWindow, StartDrawsTheShuffledBoardAndTheClockTicks)
{
    const int target = 0;
    BoardWindowHarness board(layout(), BoardWindowHarness::endingAt(layout(), target));
    BoardWindow& window = board.open();
    board.click(board.button("Command1"));

    EXPECT_EQ(board.emptyView(), target);
    int empty = 0;
    for (int k = 0; k < layout().size->cells; ++k) {
        empty += board.view(k)->picture().isNull();
        EXPECT_TRUE(board.view(k)->isEnabled());
    }
    EXPECT_EQ(empty, 1);
    EXPECT_FALSE(board.button("Command1")->isEnabled());
    EXPECT_EQ(board.label("Label2")->text(), "0");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        EXPECT_TRUE(board.label(name)->isVisible()) << name;
    if (layout().autoSolve) {
        EXPECT_TRUE(board.button("Command3")->isVisible());
        EXPECT_FALSE(board.button("Command4")->isVisible());
        EXPECT_EQ(QFileInfo(QString::fromStdString(board.services.dataFiles.moveLog)).size(),
                  std::int64_t{layout().size->shuffleSteps + 1} * layout().size->cells * layout().size->recordLength);
    }
    // The background is gone: the empty view shows the window colour, not the picture.
    const QImage shot = window.grab().toImage();
    EXPECT_FALSE(looksLike(shot.pixelColor(board.view(target)->geometry().center()), cellCentreColour(target, layout().size->side)));

    board.clock.advance(milliseconds(12340));
    QTest::qWait(250);
    EXPECT_EQ(board.label("Label5")->text(), "12.4");
}

TEST(BoardWindow, ATileBesideTheBlankSlidesWhenClicked)
{
    const BoardLayout& form3 = boardLayout(LayoutSet::A, 1);
    BoardWindowHarness board(form3, BoardWindowHarness::endingAt(form3, 5));
    board.open();
    board.click(board.button("Command1"));
    const QPixmap tile = board.view(6)->picture();

    board.clickTile(15); // far away
    EXPECT_EQ(board.label("Label2")->text(), "0");
    EXPECT_FALSE(board.button("Command3")->isVisible());

    board.clickTile(6);
    EXPECT_EQ(board.label("Label2")->text(), "1");
    EXPECT_EQ(board.view(5)->picture().cacheKey(), tile.cacheKey());
    EXPECT_TRUE(board.view(6)->picture().isNull());
}

TEST_P(EachSmallBoardWindow, TheLastMoveShowsTheWholePictureAndTheMessage)
{
    const BoardSize& size = *layout().size;
    BoardWindowHarness board(layout(), BoardWindowHarness::endingAt(layout(), 0));
    BoardWindow& window = board.open();
    board.click(board.button("Command1"));

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

    EXPECT_EQ(board.label("Label2")->text(), QString::number(size.shuffleSteps));
    for (int k = 0; k < size.cells; ++k) {
        EXPECT_TRUE(board.view(k)->picture().isNull());
        EXPECT_FALSE(board.view(k)->isEnabled());
    }
    EXPECT_TRUE(board.button("Command1")->isEnabled());
    EXPECT_FALSE(board.label("Label2")->isVisible());
    const QImage shot = window.grab().toImage();
    EXPECT_TRUE(looksLike(shot.pixelColor(100, 100), board.picture.pixelColor(100, 100), 3));

    // And the same screen plays again.
    board.click(board.button("Command1"));
    EXPECT_EQ(board.label("Label2")->text(), "0");
    EXPECT_EQ(board.emptyView(), 0);
}

TEST_P(EachBoardWindow, ExitAndTheCloseBoxGoBackToTheMenu)
{
    for (const bool closeBox : {false, true}) {
        BoardWindowHarness board(layout());
        board.open();
        board.click(board.button("Command1"));
        if (closeBox)
            board.window->close();
        else
            board.click(board.button("Command2"));
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
    BoardWindowHarness board(boardLayout(LayoutSet::B, 2));
    board.open();
    QFile::remove(board.folder.filePath("picture.bmp"));
    ModalScript boxes;
    boxes.thenOk();
    board.click(board.button("Command1"));
    EXPECT_EQ(boxes.messages(), QStringList{"文件打开失败！"});
    EXPECT_EQ(board.menu.shown, 1);
}

TEST(BoardWindow, AutoSolveStepsAndRestartWithTheButtons)
{
    const BoardLayout& form12 = boardLayout(LayoutSet::B, 0);
    BoardWindowHarness board(form12, BoardWindowHarness::endingAt(form12, 4));
    board.open();
    board.click(board.button("Command1"));
    board.click(board.label("Label3"));
    EXPECT_TRUE(board.label("Label6_0")->isVisible());
    const QString startMap = board.label("Label6_4")->text();
    EXPECT_EQ(startMap, "8");

    board.click(board.button("Command3"));
    QPushButton* up = board.button("Command5");
    QPushButton* down = board.button("Command6");
    EXPECT_TRUE(up->isVisible());
    EXPECT_FALSE(up->isEnabled());
    EXPECT_TRUE(down->isEnabled());
    EXPECT_FALSE(board.label("Label6_0")->isVisible());
    EXPECT_FALSE(board.view(0)->isEnabled());
    EXPECT_TRUE(board.button("Command4")->isVisible());

    ModalScript boxes;
    boxes.thenOk();
    for (int press = 0; press < form12.size->shuffleSteps; ++press)
        board.click(down);
    EXPECT_EQ(boxes.messages(), QStringList{"Tavro祝你:\n 拼图成功 !"});
    EXPECT_TRUE(board.viewsShowWholePicture());
    EXPECT_FALSE(down->isEnabled());

    board.click(board.button("Command4"));
    EXPECT_EQ(board.emptyView(), 4);
    EXPECT_TRUE(board.view(0)->isEnabled());
    EXPECT_FALSE(up->isVisible());
    EXPECT_TRUE(board.button("Command3")->isVisible());
}

} // namespace
} // namespace pintu::test
