#include "BoardWindow.h"
#include "FakeClock.h"
#include "FileList.h"
#include "Game.h"
#include "HallOfFame.h"
#include "ModalScript.h"
#include "QtFiles.h"
#include "ScriptedRandom.h"
#include "TestPictures.h"
#include "TestServices.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

void click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

template <typename Widget = QWidget>
Widget* child(const QWidget* window, const QString& name)
{
    return window->findChild<Widget*>(name);
}

// A whole run of the game, started from the resolution choice, over a folder
// of pictures that is the current folder while the game runs.
struct GameRun : TestServices {
    GameRun() { folder.writeBitmap("tiles.bmp", positionPicture(300, 240)); }

    // Form0 with the given resolution, then "开始": the menu it opened.
    MenuWindow& startWith(LayoutSet set)
    {
        game.start();
        ResolutionWindow& form0 = game.resolutionWindow();
        click(child(&form0, set == LayoutSet::A ? "Option1_0" : "Option1_1"));
        click(child(&form0, "Command1"));
        menu = game.menu(set);
        EXPECT_NE(menu, nullptr);
        return *menu;
    }

    void reveal() const { QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(4, 4)); }

    void pickFile(const QString& name) const
    {
        auto* list = child<FileList>(menu, "File1");
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString() << " is not listed";
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    }

    void chooseDifficulty(int index) const { click(child(menu, QString("Option1_%1").arg(index))); }

    // "确定" with a file chosen: the board it opened.
    BoardWindow* confirm() const
    {
        ModalScript noBoxes;
        click(child(menu, "Command1"));
        return menu->openBoard();
    }

    void leaveBoard() const
    {
        BoardWindow* board = menu->openBoard();
        ASSERT_NE(board, nullptr);
        click(child(board, "Command2"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool hallOfFameButtonShown() const { return child(menu, "Command3")->isVisible(); }
    bool exists(const std::string& path) const { return QFileInfo::exists(QString::fromStdString(path)); }

    Game game{services};
    MenuWindow* menu = nullptr;
};

TEST(GameFlow, OneEasyGameOnSetAFromTheFirstWindowToTheExit)
{
    GameRun run;
    MenuWindow& form1 = run.startWith(LayoutSet::A);
    EXPECT_FALSE(run.game.resolutionWindow().isVisible());
    EXPECT_TRUE(form1.isVisible());
    EXPECT_TRUE(child(&form1, "Label1")->isVisible());
    EXPECT_FALSE(child(&form1, "File1")->isVisible());

    run.reveal();
    run.pickFile("tiles.bmp");
    BoardWindow* form2 = run.confirm();
    ASSERT_NE(form2, nullptr);
    EXPECT_EQ(std::string(form2->layout().form), "Form2");
    EXPECT_TRUE(form2->isVisible());
    EXPECT_FALSE(form1.isVisible());

    click(child(form2, "Command1"));
    EXPECT_TRUE(run.exists(run.services.dataFiles.moveLog));

    run.leaveBoard();
    EXPECT_EQ(form1.openBoard(), nullptr);
    EXPECT_FALSE(run.exists(run.services.dataFiles.moveLog));
    EXPECT_EQ(run.game.menu(LayoutSet::A), &form1);
    EXPECT_TRUE(form1.isVisible());
    EXPECT_FALSE(child(&form1, "Label1")->isVisible());
    EXPECT_EQ(form1.pictureFileName(), "tiles.bmp");
    EXPECT_FALSE(run.game.resolutionWindow().isVisible());
    EXPECT_EQ(run.endings, 0);

    click(child(&form1, "Command2"));
    EXPECT_EQ(run.endings, 1);
}

TEST(GameFlow, SetBOpensOnlyTheBoardsOfSetB)
{
    GameRun run;
    MenuWindow& form11 = run.startWith(LayoutSet::B);
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
    run.reveal();
    run.pickFile("tiles.bmp");
    run.chooseDifficulty(3);

    BoardWindow* form15 = run.confirm();
    ASSERT_NE(form15, nullptr);
    EXPECT_EQ(std::string(form15->layout().form), "Form15");
    EXPECT_EQ(form15->layout().size->side, 10);
    run.leaveBoard();

    EXPECT_TRUE(form11.isVisible());
    EXPECT_TRUE(child<QRadioButton>(&form11, "Option1_3")->isChecked());
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
}

TEST(GameFlow, TheGeniusBoardShowsTheHallOfFameButtonWhenItBringsTheMenuBack)
{
    GameRun run;
    run.startWith(LayoutSet::A);
    run.reveal();
    EXPECT_FALSE(run.hallOfFameButtonShown());
    run.pickFile("tiles.bmp");
    run.chooseDifficulty(3);

    ASSERT_NE(run.confirm(), nullptr);
    // A win is recorded while the board is open.
    ASSERT_TRUE(run.files.appendText(run.services.dataFiles.hallOfFame,
                                     hallOfFameRecord("小明", 812, 3456, "05-09-2001")));
    run.leaveBoard();
    EXPECT_TRUE(run.menu->isVisible());
    EXPECT_TRUE(run.hallOfFameButtonShown());

    // Without the file the genius board's exit takes the button away again.
    ASSERT_NE(run.confirm(), nullptr);
    QFile::remove(QString::fromStdString(run.services.dataFiles.hallOfFame));
    run.leaveBoard();
    EXPECT_FALSE(run.hallOfFameButtonShown());
}

TEST(GameFlow, APictureGoneBeforeOkSaysSoAndTheMenuComesBack)
{
    GameRun run;
    run.startWith(LayoutSet::B);
    run.reveal();
    run.pickFile("tiles.bmp");
    QFile::remove(run.folder.filePath("tiles.bmp"));

    ModalScript boxes;
    boxes.thenOk();
    click(child(run.menu, "Command1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(boxes.messages(), QStringList{"文件打开失败！"});
    EXPECT_EQ(run.menu->openBoard(), nullptr);
    EXPECT_TRUE(run.menu->isVisible());
    EXPECT_TRUE(child(run.menu, "File1")->isVisible());
    EXPECT_EQ(run.endings, 0);
}

} // namespace
} // namespace pintu::test
