#include "album/move_song_row.h"

#include "album/album_list.h"
#include "album/attach_picture.h"

#include <QFileInfo>

#include <utility>

namespace {

// The song data that travels with a move. The thumbnail does not: it is
// rebuilt from the picture path each row receives.
void ExchangeSongFields(TOrbData &a, TOrbData &b)
{
    std::swap(a.SongName, b.SongName);
    std::swap(a.Singer, b.Singer);
    std::swap(a.Duration, b.Duration);
    std::swap(a.SizeText, b.SizeText);
    std::swap(a.SourceFile, b.SourceFile);
    std::swap(a.LyricsText, b.LyricsText);
    std::swap(a.Album, b.Album);
    std::swap(a.PictureFile, b.PictureFile);
}

// Rebuilds the row's thumbnail from the picture path it received. An empty
// path leaves the old thumbnail, which the grid hides. A path whose file is
// gone clears it: a thumbnail must never show another song's picture.
void RebuildThumbnail(IAlbumList &list, AlbumRow *row)
{
    TOrbData &record = list.Record(row);
    if (!record.PictureFile.isEmpty()) {
        const QFileInfo picture(record.PictureFile);
        if (!picture.exists() || picture.isDir())
            record.Thumbnail.reset();
    }
    AttachPicture(list, record.PictureFile, row);
}

} // namespace

void MoveSongRow(IAlbumList &list, AlbumRow *row, bool down, const ArrowKeySender &sendArrowKey)
{
    if (!row)
        return;
    AlbumRow *neighbour = down ? list.Next(row) : list.Previous(row);
    if (!neighbour)
        return;
    {
        UpdateBracket update(list);
        ExchangeSongFields(list.Record(row), list.Record(neighbour));
        RebuildThumbnail(list, row);
        RebuildThumbnail(list, neighbour);
        list.RowChanged(row);
        list.RowChanged(neighbour);
    }
    if (sendArrowKey)
        sendArrowKey(down);
}

void MoveSongRow(IAlbumList &list, AlbumRow *row, bool down)
{
    MoveSongRow(list, row, down, [&list](bool keyDown) { MoveFocusLikeArrowKey(list, keyDown); });
}

void MoveFocusLikeArrowKey(IAlbumList &list, bool down)
{
    AlbumRow *from = list.Focused();
    AlbumRow *to = from ? (down ? list.Next(from) : list.Previous(from)) : list.First();
    if (!to)
        to = from;
    if (!to)
        return;
    for (AlbumRow *selected : list.Selected())
        list.SetSelected(selected, false);
    list.SetFocused(to);
    list.SetSelected(to, true);
}
