#include "app/qt_translations.h"

#include "settings/log.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallQtTranslations(QCoreApplication &application)
{
    return InstallQtTranslations(application, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool InstallQtTranslations(QCoreApplication &application, const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
        delete translator;
        WriteLog(QStringLiteral("Qt translation qtbase_zh_CN not found in %1").arg(folder));
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
