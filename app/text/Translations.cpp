#include "app/text/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pintu {

namespace {

constexpr const char* translatorName = "pintuTranslator";

void install(QCoreApplication& application, const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    translator->setObjectName(translatorName);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(QCoreApplication& application, Language language)
{
    // A translator leaves the application as it is deleted.
    qDeleteAll(application.findChildren<QTranslator*>(translatorName, Qt::FindDirectChildrenOnly));

    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    switch (language) {
    case Language::SimplifiedChinese:
        install(application, "qtbase_zh_CN", qtFolder);
        break;
    case Language::TraditionalChinese:
        install(application, "pintu_zh_TW", ":/i18n");
        install(application, "qtbase_zh_TW", qtFolder);
        break;
    case Language::English:
        // Qt's own texts are English already.
        install(application, "pintu_en", ":/i18n");
        break;
    }
}

} // namespace pintu
