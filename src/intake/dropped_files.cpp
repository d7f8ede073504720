#include "intake/dropped_files.h"

#include "intake/add_songs.h"
#include "intake/attach_files.h"

#include "album/album_list.h"
#include "media/file_kinds.h"

#include <QFileInfo>

DroppedFiles SortDroppedFiles(const QStringList &paths)
{
    DroppedFiles files;
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir())
            continue;
        if (IsSongFile(path))
            files.songs.append(path);
        else if (IsPictureFile(path))
            files.pictures.append(path);
        else if (IsLyricsFile(path))
            files.lyrics.append(path);
    }
    return files;
}

void AddDroppedFiles(IAlbumList &list, const QStringList &paths)
{
    DroppedFiles files = SortDroppedFiles(paths);
    UpdateBracket bracket(list);
    if (!files.songs.isEmpty())
        AddSongFiles(list, files.songs);
    if (!files.pictures.isEmpty())
        AttachPictures(list, files.pictures);
    if (!files.lyrics.isEmpty())
        AttachLyrics(list, files.lyrics);
}
