#pragma once

#include <QStringList>

class IAlbumList;

// Gives the pictures (sorted by path, case-insensitively) to the rows without
// a picture, from the focused row (or the first) downwards; a row showing
// its song's embedded picture counts as without. A picture that is refused
// leaves its row free for the next one. Surplus files are ignored.
void AttachPictures(IAlbumList &list, const QStringList &files);

// Gives the lyrics files (sorted likewise) to the rows without lyrics, from
// the focused row (or the first) downwards; every file uses up a row, also
// one that yields no text. Leading blanks and control characters are removed.
void AttachLyrics(IAlbumList &list, const QStringList &files);
