#pragma once

#include "app/text/Language.h"

class QApplication;

namespace pintu {

// Names, icon, fonts and the texts in `language`: everything a window of the
// game expects of the application before it is built.
void setUpApplication(QApplication& application, Language language);

} // namespace pintu
