#include "app/board/BoardWindow.h"
#include "app/dialogs/HelpWindow.h"
#include "app/Game.h"
#include "app/menu/FileList.h"
#include "app/text/KeyTable.h"
#include "board/Board.h"
#include "genius/HallOfFame.h"
#include "platform/qt/QtFiles.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/ScriptedRandom.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestPictures.h"
#include "tests/support/TestServices.h"
#include "tests/support/WindowControls.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace pintu::test {
namespace {

void click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

using Menu = MenuControlNames;

// A whole run of the game, started from the resolution choice, over a folder
// of pictures that is the current folder while the game runs.
struct GameRun : TestServices {
    GameRun() { folder.writeBitmap("tiles.bmp", positionPicture(300, 240)); }

    // The resolution window with the given choice, then "开始": the menu it opened.
    MenuWindow& startWith(LayoutSet set)
    {
        game.start();
        ResolutionWindow& resolution = resolutionWindow();
        click(resolutionOption(resolution, set));
        click(named(resolution, ResolutionControlNames::start));
        menu = game.menu(set);
        EXPECT_NE(menu, nullptr);
        return *menu;
    }

    void reveal() const { QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(4, 4)); }

    void pickFile(const QString& name) const
    {
        auto* list = named<FileList>(*menu, Menu::pictures);
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString() << " is not listed";
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    }

    void chooseDifficulty(Difficulty difficulty) const { click(difficultyOption(*menu, difficulty)); }

    // "确定" with a file chosen: the board it opened.
    BoardWindow* confirm() const
    {
        ModalScript noBoxes;
        click(named(*menu, Menu::ok));
        return menu->openBoard();
    }

    void leaveBoard() const
    {
        BoardWindow* board = menu->openBoard();
        ASSERT_NE(board, nullptr);
        click(control(*board, Control::Exit));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool hallOfFameButtonShown() const { return named(*menu, Menu::hallOfFame)->isVisible(); }
    bool exists(const std::string& path) const { return QFileInfo::exists(QString::fromStdString(path)); }

    Game game{services};
    MenuWindow* menu = nullptr;
};

TEST(GameFlow, OneEasyGameOnSetAFromTheFirstWindowToTheExit)
{
    GameRun run;
    MenuWindow& menu = run.startWith(LayoutSet::A);
    EXPECT_FALSE(resolutionWindow().isVisible());
    EXPECT_TRUE(menu.isVisible());
    EXPECT_TRUE(named(menu, Menu::pinTitle)->isVisible());
    EXPECT_FALSE(named(menu, Menu::pictures)->isVisible());

    run.reveal();
    run.pickFile("tiles.bmp");
    BoardWindow* board = run.confirm();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(boardName(board->layout()), "3x3_640x480");
    EXPECT_TRUE(board->isVisible());
    EXPECT_FALSE(menu.isVisible());

    click(control(*board, Control::Start));
    EXPECT_TRUE(run.exists(run.services.dataFiles.moveLog));

    run.leaveBoard();
    EXPECT_EQ(menu.openBoard(), nullptr);
    EXPECT_FALSE(run.exists(run.services.dataFiles.moveLog));
    EXPECT_EQ(run.game.menu(LayoutSet::A), &menu);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(named(menu, Menu::pinTitle)->isVisible());
    EXPECT_EQ(menu.pictureFileName(), "tiles.bmp");
    EXPECT_FALSE(resolutionWindow().isVisible());
    EXPECT_EQ(run.endings, 0);

    click(named(menu, Menu::exit));
    EXPECT_EQ(run.endings, 1);
}

TEST(GameFlow, APictureHandedOverWaitsWhileABoardIsOpenAndLeavesItsGameAlone)
{
    GameRun run;
    run.folder.writeBitmap("later.bmp", positionPicture(60, 40));
    MenuWindow& menu = run.startWith(LayoutSet::A);
    run.game.choosePicture(run.folder.filePath("tiles.bmp").toStdString());
    EXPECT_EQ(menu.pictureFileName(), "tiles.bmp");
    BoardWindow* board = run.confirm();
    ASSERT_NE(board, nullptr);
    click(control(*board, Control::Start));
    const Arrangement playing = board->logic().arrangement();

    run.game.choosePicture(run.folder.filePath("later.bmp").toStdString());
    QCoreApplication::processEvents();
    EXPECT_EQ(board->logic().phase(), Board::Phase::Playing);
    EXPECT_EQ(board->logic().arrangement(), playing);
    EXPECT_EQ(menu.pictureFileName(), "tiles.bmp");
    run.leaveBoard();
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu.pictureFileName() == "later.bmp"; }, 2000));
}

// Another program handing over picture after picture, as fast as the game
// hears them: 199 of one, then the last of another.
TEST(GameFlow, AFloodOfPicturesHandedOverLeavesOneBoxAtMostThatOfTheLatest)
{
    const std::vector<std::tuple<const char*, const char*, const char*, QStringList>> floods{
        {"gone.bmp", "gone.bmp", "", {"文件打开失败！"}},
        {"gone.bmp", "tiles.bmp", "tiles.bmp", {}},
        {"tiles.bmp", "gone.bmp", "tiles.bmp", {"文件打开失败！"}},
    };
    for (const auto& [first, last, chosen, messages] : floods) {
        GameRun run;
        MenuWindow& menu = run.startWith(LayoutSet::A);
        ModalScript boxes;
        if (!messages.empty())
            boxes.thenOk();
        for (int picture = 1; picture <= 200; ++picture)
            run.game.choosePicture(run.folder.filePath(picture < 200 ? first : last).toStdString());
        EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.boxesSeen() == messages.size(); }, 2000));
        EXPECT_EQ(boxes.messages(), messages);
        EXPECT_EQ(menu.pictureFileName(), chosen);
    }
}

TEST(GameFlow, F1OpensTheHelpInEveryWindowAndTheGameGoesOn)
{
    GameRun run;
    run.folder.writeBytes("data/grb.kel", "\"阿明\"\r\n");
    QStringList helps;
    ModalScript boxes;
    const auto readHelp = [&](QWidget* box) {
        const auto* help = qobject_cast<HelpWindow*>(box);
        ASSERT_NE(help, nullptr);
        helps << help->windowTitle() + '\n' + help->findChild<QTextBrowser*>()->toPlainText();
        QTest::keyClick(box, Qt::Key_Escape);
    };
    const auto pressF1 = [&](QWidget* window) {
        boxes.then(readHelp);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);
    };
    run.game.start();
    pressF1(&resolutionWindow());
    MenuWindow& menu = run.startWith(LayoutSet::A);
    pressF1(&menu);
    run.reveal();
    // Once the script has left the viewer's handler, so that it answers the help too.
    boxes.then([&](QWidget* viewer) {
        QTimer::singleShot(0, viewer, [&, viewer] {
            pressF1(viewer);
            viewer->close();
        });
    });
    click(named(menu, Menu::hallOfFame));
    run.pickFile("tiles.bmp");
    BoardWindow* board = run.confirm();
    ASSERT_NE(board, nullptr);
    click(control(*board, Control::Start));
    pressF1(board);
    EXPECT_EQ(board->logic().phase(), Board::Phase::Playing);

    ASSERT_EQ(helps.size(), 4);
    for (const QString& help : helps) {
        EXPECT_TRUE(help.startsWith("拼图帮助\n"));
        for (const KeyBinding& key : keyBindings) {
            EXPECT_TRUE(help.contains(QString::fromUtf8(key.name))) << key.name;
            EXPECT_TRUE(help.contains(QString::fromUtf8(key.meaning))) << key.meaning;
        }
        EXPECT_TRUE(help.contains(QDir::toNativeSeparators(run.folder.filePath("data"))));
    }
}

TEST(GameFlow, SetBOpensOnlyTheBoardsOfSetB)
{
    GameRun run;
    MenuWindow& menu = run.startWith(LayoutSet::B);
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
    run.reveal();
    run.pickFile("tiles.bmp");
    run.chooseDifficulty(Difficulty::Genius);

    BoardWindow* board = run.confirm();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(boardName(board->layout()), "10x10_800x600");
    EXPECT_EQ(board->layout().size->side, 10);
    run.leaveBoard();

    EXPECT_TRUE(menu.isVisible());
    EXPECT_TRUE(difficultyOption(menu, Difficulty::Genius)->isChecked());
    EXPECT_EQ(run.game.menu(LayoutSet::A), nullptr);
}

TEST(GameFlow, TheGeniusBoardShowsTheHallOfFameButtonWhenItBringsTheMenuBack)
{
    GameRun run;
    run.startWith(LayoutSet::A);
    run.reveal();
    EXPECT_FALSE(run.hallOfFameButtonShown());
    run.pickFile("tiles.bmp");
    run.chooseDifficulty(Difficulty::Genius);

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
    click(named(*run.menu, Menu::ok));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(boxes.messages(), QStringList{"文件打开失败！"});
    EXPECT_EQ(run.menu->openBoard(), nullptr);
    EXPECT_TRUE(run.menu->isVisible());
    EXPECT_TRUE(named(*run.menu, Menu::pictures)->isVisible());
    EXPECT_EQ(run.endings, 0);
}

} // namespace
} // namespace pintu::test
