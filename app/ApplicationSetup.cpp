#include "ApplicationSetup.h"

#include "Fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pintu {

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName("pintu");
    installChineseFonts();

    // Standard buttons ("确定", "取消") come from Qt's own translation.
    auto* translator = new QTranslator(&application);
    if (translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

} // namespace pintu
