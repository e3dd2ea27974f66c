#pragma once

#include "Language.h"
#include "Translations.h"

#include <QCoreApplication>

#include <array>
#include <string>

namespace pintu::test {

inline constexpr std::array<Language, 3> allLanguages{Language::SimplifiedChinese, Language::TraditionalChinese,
                                                      Language::English};

// For test names: "English".
inline std::string languageName(Language language)
{
    switch (language) {
    case Language::SimplifiedChinese:
        return "SimplifiedChinese";
    case Language::TraditionalChinese:
        return "TraditionalChinese";
    case Language::English:
        return "English";
    }
    return "";
}

// The game speaks `language` while this lives, and its own words again after.
class Speaking {
public:
    explicit Speaking(Language language) { installTranslations(*QCoreApplication::instance(), language); }
    ~Speaking() { installTranslations(*QCoreApplication::instance(), Language::SimplifiedChinese); }
    Speaking(const Speaking&) = delete;
    Speaking& operator=(const Speaking&) = delete;
};

} // namespace pintu::test
