#pragma once

#include <QString>

// File kinds by extension alone, never by content. The extension is the part
// of the file name from its last dot on; letter case does not matter.
bool IsSongFile(const QString &path);
bool IsPictureFile(const QString &path);
bool IsLyricsFile(const QString &path);

// The file name's extension with its dot, in the name's own letter case, or
// empty when the name has no dot ("a/b.c/name" has none).
QString FileExtension(const QString &path);
