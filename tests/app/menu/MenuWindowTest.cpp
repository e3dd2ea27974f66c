#include "app/board/BoardWindow.h"
#include "app/dialogs/HallOfFameWindow.h"
#include "app/menu/DirectoryList.h"
#include "app/menu/DriveList.h"
#include "app/menu/FileList.h"
#include "app/menu/MenuWindow.h"
#include "board/PicturePath.h"
#include "genius/HallOfFame.h"
#include "platform/qt/QtFiles.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/ScriptedRandom.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestPictures.h"
#include "tests/support/TestServices.h"
#include "tests/support/WindowControls.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace pintu::test {
namespace {

using Menu = MenuControlNames;

// Object names in the order the harness lists the visible controls.
QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

const QStringList titleScreen = sorted({Menu::pinTitle, Menu::tuTitle, Menu::thanks, Menu::credit, Menu::edition});
const QStringList revealedMenu =
    sorted({Menu::ok, Menu::exit, Menu::folders, Menu::drives, Menu::pictures, Menu::thanks, Menu::pictureCaption,
            Menu::credit, Menu::edition, Menu::difficultyCaption, difficultyOptionName(Difficulty::Easy),
            difficultyOptionName(Difficulty::Normal), difficultyOptionName(Difficulty::Harder),
            difficultyOptionName(Difficulty::Genius)});

QImage solidPicture(const QColor& colour)
{
    QImage image(160, 120, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

// The folder as the lists show it: absolute, symbolic links resolved.
QString shownPath(const QString& folder)
{
    return QFileInfo(folder).canonicalFilePath();
}

// One menu over a folder of pictures that is the current folder when the
// menu is built; the game's own files live in that folder's "data".
class MenuHarness : public TestServices {
public:
    explicit MenuHarness(LayoutSet set = LayoutSet::A, const std::function<void(const TestFolder&)>& prepare = {})
    {
        folder.writeBitmap("red.bmp", solidPicture(Qt::red));
        folder.writeBitmap("BLUE.BMP", solidPicture(Qt::blue));
        QDir(folder.path()).mkpath("sub");
        folder.writeBitmap("sub/green.bmp", solidPicture(Qt::green));
        if (prepare)
            prepare(folder);
        menu = std::make_unique<MenuWindow>(set, services);
        menu->show();
    }

    QWidget* widget(const char* name) const { return named(*menu, name); }
    QPushButton* button(const char* name) const { return named<QPushButton>(*menu, name); }
    QRadioButton* difficulty(Difficulty difficulty) const { return difficultyOption(*menu, difficulty); }
    DriveList* drives() const { return named<DriveList>(*menu, Menu::drives); }
    DirectoryList* folders() const { return named<DirectoryList>(*menu, Menu::folders); }
    FileList* pictures() const { return named<FileList>(*menu, Menu::pictures); }

    QStringList visibleControls() const
    {
        QStringList names;
        for (const QWidget* child : menu->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible())
                names << child->objectName();
        }
        names.sort();
        return names;
    }

    // A click where no control is.
    void pressBackground(Qt::MouseButton mouseButton = Qt::LeftButton) const
    {
        QTest::mouseClick(menu.get(), mouseButton, {}, QPoint(4, 4));
    }

    std::string folderListPath() const { return folders()->path(); }
    std::string fileListPath() const { return pictures()->path(); }

    QStringList listedFiles() const
    {
        QStringList names;
        for (int row = 0; row < pictures()->count(); ++row)
            names << pictures()->item(row)->text();
        return names;
    }

    void pickFile(const QString& name) const
    {
        FileList* list = pictures();
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString() << " is not listed";
        list->scrollToItem(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    }

    QListWidgetItem* folderItem(const QString& path) const
    {
        for (int row = 0; row < folders()->count(); ++row) {
            if (folders()->item(row)->data(Qt::UserRole).toString() == path)
                return folders()->item(row);
        }
        return nullptr;
    }

    void doubleClickFolder(const QString& path) const
    {
        QListWidgetItem* item = folderItem(path);
        ASSERT_NE(item, nullptr) << path.toStdString() << " is not listed";
        folders()->scrollToItem(item);
        // As a mouse does it: a click, then the second press that makes it double.
        const QPoint spot = folders()->visualItemRect(item).center();
        QTest::mouseClick(folders()->viewport(), Qt::LeftButton, {}, spot);
        QTest::mouseDClick(folders()->viewport(), Qt::LeftButton, {}, spot);
    }

    void chooseDifficulty(Difficulty chosen) const
    {
        QRadioButton* option = difficulty(chosen);
        QTest::mouseClick(option, Qt::LeftButton, {}, option->rect().center());
        ASSERT_TRUE(option->isChecked()) << option->text().toStdString();
    }

    void click(const char* name) const
    {
        QWidget* control = widget(name);
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

    // "确定" with a file chosen: the board it opened.
    BoardWindow* openBoard() const
    {
        ModalScript noBoxes; // "没有选择文件！" would be a failure here, not a hang
        click(Menu::ok);
        return menu->openBoard();
    }

    // "退出" on the open board; the board is gone afterwards.
    void leaveBoard() const
    {
        BoardWindow* board = menu->openBoard();
        ASSERT_NE(board, nullptr);
        auto* exit = control<QPushButton>(*board, Control::Exit);
        QTest::mouseClick(exit, Qt::LeftButton, {}, exit->rect().center());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(menu->openBoard(), nullptr);
    }

    std::string moveLog() const { return services.dataFiles.moveLog; }
    std::string hallOfFame() const { return services.dataFiles.hallOfFame; }

    std::unique_ptr<MenuWindow> menu;
};

struct SeenMessage {
    QString text;
    QString title;
    QStringList buttons;
};

// Presses OK on a message box after noting what it showed.
void answerOk(ModalScript& boxes, SeenMessage& seen)
{
    boxes.then([&seen](QWidget* box) {
        seen = {messageText(box), box->windowTitle(), buttonCaptions(box)};
        auto* message = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(message, nullptr) << "expected a message box";
        message->button(QMessageBox::Ok)->click();
    });
}

class EachMenu : public ::testing::TestWithParam<LayoutSet> {};

INSTANTIATE_TEST_SUITE_P(Sets, EachMenu, ::testing::Values(LayoutSet::A, LayoutSet::B),
                         [](const auto& info) { return displayName(info.param); });

TEST_P(EachMenu, OpensOnTheTitleScreen)
{
    MenuHarness menu(GetParam());
    ASSERT_TRUE(menu.menu->isVisible());
    EXPECT_EQ(menu.menu->windowTitle(), "开始");
    EXPECT_EQ(menu.visibleControls(), titleScreen);
    EXPECT_EQ(static_cast<QLabel*>(menu.widget(Menu::pinTitle))->text(), "拼");
    EXPECT_EQ(static_cast<QLabel*>(menu.widget(Menu::tuTitle))->text(), "图");
    EXPECT_EQ(menu.widget(Menu::pinTitle)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(menu.widget(Menu::tuTitle)->palette().color(QPalette::WindowText), QColor(255, 0, 255));
}

TEST_P(EachMenu, AnyMouseButtonOnTheBackgroundRevealsTheControls)
{
    for (const Qt::MouseButton mouseButton : {Qt::LeftButton, Qt::RightButton}) {
        MenuHarness menu(GetParam());
        QTest::mousePress(menu.menu.get(), mouseButton, {}, QPoint(4, 4));
        EXPECT_EQ(menu.visibleControls(), revealedMenu); // before the button comes up again
        QTest::mouseRelease(menu.menu.get(), mouseButton, {}, QPoint(4, 4));
        EXPECT_TRUE(menu.difficulty(Difficulty::Easy)->isChecked());
        EXPECT_EQ(menu.button(Menu::ok)->text(), "确定");
        EXPECT_EQ(menu.button(Menu::exit)->text(), "退出");

        // Another press changes nothing.
        menu.pressBackground(mouseButton);
        EXPECT_EQ(menu.visibleControls(), revealedMenu);
    }
}

TEST(MenuWindow, EitherTitleCharacterRevealsTheControls)
{
    for (const char* title : {Menu::pinTitle, Menu::tuTitle}) {
        MenuHarness menu;
        menu.click(title);
        EXPECT_EQ(menu.visibleControls(), revealedMenu) << title;
    }
}

TEST(MenuWindow, TheEditionAndCreditLabelsRevealNothing)
{
    MenuHarness menu;
    for (const char* label : {Menu::edition, Menu::credit, Menu::thanks}) {
        menu.click(label);
        EXPECT_EQ(menu.visibleControls(), titleScreen) << label;
    }
}

TEST_P(EachMenu, OkWithNoFileSelectedSaysSoAndStaysPut)
{
    MenuHarness menu(GetParam());
    menu.pressBackground();
    ASSERT_GT(menu.pictures()->count(), 0);
    EXPECT_EQ(menu.menu->pictureFileName(), "");

    ModalScript boxes;
    SeenMessage seen;
    answerOk(boxes, seen);
    menu.click(Menu::ok);

    EXPECT_EQ(boxes.boxesSeen(), 1);
    EXPECT_EQ(seen.text, "没有选择文件！");
    EXPECT_EQ(seen.title, "拼图");
    EXPECT_EQ(seen.buttons, QStringList{"确定"});
    EXPECT_TRUE(menu.menu->isVisible());
    EXPECT_EQ(menu.visibleControls(), revealedMenu);
    EXPECT_EQ(menu.menu->openBoard(), nullptr);
}

TEST(MenuWindow, AFileSelectedInAnotherFolderIsNoLongerChosen)
{
    MenuHarness menu;
    menu.pressBackground();
    menu.pickFile("red.bmp");
    menu.doubleClickFolder(shownPath(menu.folder.filePath("sub")));
    EXPECT_EQ(menu.menu->pictureFileName(), "");

    ModalScript boxes;
    boxes.thenOk();
    menu.click(Menu::ok);
    EXPECT_EQ(boxes.messages(), QStringList{"没有选择文件！"});
    EXPECT_EQ(menu.menu->openBoard(), nullptr);
}

TEST_P(EachMenu, EachDifficultyOpensItsBoardOfTheSameSet)
{
    const std::array<std::string, 4> grids{"3x3", "4x4", "5x5", "10x10"};
    MenuHarness menu(GetParam());
    menu.pressBackground();
    menu.pickFile("red.bmp");
    for (const Difficulty difficulty : allDifficulties) {
        const std::string expected = grids[static_cast<int>(difficulty)] + "_" + displayName(GetParam());
        menu.chooseDifficulty(difficulty);
        BoardWindow* board = menu.openBoard();
        ASSERT_NE(board, nullptr) << expected;
        EXPECT_EQ(boardName(board->layout()), expected);
        EXPECT_TRUE(board->isVisible());
        EXPECT_FALSE(menu.menu->isVisible());
        menu.leaveBoard();
    }
}

TEST(MenuWindow, TheBoardComesBackToTheMenuAsItWasLeft)
{
    MenuHarness menu(LayoutSet::B);
    menu.pressBackground();
    const QString sub = shownPath(menu.folder.filePath("sub"));
    menu.doubleClickFolder(sub);
    menu.pickFile("green.bmp");
    menu.chooseDifficulty(Difficulty::Harder);
    ASSERT_NE(menu.openBoard(), nullptr);
    menu.leaveBoard();

    EXPECT_TRUE(menu.menu->isVisible());
    EXPECT_EQ(menu.visibleControls(), revealedMenu);
    EXPECT_EQ(menu.folderListPath(), sub.toStdString());
    EXPECT_EQ(menu.fileListPath(), sub.toStdString());
    EXPECT_EQ(menu.menu->pictureFileName(), "green.bmp");
    for (const Difficulty difficulty : allDifficulties)
        EXPECT_EQ(menu.difficulty(difficulty)->isChecked(), difficulty == Difficulty::Harder)
            << difficultyOptionName(difficulty).toStdString();

    // Ready for the next game at once.
    BoardWindow* again = menu.openBoard();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(boardName(again->layout()), "5x5_800x600");
}

TEST(MenuWindow, TheBoardShowsThePictureChosenInTheList)
{
    MenuHarness menu;
    menu.pressBackground();
    menu.pickFile("BLUE.BMP");
    const QString folder = shownPath(menu.folder.path());
    EXPECT_EQ(menu.menu->pictureFolder(), folder.toStdString());
    EXPECT_EQ(menu.menu->pictureFileName(), "BLUE.BMP");
    EXPECT_EQ(picturePath(menu.menu->pictureFolder(), menu.menu->pictureFileName()),
              (folder + "/BLUE.BMP").toStdString());

    BoardWindow* board = menu.openBoard();
    ASSERT_NE(board, nullptr);
    // Behind the views, which hold no tile before the start.
    EXPECT_TRUE(looksLike(board->grab().toImage().pixelColor(20, 20), Qt::blue, 3));
}

TEST(MenuWindow, AtTheRootTheFolderHasItsSeparatorOnce)
{
    MenuHarness menu;
    menu.pressBackground();
    menu.doubleClickFolder("/");
    EXPECT_EQ(menu.folderListPath(), "/");
    EXPECT_EQ(menu.menu->pictureFolder(), "/");
    EXPECT_EQ(picturePath(menu.menu->pictureFolder(), "A.BMP"), "/A.BMP");
}

TEST(MenuWindow, TheFileListShowsBitmapsOfEitherCaseByName)
{
    MenuHarness menu(LayoutSet::A, [](const TestFolder& folder) {
        folder.writeBitmap("A.BMP", solidPicture(Qt::yellow));
        folder.writeBitmap("c.Bmp", solidPicture(Qt::cyan));
        folder.writeBytes("c.txt", "no picture");
        folder.writeBitmap("d.png", solidPicture(Qt::gray));
        QDir(folder.path()).mkpath("folder.bmp");
    });
    menu.pressBackground();
    EXPECT_EQ(menu.listedFiles(), (QStringList{"A.BMP", "BLUE.BMP", "c.Bmp", "red.bmp"}));
    EXPECT_EQ(menu.menu->pictureFileName(), "");

    menu.pickFile("A.BMP");
    EXPECT_EQ(menu.menu->pictureFileName(), "A.BMP");
}

TEST(MenuWindow, TheFolderListStartsInTheCurrentFolderAndLeadsTheFileList)
{
    MenuHarness menu;
    menu.pressBackground();
    const QString top = shownPath(menu.folder.path());
    const QString sub = shownPath(menu.folder.filePath("sub"));
    EXPECT_EQ(menu.folderListPath(), top.toStdString());
    EXPECT_EQ(menu.fileListPath(), top.toStdString());
    ASSERT_NE(menu.folderItem(sub), nullptr);

    menu.doubleClickFolder(sub);
    EXPECT_EQ(menu.folderListPath(), sub.toStdString());
    EXPECT_EQ(menu.fileListPath(), sub.toStdString());
    EXPECT_EQ(menu.listedFiles(), QStringList{"green.bmp"});

    // Enter on the parent goes back up.
    QListWidgetItem* parent = menu.folderItem(top);
    ASSERT_NE(parent, nullptr);
    menu.folders()->setCurrentItem(parent);
    QTest::keyClick(menu.folders(), Qt::Key_Return);
    EXPECT_EQ(menu.folderListPath(), top.toStdString());
    EXPECT_EQ(menu.fileListPath(), top.toStdString());
    EXPECT_EQ(menu.listedFiles(), (QStringList{"BLUE.BMP", "red.bmp"}));
}

TEST(MenuWindow, OpeningTheFolderAlreadyOpenKeepsTheChosenFile)
{
    MenuHarness menu;
    menu.pressBackground();
    menu.pickFile("red.bmp");
    const QString top = shownPath(menu.folder.path());

    menu.doubleClickFolder(top);
    EXPECT_EQ(menu.folderListPath(), top.toStdString());
    EXPECT_EQ(menu.menu->pictureFileName(), "red.bmp");

    // Enter right away lands on the open folder too.
    QTest::keyClick(menu.folders(), Qt::Key_Return);
    EXPECT_EQ(menu.folderListPath(), top.toStdString());
    EXPECT_EQ(menu.menu->pictureFileName(), "red.bmp");
}

TEST(MenuWindow, PickingADriveMovesTheFolderAndFileLists)
{
    MenuHarness menu;
    menu.pressBackground();
    const QString sub = shownPath(menu.folder.filePath("sub"));
    menu.drives()->addItem("sub", sub);
    QTest::keyClick(menu.drives(), Qt::Key_End);

    EXPECT_EQ(menu.folderListPath(), sub.toStdString());
    EXPECT_EQ(menu.fileListPath(), sub.toStdString());
    EXPECT_EQ(menu.listedFiles(), QStringList{"green.bmp"});
    // The drive list then names the volume the folder really is on.
    EXPECT_EQ(menu.drives()->drive().toStdString(), QStorageInfo(sub).rootPath().toStdString());
}

TEST(MenuWindow, PickingTheDriveAlreadyShownChangesNothing)
{
    MenuHarness menu;
    menu.pressBackground();
    menu.pickFile("red.bmp");
    const QString top = shownPath(menu.folder.path());

    // What the drop-down reports when the player picks the entry it already shows.
    emit menu.drives()->activated(menu.drives()->currentIndex());

    EXPECT_EQ(menu.folderListPath(), top.toStdString());
    EXPECT_EQ(menu.fileListPath(), top.toStdString());
    EXPECT_EQ(menu.menu->pictureFileName(), "red.bmp");
}

TEST(MenuWindow, AnUnreadableDriveFallsBackSilently)
{
    MenuHarness menu;
    menu.pressBackground();
    menu.pickFile("red.bmp");
    const QString top = shownPath(menu.folder.path());
    const QString before = menu.drives()->drive();
    EXPECT_EQ(before.toStdString(), QStorageInfo(top).rootPath().toStdString());

    ModalScript boxes; // fails the test if any box opens
    menu.drives()->addItem("X: [no medium]", menu.folder.filePath("no medium"));
    QTest::keyClick(menu.drives(), Qt::Key_End);

    EXPECT_EQ(boxes.boxesSeen(), 0);
    EXPECT_EQ(menu.drives()->drive().toStdString(), before.toStdString());
    EXPECT_EQ(menu.folderListPath(), top.toStdString());
    EXPECT_EQ(menu.fileListPath(), top.toStdString());
    EXPECT_EQ(menu.menu->pictureFileName(), "red.bmp");
}

TEST(DirectoryList, RefusesAFolderThatIsNotThere)
{
    TestFolder folder;
    DirectoryList list(nullptr);
    ASSERT_TRUE(list.setPath(folder.path().toStdString()));
    const int rows = list.count();
    EXPECT_FALSE(list.setPath(folder.filePath("missing").toStdString()));
    EXPECT_FALSE(list.setPath(folder.writeBytes("plain.bmp", "BM").toStdString()));
    EXPECT_EQ(list.path(), shownPath(folder.path()).toStdString());
    EXPECT_EQ(list.count(), rows);
}

TEST(MenuWindow, ExitAndTheCloseBoxDeleteTheMoveLogAndEndTheProgram)
{
    for (const bool closeBox : {false, true}) {
        for (const bool leftOver : {true, false}) {
            MenuHarness menu;
            menu.pressBackground();
            if (leftOver)
                menu.folder.writeBytes("data/kel.txt", "left over");
            ASSERT_EQ(QFileInfo::exists(QString::fromStdString(menu.moveLog())), leftOver);
            if (closeBox)
                menu.menu->close();
            else
                menu.click(Menu::exit);
            EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(menu.moveLog())));
            EXPECT_EQ(menu.endings, 1) << "close box " << closeBox << ", left over " << leftOver;
        }
    }
}

TEST(MenuWindow, TheHallOfFameButtonWaitsForTheFile)
{
    MenuHarness menu;
    EXPECT_FALSE(menu.button(Menu::hallOfFame)->isVisible());
    menu.pressBackground();
    EXPECT_FALSE(menu.button(Menu::hallOfFame)->isVisible());

    ASSERT_TRUE(menu.files.appendText(menu.hallOfFame(), hallOfFameRecord("小明", 812, 3456, "05-09-2001")));
    EXPECT_FALSE(menu.button(Menu::hallOfFame)->isVisible());
    menu.pressBackground();
    EXPECT_TRUE(menu.button(Menu::hallOfFame)->isVisible());
    EXPECT_EQ(menu.button(Menu::hallOfFame)->text(), "光荣榜");

    // Only the genius board's exit takes the button away again, not a reveal.
    ASSERT_TRUE(menu.files.remove(menu.hallOfFame()));
    menu.pressBackground();
    EXPECT_TRUE(menu.button(Menu::hallOfFame)->isVisible());
}

TEST(MenuWindow, TheHallOfFameButtonStaysHiddenUntilTheReveal)
{
    MenuHarness menu(LayoutSet::B, [](const TestFolder& folder) { folder.writeBytes("data/grb.kel", ""); });
    EXPECT_EQ(menu.visibleControls(), titleScreen);
    menu.click(Menu::tuTitle);
    EXPECT_TRUE(menu.button(Menu::hallOfFame)->isVisible());
}

TEST(MenuWindow, TheHallOfFameOpensAsAModalViewer)
{
    MenuHarness menu;
    ASSERT_TRUE(menu.files.appendText(menu.hallOfFame(), hallOfFameRecord("小明", 812, 3456, "05-09-2001")));
    ASSERT_TRUE(menu.files.appendText(menu.hallOfFame(), hallOfFameRecord("小红", 640, 2222, "05-10-2001")));
    menu.pressBackground();

    bool viewer = false;
    bool modal = false;
    QString title;
    QString shown;
    ModalScript boxes;
    boxes.then([&](QWidget* box) {
        auto* hallOfFame = qobject_cast<HallOfFameWindow*>(box);
        viewer = hallOfFame != nullptr;
        modal = box->isModal();
        title = box->windowTitle();
        if (hallOfFame)
            shown = hallOfFame->text();
        auto* exit = named<QPushButton>(*box, HallOfFameControlNames::exit);
        ASSERT_NE(exit, nullptr);
        EXPECT_EQ(exit->text(), "退出");
        QTest::mouseClick(exit, Qt::LeftButton, {}, exit->rect().center());
    });
    menu.click(Menu::hallOfFame);

    EXPECT_EQ(boxes.boxesSeen(), 1);
    EXPECT_TRUE(viewer);
    EXPECT_TRUE(modal);
    EXPECT_EQ(title, "光荣榜");
    EXPECT_LT(shown.indexOf("小红"), shown.indexOf("小明")) << shown.toStdString();
    EXPECT_GE(shown.indexOf("小红"), 0);
    EXPECT_TRUE(menu.menu->isVisible());
    EXPECT_EQ(menu.endings, 0);
}

TEST_P(EachMenu, TheChosenDifficultyTurnsRedAndTheOthersKeepTheButtonTextColour)
{
    MenuHarness menu(GetParam());
    menu.pressBackground();
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
    for (const Difficulty chosen : {Difficulty::Harder, Difficulty::Genius, Difficulty::Easy}) {
        menu.chooseDifficulty(chosen);
        for (const Difficulty difficulty : allDifficulties) {
            EXPECT_EQ(menu.difficulty(difficulty)->palette().color(QPalette::WindowText),
                      difficulty == chosen ? QColor(255, 0, 0) : buttonText)
                << "chosen " << static_cast<int>(chosen) << ", caption " << static_cast<int>(difficulty);
        }
    }
}

} // namespace
} // namespace pintu::test
