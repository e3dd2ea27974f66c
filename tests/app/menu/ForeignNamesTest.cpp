#include "app/menu/DirectoryList.h"
#include "app/menu/FileList.h"
#include "app/menu/MenuWindow.h"
#include "resume/KeptGameStore.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/TestServices.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

// "测试" as an archive made on Chinese Windows names it: GB18030, not UTF-8.
const std::string gb18030Test = "\xB2\xE2\xCA\xD4";

struct NameRow {
    const char* name;
    std::string fileName; // as the system stores it
    QString shown;        // as the file list shows it
};

class ForeignName : public ::testing::TestWithParam<NameRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, ForeignName,
                         ::testing::Values(NameRow{"Gb18030", gb18030Test + ".bmp", "测试.bmp"},
                                           NameRow{"NeitherUtf8NorGb18030", "\x80\xFF.bmp", "\uFFFD\uFFFD.bmp"}),
                         [](const auto& info) { return std::string(info.param.name); });

QListWidgetItem* listed(const QListWidget& list, const QString& shown)
{
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->text().trimmed() == shown)
            return list.item(row);
    }
    return nullptr;
}

TEST_P(ForeignName, IsListedDecodedAndPlaysKeptAndResumedByItsBytes)
{
    TestServices run;
    KeptGameStore store(run.files, run.folder.filePath("data/kept-game.txt").toStdString());
    run.services.keptGames = &store;
    // In a folder named in GB18030 too, as such an archive unpacks.
    const std::string folder = QFileInfo(run.folder.path()).canonicalFilePath().toStdString() + "/" + gb18030Test;
    const std::string picture = folder + "/" + GetParam().fileName;
    run.folder.writeNamedBytes(gb18030Test + "/" + GetParam().fileName, pictureFile(positionPicture(300, 240), "bmp"));
    MenuWindow menu(LayoutSet::A, run.services);
    menu.show();
    QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(4, 4));

    auto* folders = named<DirectoryList>(menu, MenuControlNames::folders);
    folders->setCurrentItem(listed(*folders, "测试"));
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(menu.pictureFolder(), folder);
    auto* pictures = named<FileList>(menu, MenuControlNames::pictures);
    QListWidgetItem* item = listed(*pictures, GetParam().shown);
    ASSERT_NE(item, nullptr);
    pictures->setCurrentItem(item);
    EXPECT_EQ(menu.pictureFileName(), GetParam().fileName);

    named<QPushButton>(menu, MenuControlNames::ok)->click();
    BoardWindow* board = menu.openBoard();
    ASSERT_NE(board, nullptr);
    control<QPushButton>(*board, Control::Start)->click();
    expectTilesShowTheirParts(*board);

    board->keepGame();
    store.settle();
    const auto kept = store.read();
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->picturePath, picture);
    control<QPushButton>(*board, Control::Exit)->click();
    std::optional<bool> resumed;
    menu.resumeBoard(*kept, [&resumed](bool shown) { resumed = shown; });
    ASSERT_EQ(resumed, true);
    EXPECT_EQ(menu.pictureFolder(), folder);
    EXPECT_EQ(menu.pictureFileName(), GetParam().fileName);
}

} // namespace
} // namespace pintu::test
