#pragma once

#include "app/text/Language.h"

#include <QtGlobal>

class QApplication;

namespace pintu {

// The title of the board windows and of every message box.
inline constexpr const char* applicationTitle = QT_TRANSLATE_NOOP("pintu::Messages", "拼图");

// Names, icon, fonts and the texts in `language`: everything a window of the
// game expects of the application before it is built.
void setUpApplication(QApplication& application, Language language);

} // namespace pintu
