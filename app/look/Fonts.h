#pragma once

#include "app/text/Language.h"

#include <QFont>

namespace pintu {

// The two typefaces the screens are designed in, by their GB2312 names;
// installFonts maps them to the Debian fonts that stand for them.
inline constexpr const char* songTi = "宋体";
inline constexpr const char* kaiTi = "楷体_GB2312";

inline constexpr double defaultFontPoints = 9;

// Text in the player's language: Chinese in the typeface the screen is
// designed in, English in the desktop's own font at the same size, which
// reads better than the Latin letters of a Chinese typeface.
QFont songFont(double points);
QFont kaiFont(double points);

// Text that stays as it is in every language, in the typeface the screen is
// designed in: the game's name on the title screen, the hall of fame's
// records, the signature "Tavro".
QFont designedSongFont(double points);
QFont designedKaiFont(double points);

// The faces for `language`, the application's default font among them.
void installFonts(Language language);

} // namespace pintu
