#include "app/text/Language.h"

#include <QLocale>

#include <algorithm>
#include <optional>

namespace pintu {

namespace {

// Whether `tag` is `language` or one of its variants ("en", "en-GB").
bool isOf(const QString& tag, const QString& language)
{
    return tag == language || tag.startsWith(language + '-');
}

std::optional<Language> spoken(QString tag)
{
    tag = tag.toLower().replace('_', '-');
    if (isOf(tag, "en"))
        return Language::English;
    // Taiwan, Hong Kong and Macau write the traditional characters; a tag may
    // also name the script itself.
    for (const char* traditional : {"zh-hant", "zh-tw", "zh-hk", "zh-mo"}) {
        if (isOf(tag, traditional))
            return Language::TraditionalChinese;
    }
    if (isOf(tag, "zh"))
        return Language::SimplifiedChinese;
    return std::nullopt;
}

} // namespace

Language languageFor(const QStringList& uiLanguages)
{
    for (const QString& tag : uiLanguages) {
        if (const std::optional<Language> language = spoken(tag))
            return *language;
    }
    // A player of a language the game has no words of reads English sooner
    // than Chinese; C and POSIX name no language at all.
    const bool namesALanguage = std::any_of(uiLanguages.begin(), uiLanguages.end(),
                                            [](const QString& tag) { return tag != "C" && tag != "POSIX"; });
    return namesALanguage ? Language::English : Language::SimplifiedChinese;
}

Language systemLanguage()
{
    return languageFor(QLocale::system().uiLanguages());
}

} // namespace pintu
