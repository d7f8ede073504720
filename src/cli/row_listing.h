#pragma once

#include <QString>

class IAlbumList;

// One line per row, "\n" after each: SongName, Singer, Duration, SizeText,
// SourceFile, PictureFile, Album and LyricsText separated by tabs, with
// backslash, tab, CR and LF written as \\, \t, \r and \n.
QString ListRows(const IAlbumList &list);

// A field with backslash, tab, CR and LF escaped.
QString EscapeListField(const QString &text);
