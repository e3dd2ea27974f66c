#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pintu {

// Screens are designed in twips: 1/1440 inch, 15 to a pixel at 96 dots per
// inch. Qt scales pixels further on high-density screens.
inline constexpr int twipsPerPixel = 15;

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct TwipSize {
    int width;
    int height;
};

constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

inline QRect pixels(const TwipRect& rect)
{
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

inline QSize pixels(const TwipSize& size)
{
    return {pixels(size.width), pixels(size.height)};
}

} // namespace pintu
