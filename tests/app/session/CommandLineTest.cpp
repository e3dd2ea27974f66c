#include "app/session/CommandLine.h"

#include <gtest/gtest.h>

namespace pintu {
namespace {

using Stream = CommandLineAnswer::Stream;

struct PictureRow {
    const char* name;
    std::vector<std::string> arguments;
    std::optional<std::string> picture;
};

class GameArguments : public ::testing::TestWithParam<PictureRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, GameArguments,
    ::testing::Values(PictureRow{"None", {"pintu"}, std::nullopt},
                      PictureRow{"ChinesePath", {"pintu", "/图片/猫.bmp"}, "/图片/猫.bmp"},
                      // "测试.bmp" as an archive made on Chinese Windows names it: GB18030, no UTF-8.
                      PictureRow{"Gb18030Bytes", {"pintu", "\xB2\xE2\xCA\xD4.bmp"}, "\xB2\xE2\xCA\xD4.bmp"},
                      PictureRow{"NeitherBytes", {"pintu", "-style", "\x80", "--", "\x80\xFF"}, "\x80\xFF"},
                      PictureRow{"SpacesKept", {"pintu", "my pictures/a b.jpg"}, "my pictures/a b.jpg"},
                      PictureRow{"DashAfterDoubleDash", {"pintu", "--", "-dash.png"}, "-dash.png"},
                      // Qt's own options are the application's, not a picture.
                      PictureRow{"RestoredBySession", {"pintu", "-session", "1a2b", "cat.bmp"}, "cat.bmp"},
                      PictureRow{"QtStyleAndDirection", {"pintu", "-style", "fusion", "-reverse"}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(GameArguments, StartAGameWithTheirPicture)
{
    const CommandLineOutcome outcome = parseCommandLine(GetParam().arguments);
    const auto* commandLine = std::get_if<CommandLine>(&outcome);
    ASSERT_NE(commandLine, nullptr);
    EXPECT_EQ(commandLine->picture, GetParam().picture);
}

struct AnswerRow {
    const char* name;
    std::vector<std::string> arguments;
    Stream stream;
    int exitStatus;
    QString saying; // a part of the answer that only this row gives
};

class AnsweredArguments : public ::testing::TestWithParam<AnswerRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, AnsweredArguments,
    ::testing::Values(
        AnswerRow{"Help", {"pintu", "--help"}, Stream::Output, 0, "--version"},
        AnswerRow{"ShortHelp", {"pintu", "-h"}, Stream::Output, 0, "--version"},
        AnswerRow{"HelpBeforeAPicture", {"pintu", "-h", "cat.bmp"}, Stream::Output, 0, "--version"},
        AnswerRow{"Version", {"pintu", "--version"}, Stream::Output, 0, "pintu " PINTU_PROJECT_VERSION "\n"},
        AnswerRow{"ShortVersion", {"pintu", "-v"}, Stream::Output, 0, "pintu " PINTU_PROJECT_VERSION "\n"},
        AnswerRow{"VersionOnAChosenPlatform", {"pintu", "-platform", "offscreen", "--version"}, Stream::Output, 0,
                  "pintu " PINTU_PROJECT_VERSION "\n"},
        AnswerRow{"UnknownOption", {"pintu", "--colour"}, Stream::Error, 2, "colour"},
        AnswerRow{"ValueForAFlag", {"pintu", "--help=yes"}, Stream::Error, 2, "--help"},
        AnswerRow{"TwoPictures", {"pintu", "a.bmp", "b.bmp"}, Stream::Error, 2, "一次只能打开一张图片。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(AnsweredArguments, AreAnsweredInsteadOfAGame)
{
    const AnswerRow& row = GetParam();
    const CommandLineOutcome outcome = parseCommandLine(row.arguments);
    const auto* answer = std::get_if<CommandLineAnswer>(&outcome);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->stream, row.stream);
    EXPECT_EQ(answer->exitStatus, row.exitStatus);
    EXPECT_TRUE(answer->text.contains(row.saying)) << answer->text.toStdString();
    if (row.stream == Stream::Error) { // a mistake comes with the right way to call
        EXPECT_TRUE(answer->text.contains("[图片]")) << answer->text.toStdString();
    }
}

} // namespace
} // namespace pintu
