#pragma once

#include "album/album_document.h"

#include <QString>
#include <QStringList>

class IAlbumList;

// What opening an album gave the list.
struct PlacedAlbum
{
    QString albumName;
    QString albumIcon;        // the icon to use: the album's, or the default one
    QStringList missingSongs; // song files that are gone; their rows were left out
    QString missingIcon;      // the album's icon when it is gone, else empty
};

// Replaces the rows of the list with the album's songs, in order and in one
// update, with their thumbnails. A song whose file is gone is left out. A
// picture that is gone keeps its path, so the build falls back to a default
// picture as for any missing picture; an embedded picture that the picture
// cache lost is first written again from its song.
PlacedAlbum PlaceAlbum(IAlbumList &list, const AlbumDocument &album);

// The message that tells what was left out or replaced, or empty.
QString PlacedAlbumMessage(const PlacedAlbum &placed);
