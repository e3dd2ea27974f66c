#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace pintu {

// Colours as the screens are designed: 0x00BBGGRR, 0 for the system's own.
inline constexpr unsigned systemColour = 0;
inline constexpr unsigned red = 0x000000FF;

inline QColor fromBgr(unsigned colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

} // namespace pintu
