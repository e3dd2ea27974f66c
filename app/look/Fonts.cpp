#include "app/look/Fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace pintu {

namespace {

// The desktop's own font stands for both designed typefaces.
bool desktopFace = false;

QFont font(const QString& family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

QFont inLanguage(const char* designed, double points)
{
    if (desktopFace)
        return font(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), points);
    return font(QString::fromUtf8(designed), points);
}

} // namespace

QFont songFont(double points)
{
    return inLanguage(songTi, points);
}

QFont kaiFont(double points)
{
    return inLanguage(kaiTi, points);
}

QFont designedSongFont(double points)
{
    return font(QString::fromUtf8(songTi), points);
}

QFont designedKaiFont(double points)
{
    return font(QString::fromUtf8(kaiTi), points);
}

void installFonts(Language language)
{
    QFont::insertSubstitution(QString::fromUtf8(songTi), "AR PL UMing CN");
    QFont::insertSubstitution(QString::fromUtf8(kaiTi), "AR PL UKai CN");
    desktopFace = language == Language::English;
    // Without a Song default, Chinese text falls back to whatever fontconfig likes best (Kai).
    QApplication::setFont(songFont(defaultFontPoints));
}

} // namespace pintu
