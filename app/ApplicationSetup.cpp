#include "ApplicationSetup.h"

#include "ApplicationIcon.h"
#include "ApplicationIdentity.h"
#include "Fonts.h"
#include "Translations.h"

#include <QApplication>

namespace pintu {

void setUpApplication(QApplication& application, Language language)
{
    QApplication::setApplicationName("pintu");
    QApplication::setApplicationVersion(applicationVersion);
    QGuiApplication::setDesktopFileName(desktopId);
    QApplication::setWindowIcon(applicationIcon());
    installChineseFonts();
    installTranslations(application, language);
}

} // namespace pintu
