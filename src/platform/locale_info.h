#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

// The user's locale as the program sees it: a Windows locale identifier, the
// legacy "ANSI" code page of its language and the encoding of its charset.
// Derived once from the locale variables (LC_ALL, then LC_CTYPE, then LANG)
// by their names, so no glibc locale needs to be installed. PELORIN_LOCALE,
// when set, wins over them.
//
// Text that carries no mark of its own encoding is read in the legacy code
// page, as files from Windows machines are written; what the program writes
// itself is in the native encoding, so nothing is lost on a UTF-8 system.
struct LocaleInfo
{
    QString name;              // e.g. "zh_CN"; "C" when nothing is set
    quint32 localeId = 0;      // e.g. 0x0804
    int ansiCodePage = 1252;   // legacy code page of the language, e.g. 936
    int nativeCodePage = 1252; // 65001 for a UTF-8 charset; the legacy code
                               // page when the charset is missing or unknown
};

const LocaleInfo &CurrentLocale();

// Maps a locale name such as "zh_TW.UTF-8" or "ru_RU" to its identifiers.
LocaleInfo LocaleFromName(const QString &name);

// Replaces the locale for the rest of the process (tests); an empty name
// returns to the environment's locale.
void OverrideLocale(const QString &name);

// The legacy code page, for reading unmarked text.
int AnsiCodePage();
// The native encoding, for writing the log, the report and update.info.
int NativeCodePage();
quint32 ThreadLocaleId();

// Regional formatting of the current locale, through Qt's locale data.
QLocale RegionalLocale();
QChar DateSeparator();     // "/" where the locale has none
QChar TimeSeparator();     // ":" where the locale has none
QChar DecimalSeparator();
QChar ThousandsSeparator();
