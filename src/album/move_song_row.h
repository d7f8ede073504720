#pragma once

#include <functional>

class AlbumRow;
class IAlbumList;

// Hands the list's view an arrow key: Down when `down`, else Up. The view
// treats it as the user's key press, so focus and selection move with it.
using ArrowKeySender = std::function<void(bool down)>;

// Moves the song of `row` one place down (or up) by exchanging the song data
// of the row and its neighbour; the rows themselves and their heights stay.
// Both thumbnails are rebuilt from the exchanged picture paths (a path whose
// file is gone leaves its row without thumbnail), then the
// arrow key goes to the view so that the focus follows the song. Nothing
// happens for no row, the first row moved up or the last row moved down.
void MoveSongRow(IAlbumList &list, AlbumRow *row, bool down, const ArrowKeySender &sendArrowKey);

// The same for a list without a view: the arrow key is MoveFocusLikeArrowKey.
void MoveSongRow(IAlbumList &list, AlbumRow *row, bool down);

// What an arrow key does to a list: the focus moves one row (it stays at
// either end) and the selection becomes that row alone.
void MoveFocusLikeArrowKey(IAlbumList &list, bool down);
