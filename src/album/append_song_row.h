#pragma once

#include "album/album_list.h"

#include <QImage>

#include <optional>

// Adds a song row directly after `anchor` (as the last row when none), copies
// the song's texts into it and attaches its picture with a thumbnail. The
// song's own Thumbnail is not copied. Focus and selection stay as they were.
AlbumRow *AppendSongRow(IAlbumList &list, AlbumRow *anchor, const TOrbData &song);

// The same with the picture's thumbnail prepared beforehand by
// PrepareThumbnail(song.PictureFile).
AlbumRow *AppendSongRow(IAlbumList &list, AlbumRow *anchor, const TOrbData &song,
                        const std::optional<QImage> &thumbnail);
