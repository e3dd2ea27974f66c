#pragma once

#include <QFont>

namespace pintu {

// The two typefaces the screens are designed in, by their GB2312 names;
// installChineseFonts maps them to the Debian fonts that stand for them.
inline constexpr const char* songTi = "宋体";
inline constexpr const char* kaiTi = "楷体_GB2312";

inline constexpr double defaultFontPoints = 9;

QFont songFont(double points);
QFont kaiFont(double points);

void installChineseFonts();

} // namespace pintu
