#pragma once

class QApplication;

namespace pintu {

inline constexpr const char* applicationTitle = "拼图";

// Names, icon, fonts and Qt's own Chinese texts: everything a window of the game
// expects of the application before it is built.
void setUpApplication(QApplication& application);

} // namespace pintu
