#include "app/session/ApplicationSetup.h"

#include "app/look/ApplicationIcon.h"
#include "app/look/Fonts.h"
#include "app/session/ApplicationIdentity.h"
#include "app/text/Translations.h"

#include <QApplication>

namespace pintu {

void setUpApplication(QApplication& application, Language language)
{
    QApplication::setApplicationName("pintu");
    QApplication::setApplicationVersion(applicationVersion);
    QGuiApplication::setDesktopFileName(desktopId);
    QApplication::setWindowIcon(applicationIcon());
    installFonts(language);
    installTranslations(application, language);
}

} // namespace pintu
