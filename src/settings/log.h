#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The daily log: ApplicationFolder + "log/" + executable name with its
// extension replaced by "YYYYMMDD.log". Entries are written in the locale's
// native encoding with CR LF line ends; the folder is never created.
QString LogFilePath();

// Writes the lines of `text` (CR, LF and CR LF break lines), each followed by
// CR LF, in the locale's native encoding (UTF-8 on every current desktop;
// the legacy code page where the locale names one). Appends when `append` and the file exists,
// else creates or empties the file. 0 on success, -1 on failure; never throws.
int WriteTextToFile(const QString &text, const QString &path, bool append);

// Appends "yy/mm/dd hh:nn:ss zzz" + TAB + message to today's log. Entries from
// several threads are serialised, so none is lost. Failures are silent.
void WriteLog(const QString &message);

// WriteLog with a given moment instead of the clock.
void WriteLogAt(const QDateTime &moment, const QString &message);

// Accepts a progress note and records it nowhere.
void Trace(const QString &note);

// Splits a text into lines at CR, LF and CR LF; a break at the very end adds
// no empty line, an empty text gives no lines.
QStringList SplitLines(const QString &text);
