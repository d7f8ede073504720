#include "album/append_song_row.h"

#include "album/attach_picture.h"

namespace {

AlbumRow *InsertSongTexts(IAlbumList &list, AlbumRow *anchor, const TOrbData &song)
{
    AlbumRow *row = list.InsertAfter(anchor);
    TOrbData &record = list.Record(row);
    record.SongName = song.SongName;
    record.Singer = song.Singer;
    record.Duration = song.Duration;
    record.SizeText = song.SizeText;
    record.SourceFile = song.SourceFile;
    record.LyricsText = song.LyricsText;
    record.Album = song.Album;
    record.PictureFile = song.PictureFile;
    return row;
}

} // namespace

AlbumRow *AppendSongRow(IAlbumList &list, AlbumRow *anchor, const TOrbData &song)
{
    AlbumRow *row = InsertSongTexts(list, anchor, song);
    if (!song.PictureFile.isEmpty())
        AttachPicture(list, song.PictureFile, row);
    list.RowChanged(row);
    return row;
}

AlbumRow *AppendSongRow(IAlbumList &list, AlbumRow *anchor, const TOrbData &song,
                        const std::optional<QImage> &thumbnail)
{
    AlbumRow *row = InsertSongTexts(list, anchor, song);
    if (!song.PictureFile.isEmpty())
        AttachPicture(list, song.PictureFile, row, thumbnail);
    list.RowChanged(row);
    return row;
}
