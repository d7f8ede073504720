#pragma once

#include <QString>
#include <QStringList>

class IAlbumList;

// Adds each path as a song, after sorting the list in place by path
// (case-insensitively, in the user's locale). Every song lands directly after
// the row that has the focus, or at the end when none has it; files that are
// not songs are skipped. An error (a lyrics file that cannot be read) ends
// the batch: the songs added before it stay. The changes form one update.
void AddSongFiles(IAlbumList &list, QStringList &paths);

// Adds one song, or does nothing when the path is not a song file.
void AddSongFile(IAlbumList &list, const QString &path);
