#pragma once

#include <QString>
#include <QStringList>

class IAlbumList;

// Writes output/<album>.txt in the locale's native encoding (UTF-8 on a UTF-8
// desktop, so the user's editors show it) with CR LF line ends:
// the lines of info.tpl when it exists, then "N. title" per song with
// "-singer" appended unless the line holds it already. Throws AppError when
// the template cannot be read or the report cannot be written.
void WriteBuildReport(const QString &album, const IAlbumList &list);

// The report's lines without the template's.
QStringList ReportSongLines(const IAlbumList &list);

// A text file's lines: a UTF-16 or UTF-8 byte-order mark selects that
// encoding, otherwise the ANSI code page. Throws AppError when unreadable.
QStringList ReadTemplateLines(const QString &path);
