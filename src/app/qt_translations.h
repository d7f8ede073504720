#pragma once

class QCoreApplication;
class QString;

// Installs Qt's own texts in Simplified Chinese (qtbase_zh_CN from Qt's
// translations folder), whatever the locale: the program speaks Chinese by
// design, so its dialogs, message boxes and edit-box menus must too. A
// missing translation is logged and the program starts in Qt's English.
// Returns whether the translation was installed.
bool InstallQtTranslations(QCoreApplication &application);

// The same from another folder.
bool InstallQtTranslations(QCoreApplication &application, const QString &folder);
