#include "app/Game.h"
#include "app/menu/FileList.h"
#include "app/menu/MenuWindow.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestServices.h"

#include <QDir>
#include <QFileDialog>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

// A menu over the test's folder, with a second folder of pictures elsewhere
// that only a drop or the command line can reach quickly.
struct DropHarness : TestServices {
    DropHarness()
    {
        folder.writeBitmap("here.bmp", positionPicture(60, 40));
        QDir(folder.path()).mkpath("photos");
        photos = folder.filePath("photos");
        folder.writeBitmap("photos/old.bmp", positionPicture(60, 40));
        folder.writeBytes("photos/photo.png", pictureFile(positionPicture(400, 300), "png"));
        folder.writeBytes("photos/notes.txt", "the shopping list, not a picture");
        menu = std::make_unique<MenuWindow>(LayoutSet::A, services);
        menu->show();
    }

    FileList* fileList() const { return named<FileList>(*menu, MenuControlNames::pictures); }

    // What the desktop's file manager sends when files are dropped on the menu.
    bool drop(const QList<QUrl>& urls) const
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint where(300, 200);
        QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(menu.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(menu.get(), &dropped);
        // The menu takes the file once the drop is over.
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    }

    bool drop(const QString& path) const { return drop({QUrl::fromLocalFile(path)}); }

    QString photos;
    std::unique_ptr<MenuWindow> menu;
};

TEST(DroppedPicture, BecomesTheChosenPictureWithItsFolderInTheLists)
{
    DropHarness run;
    ASSERT_TRUE(run.drop(run.photos + "/photo.png"));

    EXPECT_TRUE(run.fileList()->isVisible()); // the menu is revealed to show the choice
    EXPECT_EQ(run.menu->pictureFolder(), run.photos.toStdString());
    EXPECT_EQ(run.menu->pictureFileName(), "photo.png");
    ASSERT_NE(run.fileList()->currentItem(), nullptr);
    EXPECT_TRUE(run.fileList()->currentItem()->isSelected());
    // The list still offers the folder's bitmaps, and the photo beside them.
    QStringList listed;
    for (int row = 0; row < run.fileList()->count(); ++row)
        listed << run.fileList()->item(row)->text();
    EXPECT_EQ(listed, (QStringList{"old.bmp", "photo.png"}));

    // "确定" opens the board on the photo.
    named<QPushButton>(*run.menu, MenuControlNames::ok)->click();
    BoardWindow* board = run.menu->openBoard();
    ASSERT_NE(board, nullptr);
    const QImage shot = board->grab().toImage();
    EXPECT_TRUE(looksLike(shot.pixelColor(200, 150), positionPicture(400, 300).pixelColor(200, 150), 3));
}

TEST(DroppedPicture, AFileThatIsNoPictureIsRefusedAndTheMenuStaysAsItWas)
{
    DropHarness run;
    const std::string folderBefore = run.menu->pictureFolder();
    ModalScript boxes;
    boxes.thenOk();
    EXPECT_TRUE(run.drop(run.photos + "/notes.txt"));
    EXPECT_EQ(boxes.messages(), QStringList{"文件打开失败！"});
    EXPECT_EQ(run.menu->pictureFolder(), folderBefore);
    EXPECT_EQ(run.menu->pictureFileName(), "");
    EXPECT_FALSE(run.fileList()->isVisible()); // still the title screen

    // Nor is anything taken from a drag that holds no single local file.
    EXPECT_FALSE(run.drop({QUrl("https://example.org/cat.png")}));
    EXPECT_FALSE(run.drop({QUrl::fromLocalFile(run.photos + "/photo.png"), QUrl::fromLocalFile(run.photos + "/old.bmp")}));
    EXPECT_FALSE(run.drop({QUrl("file://elsewhere/photos/photo.png")}));
    // A NUL ends the name where the system reads it: this would open photo.png.
    EXPECT_FALSE(run.drop({QUrl::fromEncoded(QUrl::fromLocalFile(run.photos + "/photo.png").toEncoded() + "%00.txt")}));
    EXPECT_EQ(boxes.boxesSeen(), 1);
    EXPECT_EQ(run.menu->pictureFolder(), folderBefore);
}

TEST(DroppedPicture, LeavesTheListWhenAnotherFolderIsShown)
{
    DropHarness run;
    ASSERT_TRUE(run.drop(run.photos + "/photo.png"));
    ASSERT_TRUE(run.drop(run.folder.filePath("here.bmp")));
    EXPECT_EQ(run.menu->pictureFileName(), "here.bmp");
    EXPECT_TRUE(run.fileList()->findItems("photo.png", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(run.fileList()->selectedItems().size(), 1);
}

TEST(DroppedPicture, NamedInGb18030IsChosenByTheBytesItsUrlEscapes)
{
    DropHarness run;
    const std::string name = "\xB2\xE2\xCA\xD4.bmp"; // "测试.bmp", as GB18030 stores it
    const std::string path = run.folder.writeNamedBytes("photos/" + name, pictureFile(positionPicture(60, 40), "bmp"));
    ASSERT_TRUE(run.drop({QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"))}));
    EXPECT_EQ(run.menu->pictureFolder(), run.photos.toStdString());
    EXPECT_EQ(run.menu->pictureFileName(), name);
}

TEST(DroppedPicture, AnExifTurnedPhotoShowsUprightInTheTiles)
{
    DropHarness run;
    // Stored lying on its side, with the tag that tells viewers to turn it a quarter clockwise.
    const QImage upright = positionPicture(300, 210);
    const QImage stored = upright.transformed(QTransform().rotate(-90));
    run.folder.writeBytes("photos/phone.jpg", withExifOrientation(pictureFile(stored, "jpeg"), 6));
    ASSERT_TRUE(run.drop(run.photos + "/phone.jpg"));
    named<QPushButton>(*run.menu, MenuControlNames::ok)->click();
    BoardWindow* board = run.menu->openBoard();
    ASSERT_NE(board, nullptr);
    control<QPushButton>(*board, Control::Start)->click();
    expectTilesShowTheirParts(*board, 20);
}

// A file chosen in the file dialog (none: cancelled), and what the menu then holds.
struct DialogChoice {
    const char* name;
    bool byRightClick; // else Ctrl+O
    const char* chosen;
    const char* selected;
    const char* message;
};

class FileDialog : public ::testing::TestWithParam<DialogChoice> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, FileDialog,
    ::testing::Values(DialogChoice{"CtrlOAndAPhoto", false, "photos/photo.png", "photo.png", nullptr},
                      DialogChoice{"RightClickAndAPhoto", true, "photos/photo.png", "photo.png", nullptr},
                      DialogChoice{"Cancelled", false, nullptr, "", nullptr},
                      DialogChoice{"NotAPicture", true, "photos/notes.txt", "", "文件打开失败！"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(FileDialog, MakesTheChosenPictureTheMenusChoiceAsADropDoes)
{
    const DialogChoice& row = GetParam();
    DropHarness run;
    ASSERT_TRUE(QTest::qWaitForWindowActive(run.menu.get()));
    const std::string shownFolder = run.menu->pictureFolder();
    QStringList seen;
    ModalScript boxes;
    boxes.then([&](QWidget* box) {
        auto* dialog = qobject_cast<QFileDialog*>(box);
        ASSERT_NE(dialog, nullptr);
        seen << dialog->windowTitle() << dialog->directory().absolutePath() << dialog->nameFilters();
        if (row.chosen) {
            dialog->selectFile(run.folder.filePath(row.chosen));
            static_cast<QDialog*>(dialog)->accept();
        } else {
            dialog->reject();
        }
    });
    if (row.message)
        boxes.thenOk();
    if (row.byRightClick)
        EXPECT_EQ(rightClickMenu(run.fileList()->viewport(), QPoint(5, 5), "打开图片…"),
                  (QStringList{"打开图片…", "成绩…", "帮助"}));
    else
        QTest::keyClick(run.menu.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.boxesSeen() == (row.message ? 2 : 1); }, 2000));

    ASSERT_EQ(seen.size(), 4);
    EXPECT_EQ(seen[0], "打开图片");
    EXPECT_EQ(seen[1].toStdString(), shownFolder);
    for (const char* pattern : {"*.bmp", "*.png", "*.jpg", "*.JPG", "*.webp", "*.heic", "*.avif"})
        EXPECT_TRUE(seen[2].contains(pattern)) << pattern;
    EXPECT_EQ(seen[3], "所有文件 (*)");
    EXPECT_EQ(run.menu->pictureFileName(), row.selected);
    EXPECT_EQ(run.menu->pictureFolder(), *row.selected ? run.photos.toStdString() : shownFolder);
    EXPECT_EQ(boxes.messages(), row.message ? QStringList{row.message} : QStringList());
}

TEST(PictureOnTheCommandLine, IsChosenOnceTheMenuShows)
{
    DropHarness run;
    run.menu.reset();
    Game game(run.services);
    game.start((run.photos + "/photo.png").toStdString());
    EXPECT_EQ(game.menu(LayoutSet::A), nullptr);
    named<QPushButton>(resolutionWindow(), ResolutionControlNames::start)->click();
    MenuWindow* menu = game.menu(LayoutSet::A);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->pictureFolder(), run.photos.toStdString());
    EXPECT_EQ(menu->pictureFileName(), "photo.png");
}

TEST(PictureOnTheCommandLine, ThatCannotBeReadIsRefusedOverTheMenu)
{
    DropHarness run;
    run.menu.reset();
    Game game(run.services);
    game.start(run.folder.filePath("missing.jpg").toStdString());
    ModalScript boxes;
    boxes.thenOk();
    named<QPushButton>(resolutionWindow(), ResolutionControlNames::start)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.boxesSeen() == 1; }));
    EXPECT_EQ(boxes.messages(), QStringList{"文件打开失败！"});
    MenuWindow* menu = game.menu(LayoutSet::A);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->pictureFolder(), run.folder.path().toStdString());
    EXPECT_EQ(menu->pictureFileName(), "");
}

} // namespace
} // namespace pintu::test
