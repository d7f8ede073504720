#pragma once

#include "album/album_list.h"

#include <QImage>
#include <QString>

#include <optional>

// Sets the row's picture and builds its thumbnail. Does nothing at all when
// no row is given, no file exists at `path`, or it is not a picture file by
// its extension. A picture that cannot be decoded leaves the path set and the
// row without a thumbnail; nothing is reported. The row grows to hold the
// thumbnail (height + 4 when that exceeds the default) and never shrinks.
void AttachPicture(IAlbumList &list, const QString &path, AlbumRow *row);

// The same with a thumbnail already made by PrepareThumbnail(path), e.g. on a
// worker thread; the result is identical.
void AttachPicture(IAlbumList &list, const QString &path, AlbumRow *row, const std::optional<QImage> &thumbnail);
