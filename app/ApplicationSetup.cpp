#include "ApplicationSetup.h"

#include "ApplicationIcon.h"
#include "ApplicationIdentity.h"
#include "Fonts.h"
#include "QtTranslation.h"

#include <QApplication>

namespace pintu {

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName("pintu");
    QApplication::setApplicationVersion(applicationVersion);
    QGuiApplication::setDesktopFileName(desktopId);
    QApplication::setWindowIcon(applicationIcon());
    installChineseFonts();
    installQtChineseTexts(application);
}

} // namespace pintu
