#pragma once

#include <QStringList>

class IAlbumList;

// Dropped files sorted by kind; folders and other files are left out.
struct DroppedFiles
{
    QStringList songs;
    QStringList pictures;
    QStringList lyrics;
};

// Sorts paths by IsSongFile, then IsPictureFile, then IsLyricsFile.
DroppedFiles SortDroppedFiles(const QStringList &paths);

// Adds the files as a drop on the window does: songs with AddSongFiles, then
// pictures with AttachPictures, then lyrics with AttachLyrics, all in one
// update of the list.
void AddDroppedFiles(IAlbumList &list, const QStringList &paths);

// Gives the pictures (sorted by path, case-insensitively) to the rows without
// a picture, from the focused row (or the first) downwards; a picture that
// is refused leaves its row free for the next one. Surplus files are ignored.
void AttachPictures(IAlbumList &list, const QStringList &files);

// Gives the lyrics files (sorted likewise) to the rows without lyrics, from
// the focused row (or the first) downwards; every file uses up a row, also
// one that yields no text. Leading blanks and control characters are removed.
void AttachLyrics(IAlbumList &list, const QStringList &files);

// Paths in ascending order, compared without regard to case in the user's
// locale.
QStringList SortedPaths(QStringList paths);
