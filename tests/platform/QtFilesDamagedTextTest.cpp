#include "QtFiles.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

struct DamagedText {
    const char* name;
    QByteArray bytes;
    std::string read;
};

void PrintTo(const DamagedText& text, std::ostream* out)
{
    *out << text.name;
}

class TextWithDamage : public ::testing::TestWithParam<DamagedText> {};

INSTANTIATE_TEST_SUITE_P(
    Files, TextWithDamage,
    ::testing::Values(DamagedText{"LeadByteAtTheEnd", "A\r\n\x81", "A\r\n\uFFFD"},
                      DamagedText{"FourByteCharacterCutShortAtTheEnd", "A\r\n\x81\x30\x81", "A\r\n\uFFFD0\uFFFD"},
                      DamagedText{"LeadBytesBeforeALineEndAndAtTheEnd", ".\xcd\r\x81", ".\uFFFD\r\uFFFD"},
                      DamagedText{"WholeCharacterAtTheEnd", "\xcd\xe6", "玩"},
                      DamagedText{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Bytes that are not GB18030 read as U+FFFD wherever they are, so that no
// line of the hall of fame goes missing.
TEST_P(TextWithDamage, ReadsEveryBadByteAsAReplacementCharacter)
{
    TestFolder folder;
    const QString path = folder.writeBytes("grb.kel", GetParam().bytes);
    EXPECT_EQ(QtFiles().readText(path.toStdString()), GetParam().read);
}

} // namespace
} // namespace pintu::test
