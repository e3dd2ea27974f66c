#include "app/text/Language.h"

#include <gtest/gtest.h>

namespace pintu {
namespace {

struct LanguageRow {
    const char* name;
    QStringList uiLanguages; // as QLocale gives them, most wanted first
    Language spoken;
};

class PlayersLanguages : public ::testing::TestWithParam<LanguageRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, PlayersLanguages,
    ::testing::Values(
        LanguageRow{"CAndPosix", {"C"}, Language::SimplifiedChinese},
        LanguageRow{"PosixByName", {"POSIX"}, Language::SimplifiedChinese},
        LanguageRow{"Singapore", {"zh-SG", "zh-Hans-SG"}, Language::SimplifiedChinese},
        LanguageRow{"None", {}, Language::SimplifiedChinese},
        LanguageRow{"Mainland", {"zh-CN", "zh-Hans-CN", "zh"}, Language::SimplifiedChinese},
        LanguageRow{"Taiwan", {"zh-TW", "zh-Hant-TW"}, Language::TraditionalChinese},
        LanguageRow{"HongKong", {"zh-HK", "zh-Hant-HK"}, Language::TraditionalChinese},
        LanguageRow{"Macau", {"zh-MO", "zh-Hant-MO"}, Language::TraditionalChinese},
        LanguageRow{"TraditionalScript", {"zh-Hant"}, Language::TraditionalChinese},
        LanguageRow{"SystemSpelling", {"zh_TW"}, Language::TraditionalChinese},
        LanguageRow{"UnitedStates", {"en-US", "en-Latn-US", "en"}, Language::English},
        LanguageRow{"AnyCase", {"EN-gb"}, Language::English},
        LanguageRow{"EnglishAfterAnUnspokenLanguage", {"fr", "fr-Latn-FR", "en-GB"}, Language::English},
        LanguageRow{"FirstSpokenWins", {"zh-CN", "en-US"}, Language::SimplifiedChinese},
        LanguageRow{"EnglishBeforeChinese", {"de-DE", "en", "zh-TW"}, Language::English},
        LanguageRow{"France", {"fr-FR", "fr-Latn-FR", "fr"}, Language::English},
        LanguageRow{"OnlyUnspoken", {"de-DE", "eo"}, Language::English}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(PlayersLanguages, ChooseTheFirstTheGameSpeaks)
{
    EXPECT_EQ(languageFor(GetParam().uiLanguages), GetParam().spoken);
}

} // namespace
} // namespace pintu
