#include "intake/attach_files.h"

#include "album/album_list.h"
#include "album/attach_picture.h"
#include "media/picture_cache.h"
#include "media/sorted_paths.h"
#include "media/text_decoding.h"
#include "platform/text_trim.h"

namespace {
AlbumRow *StartRow(const IAlbumList &list)
{
    AlbumRow *focused = list.Focused();
    return focused ? focused : list.First();
}

// A picture the user chose or that lies beside the song; the song's own
// embedded picture gives way to an attached one.
bool HasChosenPicture(const TOrbData &song)
{
    return !song.PictureFile.isEmpty() && !IsCachedPicture(song.PictureFile);
}
} // namespace

void AttachPictures(IAlbumList &list, const QStringList &files)
{
    AlbumRow *row = StartRow(list);
    if (!row)
        return;
    UpdateBracket bracket(list);
    for (const QString &file : SortedPaths(files)) {
        while (row && (HasChosenPicture(list.Record(row)) || list.Record(row).SourceFile.isEmpty()))
            row = list.Next(row);
        if (!row)
            return;
        AttachPicture(list, file, row);
    }
}

void AttachLyrics(IAlbumList &list, const QStringList &files)
{
    AlbumRow *row = StartRow(list);
    if (!row)
        return;
    UpdateBracket bracket(list);
    for (const QString &file : SortedPaths(files)) {
        // Take rows until one has a song and no lyrics; the file goes there.
        for (;;) {
            if (!row)
                return;
            AlbumRow *taken = row;
            row = list.Next(row);
            TOrbData &song = list.Record(taken);
            if (!song.SourceFile.isEmpty() && song.LyricsText.isEmpty()) {
                song.LyricsText = TrimLeadingText(LoadTextFile(file));
                list.RowChanged(taken);
                break;
            }
        }
    }
}
