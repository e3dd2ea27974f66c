#include "app/dialogs/HallOfFameWindow.h"
#include "genius/HallOfFame.h"
#include "tests/support/BoardWindowHarness.h"
#include "tests/support/ModalScript.h"

#include <QFile>
#include <QInputDialog>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

using std::chrono::milliseconds;

class GeniusWindowOfEachSet : public ::testing::TestWithParam<LayoutSet> {};

INSTANTIATE_TEST_SUITE_P(Sets, GeniusWindowOfEachSet, ::testing::Values(LayoutSet::A, LayoutSet::B),
                         [](const auto& info) { return displayName(info.param); });

TEST_P(GeniusWindowOfEachSet, AWinAsksForTheNameAndWritesTheHallOfFame)
{
    const BoardLayout& layout = boardOf(Difficulty::Genius, GetParam());
    BoardWindowHarness board(layout, ScriptedRandom::geniusTwoMovesFromSolved().values);
    board.open();
    board.click(board.button(Control::Start));
    ASSERT_EQ(board.emptyView(), 79);
    board.clock.advance(milliseconds(12000));

    bool wholeWhileAsking = false;
    QString title;
    QString prompt;
    QStringList buttons;
    ModalScript boxes;
    boxes.then([&](QWidget* box) {
             wholeWhileAsking = board.viewsShowWholePicture();
             title = box->windowTitle();
             prompt = messageText(box);
             buttons = buttonCaptions(box);
             qobject_cast<QDialog*>(box)->reject();
         })
        .thenType("")
        .thenType("阿明 \"A\"");
    board.clickTile(89);
    EXPECT_EQ(boxes.boxesSeen(), 0);
    board.clickTile(99);

    EXPECT_EQ(boxes.boxesSeen(), 3);
    EXPECT_TRUE(wholeWhileAsking);
    EXPECT_EQ(title, "拼图天才");
    EXPECT_EQ(prompt, "Tavro祝你:\n 拼图成功 !\n请天才输入大名：");
    EXPECT_EQ(buttons, (QStringList{"确定", "取消"}));

    QFile file(QString::fromStdString(board.services.dataFiles.hallOfFame));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // 阿明 is B0 A2 C3 F7 in GB2312.
    EXPECT_EQ(file.readAll(), QByteArray("\"\xb0\xa2\xc3\xf7 \"A\"    \xb2\xbd\xca\xfd: 2    \xca\xb1\xbc\xe4: 12 \xc3\xeb    05-09-2001\"\r\n"));

    EXPECT_TRUE(board.button(Control::Start)->isEnabled());
    EXPECT_FALSE(board.label(Control::Clock)->isVisible());
    EXPECT_TRUE(board.view(0)->picture().isNull());
    EXPECT_FALSE(board.view(0)->isEnabled());

    board.click(board.button(Control::Exit));
    EXPECT_EQ(board.menu.hallOfFameButton, true);
}

TEST(GeniusWindow, HasNoReplayButtonsAndItsCreditLabelDoesNothing)
{
    BoardWindowHarness board(boardOf(Difficulty::Genius, LayoutSet::A));
    board.open();
    board.click(board.button(Control::Start));
    for (const Control replay : {Control::AutoSolve, Control::Restart, Control::StepBack, Control::StepForward})
        EXPECT_EQ(board.button(replay), nullptr) << controlName(replay);
    EXPECT_EQ(board.numberMapLabel(0), nullptr);
    board.click(board.label(Control::Credit));
    EXPECT_TRUE(board.label(Control::Credit)->isVisible());
}

TEST(HallOfFameWindow, ShowsTheNewestRecordFirstAndForgetsWhatWasTyped)
{
    TestFolder folder;
    QtFiles files;
    const std::string path = folder.filePath("grb.kel").toStdString();
    files.appendText(path, "\"甲    步数: 10    时间: 5 秒    01-01-2026\"\r\n");
    files.appendText(path, "\r\n");
    files.appendText(path, "\"乙    步数: 20    时间: .5 秒    01-02-2026\"");

    const QString expected = "\"乙    步数: 20    时间: .5 秒    01-02-2026\"\n\n\"甲    步数: 10    时间: 5 秒    01-01-2026\"\n";
    {
        HallOfFameWindow viewer(files, path, nullptr);
        EXPECT_EQ(viewer.windowTitle(), "光荣榜");
        EXPECT_EQ(viewer.text(), expected);
        named<QPlainTextEdit>(viewer, HallOfFameControlNames::records)->appendPlainText("typed by the player");
    }
    HallOfFameWindow again(files, path, nullptr);
    EXPECT_EQ(again.text(), expected);

    HallOfFameWindow none(files, folder.filePath("missing.kel").toStdString(), nullptr);
    EXPECT_EQ(none.text(), "");
}

TEST(HallOfFameWindow, ExitClosesIt)
{
    TestFolder folder;
    QtFiles files;
    HallOfFameWindow viewer(files, folder.filePath("grb.kel").toStdString(), nullptr);
    viewer.show();
    QTest::mouseClick(named<QPushButton>(viewer, HallOfFameControlNames::exit), Qt::LeftButton);
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_EQ(viewer.result(), QDialog::Accepted);
}

TEST(HallOfFameWindow, AFileThatCannotBeReadSaysSo)
{
    QtFiles files;
    ModalScript boxes;
    boxes.thenOk();
    // A file that exists and opens but fails to read, whoever runs the test.
    HallOfFameWindow viewer(files, "/proc/self/mem", nullptr);
    EXPECT_EQ(boxes.messages(), QStringList{"光荣榜无法读取！"});
    EXPECT_EQ(viewer.text(), "");
}

// The newest lines first, as many as the viewer lists, a line far longer
// than it shows cut with its mark, and a last line that counts the rest.
TEST(HallOfFameWindow, OpensAHundredThousandRecords)
{
    TestFolder folder;
    QtFiles files;
    const std::string path = folder.filePath("grb.kel").toStdString();
    const int recordCount = 100000;
    std::string records;
    for (int i = 0; i < recordCount; ++i)
        records += "\"玩家" + std::to_string(i) + "    步数: 57    时间: 12.4 秒    05-09-2001\"\r\n";
    for (std::size_t i = 0; i < 3 * hallOfFameLineLength; ++i)
        records += "玩"; // the newest line, with no line end
    files.appendText(path, records);
    HallOfFameWindow viewer(files, path, nullptr);
    const QStringList lines = viewer.text().split('\n');

    const auto shown = static_cast<qsizetype>(hallOfFameShownLines);
    const int left = recordCount + 1 - static_cast<int>(shown);
    ASSERT_EQ(lines.size(), shown + 2);
    EXPECT_EQ(lines[0], QString(static_cast<qsizetype>(hallOfFameLineLength), u'玩') + "……（以下从略）");
    EXPECT_TRUE(lines[1].startsWith("\"玩家" + QString::number(recordCount - 1) + "    "));
    EXPECT_EQ(lines[shown - 1],
              "\"玩家" + QString::number(left) + "    步数: 57    时间: 12.4 秒    05-09-2001\"");
    EXPECT_EQ(lines[shown], "……另有 " + QString::number(left) + " 行更早的记录没有显示");
    EXPECT_EQ(lines.back(), "");
}

} // namespace
} // namespace pintu::test
