#pragma once

#include "app/text/Language.h"

class QCoreApplication;

namespace pintu {

// Every text a player sees goes through Qt's translation, the game's own
// Simplified Chinese as the source text; app/text/translations/ holds the English
// and Traditional Chinese, compiled into the program. The README's
// "Languages" says how a text is added.

// Puts the game's texts, and Qt's own (standard buttons, the command line's
// usage and mistakes), in `language`, in place of those installed before.
// The translators live as long as the application.
void installTranslations(QCoreApplication& application, Language language);

} // namespace pintu
