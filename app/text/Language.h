#pragma once

#include <QStringList>

namespace pintu {

// The languages the game speaks. Its own words, in the sources, are
// Simplified Chinese; the others are translations of them.
enum class Language { SimplifiedChinese, TraditionalChinese, English };

// The first of the player's languages, most wanted first, that the game
// speaks; English when it speaks none of them, its own when they name no
// language (C, POSIX). Takes the forms QLocale::uiLanguages gives
// ("zh-Hant-TW") and the system's ("zh_TW").
Language languageFor(const QStringList& uiLanguages);

// The language of the desktop the game runs on: C and POSIX, which name no
// language, keep the game's own.
Language systemLanguage();

} // namespace pintu
