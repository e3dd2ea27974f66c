#include "platform/qt/QtFiles.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pintu::test {
namespace {

struct DamagedText {
    const char* name;
    QByteArray bytes;
    std::vector<std::string> lines;
};

void PrintTo(const DamagedText& text, std::ostream* out)
{
    *out << text.name;
}

class TextWithDamage : public ::testing::TestWithParam<DamagedText> {};

INSTANTIATE_TEST_SUITE_P(
    Files, TextWithDamage,
    ::testing::Values(DamagedText{"LeadByteAtTheEnd", "A\r\n\x81", {"A", "\uFFFD"}},
                      DamagedText{"FourByteCharacterCutShortAtTheEnd", "A\r\n\x81\x30\x81", {"A", "\uFFFD0\uFFFD"}},
                      DamagedText{"LeadBytesBeforeALineEndAndAtTheEnd", ".\xcd\r\x81", {".\uFFFD", "\uFFFD"}},
                      DamagedText{"WholeCharacterAtTheEnd", "\xcd\xe6", {"玩"}},
                      DamagedText{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Bytes that are not GB18030 read as U+FFFD wherever they are, so that no
// line of the hall of fame goes missing.
TEST_P(TextWithDamage, ReadsEveryBadByteAsAReplacementCharacter)
{
    TestFolder folder;
    const QString path = folder.writeBytes("grb.kel", GetParam().bytes);
    const auto tail = QtFiles().readLastLines(path.toStdString(), GetParam().lines.size() + 1, 100);
    ASSERT_TRUE(tail.has_value());
    std::vector<std::string> lines;
    for (const TextLine& line : tail->lines)
        lines.push_back(line.text);
    EXPECT_EQ(lines, GetParam().lines);
}

} // namespace
} // namespace pintu::test
