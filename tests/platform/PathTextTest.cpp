#include "PathText.h"

#include <QUrl>

#include <gtest/gtest.h>

namespace pintu {
namespace {

struct ShownRow {
    const char* name;
    std::string bytes;
    QString shown;
};

class ShownNames : public ::testing::TestWithParam<ShownRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, ShownNames,
                         ::testing::Values(ShownRow{"Utf8", "猫.bmp", "猫.bmp"},
                                           ShownRow{"Gb18030", "\xB2\xE2\xCA\xD4.bmp", "测试.bmp"},
                                           ShownRow{"Gb18030CutShort", "\xB2\xE2\xCA.bmp", "\uFFFD\uFFFD\uFFFD.bmp"},
                                           ShownRow{"Neither", "\x80\xFF.bmp", "\uFFFD\uFFFD.bmp"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(ShownNames, DecodeAsUtf8ElseGb18030ElseWithReplacements)
{
    EXPECT_EQ(shownName(GetParam().bytes), GetParam().shown);
}

TEST(LocalFiles, AreTheBytesTheirUrlEscapes)
{
    EXPECT_EQ(localFile(QUrl::fromEncoded("file:///tmp/%B2%E2%CA%D4.bmp")), "/tmp/\xB2\xE2\xCA\xD4.bmp");
    EXPECT_EQ(localFile(QUrl::fromEncoded("file:///tmp/a%20b.bmp")), "/tmp/a b.bmp");
    EXPECT_EQ(localFile(QUrl::fromEncoded("file://elsewhere/tmp/a.bmp")), std::nullopt);
    // The system would open "/tmp/a.bmp".
    EXPECT_EQ(localFile(QUrl::fromEncoded("file:///tmp/a.bmp%00.txt")), std::nullopt);
}

} // namespace
} // namespace pintu
