#include "album/album_document.h"

#include "album/album_list.h"
#include "album/default_album_icon.h"
#include "media/picture_cache.h"

#include <QDir>

AlbumSong SongOfRecord(const TOrbData &record)
{
    AlbumSong song;
    song.SongName = record.SongName;
    song.Singer = record.Singer;
    song.Duration = record.Duration;
    song.SizeText = record.SizeText;
    song.SourceFile = record.SourceFile;
    song.PictureFile = record.PictureFile;
    song.Album = record.Album;
    song.LyricsText = record.LyricsText;
    song.Reserved1 = record.Reserved1;
    song.Reserved2 = record.Reserved2;
    song.Reserved3 = record.Reserved3;
    song.ReservedNumber1 = record.ReservedNumber1;
    song.ReservedNumber2 = record.ReservedNumber2;
    song.ReservedNumber3 = record.ReservedNumber3;
    song.PictureFromSong = IsCachedPicture(record.PictureFile);
    return song;
}

TOrbData RecordOfSong(const AlbumSong &song)
{
    TOrbData record;
    record.SongName = song.SongName;
    record.Singer = song.Singer;
    record.Duration = song.Duration;
    record.SizeText = song.SizeText;
    record.SourceFile = song.SourceFile;
    record.PictureFile = song.PictureFile;
    record.Album = song.Album;
    record.LyricsText = song.LyricsText;
    record.Reserved1 = song.Reserved1;
    record.Reserved2 = song.Reserved2;
    record.Reserved3 = song.Reserved3;
    record.ReservedNumber1 = song.ReservedNumber1;
    record.ReservedNumber2 = song.ReservedNumber2;
    record.ReservedNumber3 = song.ReservedNumber3;
    return record;
}

AlbumDocument CaptureAlbum(const IAlbumList &list, const QString &albumName, const QString &albumIcon)
{
    AlbumDocument album;
    album.albumName = albumName;
    if (QDir::cleanPath(albumIcon) != QDir::cleanPath(DefaultAlbumIconPath()))
        album.albumIcon = albumIcon;
    for (AlbumRow *row = list.First(); row; row = list.Next(row))
        album.songs.append(SongOfRecord(list.Record(row)));
    return album;
}
