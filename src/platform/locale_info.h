#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

// The user's locale as the program sees it: a Windows locale identifier and
// the "ANSI" code page that goes with it. Derived once from the locale
// variables (LC_ALL, then LC_CTYPE, then LANG) by their names, so no glibc
// locale needs to be installed. PELORIN_LOCALE, when set, wins over them.
struct LocaleInfo
{
    QString name;            // e.g. "zh_CN"; "C" when nothing is set
    quint32 localeId = 0;    // e.g. 0x0804
    int ansiCodePage = 1252; // e.g. 936
};

const LocaleInfo &CurrentLocale();

// Maps a locale name such as "zh_TW.UTF-8" or "ru_RU" to its identifiers.
LocaleInfo LocaleFromName(const QString &name);

// Replaces the locale for the rest of the process (tests); an empty name
// returns to the environment's locale.
void OverrideLocale(const QString &name);

int AnsiCodePage();
quint32 ThreadLocaleId();

// Regional formatting of the current locale, through Qt's locale data.
QLocale RegionalLocale();
QChar DateSeparator();     // "/" where the locale has none
QChar TimeSeparator();     // ":" where the locale has none
QChar DecimalSeparator();
QChar ThousandsSeparator();
