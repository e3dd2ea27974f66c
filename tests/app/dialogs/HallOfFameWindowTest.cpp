#include "app/dialogs/HallOfFameWindow.h"
#include "platform/qt/QtFiles.h"
#include "tests/support/TestPictures.h"
#include "tests/support/WindowControls.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

struct LineBreakingCharacter {
    const char* name;
    char16_t character;
};

void PrintTo(const LineBreakingCharacter& character, std::ostream* out)
{
    *out << character.name;
}

class HallOfFameWindowRecordHolding : public ::testing::TestWithParam<LineBreakingCharacter> {};

INSTANTIATE_TEST_SUITE_P(Characters, HallOfFameWindowRecordHolding,
                         ::testing::Values(LineBreakingCharacter{"LineSeparator", u'\u2028'},
                                           LineBreakingCharacter{"ParagraphSeparator", u'\u2029'},
                                           LineBreakingCharacter{"FrameStart", u'\uFDD0'},
                                           LineBreakingCharacter{"FrameEnd", u'\uFDD1'}),
                         [](const auto& info) { return std::string(info.param.name); });

// A name typed or a file edited with one of these must not split its record.
TEST_P(HallOfFameWindowRecordHolding, ShowsItAsOneLine)
{
    TestFolder folder;
    QtFiles files;
    const std::string path = folder.filePath("grb.kel").toStdString();
    const QString name = QString("甲") + QChar(GetParam().character) + "乙";
    files.appendText(path, "\"" + name.toStdString() + "    步数: 10    时间: 5 秒    01-01-2026\"\r\n");
    files.appendText(path, "\"丙    步数: 20    时间: .5 秒    01-02-2026\"\r\n");

    const HallOfFameWindow viewer(files, path, nullptr);
    EXPECT_EQ(named<QPlainTextEdit>(viewer, HallOfFameControlNames::records)->document()->blockCount(), 3);
    EXPECT_EQ(viewer.text().toStdString(), "\"丙    步数: 20    时间: .5 秒    01-02-2026\"\n"
                                           "\"甲\uFFFD乙    步数: 10    时间: 5 秒    01-01-2026\"\n");
}

} // namespace
} // namespace pintu::test
