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
