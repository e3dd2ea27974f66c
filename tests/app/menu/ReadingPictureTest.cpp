#include "app/board/BoardWindow.h"
#include "app/menu/MenuWindow.h"
#include "platform/qt/QtFiles.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/ScriptedRandom.h"
#include "tests/support/LaterPictures.h"
#include "tests/support/TestPictures.h"
#include "tests/support/WindowControls.h"

#include <QAbstractButton>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <utime.h>

namespace pintu::test {
namespace {

// A menu whose pictures are read some time after they are asked for, as the
// picture reader reads them.
struct SlowReads {
    SlowReads() : previousFolder(QDir::currentPath())
    {
        QDir(folder.path()).mkpath("data");
        picture = folder.writeBitmap("p.bmp", positionPicture(120, 90));
        QDir::setCurrent(folder.path());
        menu.show();
        menu.choosePicture(picture.toStdString());
        pictures.answerNext();
    }
    ~SlowReads() { QDir::setCurrent(previousFolder); }

    void click(Control which) const { control<QAbstractButton>(*menu.openBoard(), which)->click(); }
    bool busy() const { return QGuiApplication::overrideCursor() != nullptr; }

    TestFolder folder;
    QString previousFolder;
    QString picture;
    QtFiles files;
    FakeClock clock;
    LaterPictures pictures;
    PictureShelf shelf{pictures};
    GameServices services{files,
                          clock,
                          shelf,
                          DataFiles{folder.filePath("data/kel.txt").toStdString(),
                                    folder.filePath("data/grb.kel").toStdString()},
                          [] { return std::make_unique<ScriptedRandom>(std::vector<double>{0.3, 0.7, 0.9}); },
                          [] {},
                          std::chrono::milliseconds(0),
                          {}};
    MenuWindow menu{LayoutSet::A, services};
};

// The menu answers every click while the picture is read, and gives its
// place to the board once it is.
TEST(ReadingPicture, KeepsTheMenuAtHandUntilTheBoardCanShow)
{
    SlowReads run;
    ASSERT_EQ(run.menu.pictureFileName(), "p.bmp");
    named<QAbstractButton>(run.menu, MenuControlNames::ok)->click();
    ASSERT_NE(run.menu.openBoard(), nullptr);
    EXPECT_FALSE(run.menu.openBoard()->isVisible());
    EXPECT_TRUE(run.menu.isVisible());
    EXPECT_TRUE(run.busy());
    difficultyOption(run.menu, Difficulty::Genius)->click();
    EXPECT_TRUE(difficultyOption(run.menu, Difficulty::Genius)->isChecked());

    ASSERT_TRUE(run.pictures.answerNext());
    EXPECT_TRUE(run.menu.openBoard()->isVisible());
    EXPECT_FALSE(run.menu.isVisible());
    EXPECT_FALSE(run.busy());
    // Its start plays the picture read already.
    run.click(Control::Start);
    EXPECT_EQ(run.menu.openBoard()->logic().phase(), Board::Phase::Playing);
    EXPECT_EQ(run.pictures.reads, 2);
}

// A board left while its picture is read again starts nothing.
TEST(ReadingPicture, ABoardLeftMeanwhileStartsNoGame)
{
    SlowReads run;
    named<QAbstractButton>(run.menu, MenuControlNames::ok)->click();
    run.pictures.answerNext();
    const utimbuf later{1'000'000'000, 1'000'000'000};
    ASSERT_EQ(::utime(run.picture.toLocal8Bit().constData(), &later), 0);
    run.click(Control::Start);
    EXPECT_TRUE(run.busy());
    run.click(Control::Exit);
    EXPECT_EQ(run.pictures.ended, 1);
    EXPECT_FALSE(run.busy());
    EXPECT_FALSE(run.pictures.answerNext());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(run.services.dataFiles.moveLog)));
    EXPECT_TRUE(run.menu.isVisible());
}

} // namespace
} // namespace pintu::test
