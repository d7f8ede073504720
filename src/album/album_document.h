#pragma once

#include "album/orb_data.h"

#include <QList>
#include <QString>

class IAlbumList;

// One row of an album as an album file keeps it: every field of its record
// but the thumbnail, which is made again from the picture.
struct AlbumSong
{
    QString SongName;
    QString Singer;
    QString Duration;
    QString SizeText;
    QString SourceFile;
    QString PictureFile;
    QString Album;
    QString LyricsText;
    QString Reserved1;
    QString Reserved2;
    QString Reserved3;
    qint32 ReservedNumber1 = 0;
    qint32 ReservedNumber2 = 0;
    qint32 ReservedNumber3 = 0;
    // The picture is the song's own embedded one, kept in the picture cache;
    // it can be written again from the song when the cache lost it.
    bool PictureFromSong = false;

    bool operator==(const AlbumSong &) const = default;
};

// An album: its name (empty before the first build), its icon (empty for
// the default album icon) and its rows in order.
struct AlbumDocument
{
    QString albumName;
    QString albumIcon;
    QList<AlbumSong> songs;

    bool operator==(const AlbumDocument &) const = default;
};

AlbumSong SongOfRecord(const TOrbData &record);
TOrbData RecordOfSong(const AlbumSong &song); // without thumbnail

// The album as the list and the album-level values hold it now. An icon
// that is the default album icon file is kept as "the default".
AlbumDocument CaptureAlbum(const IAlbumList &list, const QString &albumName, const QString &albumIcon);
