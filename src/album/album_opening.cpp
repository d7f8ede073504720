#include "album/album_opening.h"

#include "album/album_list.h"
#include "album/append_song_row.h"
#include "album/default_album_icon.h"
#include "media/picture_cache.h"
#include "media/song_extras.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The embedded picture of the song, written to the cache again, or the
// stored path when the song no longer has it.
QString RestoredPicture(const AlbumSong &song)
{
    if (!song.PictureFromSong || QFileInfo(song.PictureFile).isFile())
        return song.PictureFile;
    const SongExtras extras = ReadSongExtras(song.SourceFile, true, false);
    const QString cached = extras.picture ? CachePicture(*extras.picture) : QString();
    return cached.isEmpty() ? song.PictureFile : cached;
}

} // namespace

PlacedAlbum PlaceAlbum(IAlbumList &list, const AlbumDocument &album)
{
    PlacedAlbum placed;
    placed.albumName = album.albumName;
    placed.albumIcon = album.albumIcon;
    if (placed.albumIcon.isEmpty() || !QFileInfo(placed.albumIcon).isFile()) {
        if (!placed.albumIcon.isEmpty())
            placed.missingIcon = placed.albumIcon;
        placed.albumIcon = DefaultAlbumIconFile();
    }

    UpdateBracket bracket(list);
    list.DeleteAll();
    for (const AlbumSong &song : album.songs) {
        if (!QFileInfo(song.SourceFile).isFile()) {
            placed.missingSongs.append(song.SourceFile);
            continue;
        }
        TOrbData record = RecordOfSong(song);
        record.PictureFile = RestoredPicture(song);
        AlbumRow *row = AppendSongRow(list, nullptr, record);
        // The spare slots, which the row append does not copy.
        TOrbData &placedRecord = list.Record(row);
        placedRecord.Reserved1 = record.Reserved1;
        placedRecord.Reserved2 = record.Reserved2;
        placedRecord.Reserved3 = record.Reserved3;
        placedRecord.ReservedNumber1 = record.ReservedNumber1;
        placedRecord.ReservedNumber2 = record.ReservedNumber2;
        placedRecord.ReservedNumber3 = record.ReservedNumber3;
    }
    return placed;
}

QString PlacedAlbumMessage(const PlacedAlbum &placed)
{
    QStringList parts;
    if (!placed.missingSongs.isEmpty()) {
        QStringList lines{QStringLiteral("下列歌曲文件已经不存在，没有加入列表：")};
        for (const QString &song : placed.missingSongs)
            lines.append(QDir::toNativeSeparators(song));
        parts.append(lines.join(QLatin1Char('\n')));
    }
    if (!placed.missingIcon.isEmpty())
        parts.append(QStringLiteral("专辑图标已经不存在，改用默认图标：\n")
                     + QDir::toNativeSeparators(placed.missingIcon));
    return parts.join(QStringLiteral("\n\n"));
}
