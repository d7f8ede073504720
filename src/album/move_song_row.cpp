#include "album/move_song_row.h"

#include "album/album_list.h"
#include "album/attach_picture.h"

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
        // A refused path (empty, missing, not a picture) leaves the row's
        // old thumbnail in place; the grid hides it when the path is empty.
        AttachPicture(list, list.Record(row).PictureFile, row);
        AttachPicture(list, list.Record(neighbour).PictureFile, neighbour);
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
