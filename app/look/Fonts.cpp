#include "app/look/Fonts.h"

#include <QApplication>

namespace pintu {

namespace {

QFont font(const char* family, double points)
{
    QFont font(QString::fromUtf8(family));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

QFont songFont(double points)
{
    return font(songTi, points);
}

QFont kaiFont(double points)
{
    return font(kaiTi, points);
}

void installChineseFonts()
{
    QFont::insertSubstitution(QString::fromUtf8(songTi), "AR PL UMing CN");
    QFont::insertSubstitution(QString::fromUtf8(kaiTi), "AR PL UKai CN");
    // Without a Song default, Chinese text falls back to whatever fontconfig likes best (Kai).
    QApplication::setFont(songFont(defaultFontPoints));
}

} // namespace pintu
