#include "intake/song_reading.h"

#include "media/audio_genie3.h"
#include "media/picture_cache.h"
#include "media/song_extras.h"
#include "media/song_format.h"
#include "media/song_names.h"
#include "media/text_decoding.h"
#include "platform/text_trim.h"

#include <cmath>
#include <limits>

namespace {

// Whole seconds, rounded down; anything that is not a usable number is 0.
qint32 WholeSeconds(float seconds)
{
    if (!(seconds > 0.0f))
        return 0;
    if (seconds >= float(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    return qint32(std::floor(seconds));
}

} // namespace

TOrbData ReadSongRecord(const QString &path)
{
    TOrbData song;
    {
        TAudioGenie3 reader;
        reader.AnalyzeFile(path);
        song.Duration = FormatDurationText(WholeSeconds(reader.ReadDuration()));
        QString artist = reader.ReadArtist();
        QString title = reader.ReadTitle();
        const QString album = reader.ReadAlbum();
        if (title.isEmpty() || artist.isEmpty())
            NamesFromFileName(path, title, artist);
        song.SizeText = FormatSizeText(reader.ReadFileSize());
        song.SongName = title;
        song.Singer = artist;
        song.SourceFile = path;
        song.Album = album;
    }
    const QString picture = FindCompanionFile(path, CompanionKind::Picture);
    if (!picture.isEmpty())
        song.PictureFile = picture;
    const QString lyrics = FindCompanionFile(path, CompanionKind::Lyrics);
    if (!lyrics.isEmpty())
        song.LyricsText = TrimText(LoadTextFile(lyrics));
    // Without a companion file, the song's own picture and lyrics stand in.
    if (picture.isEmpty() || lyrics.isEmpty()) {
        const SongExtras extras = ReadSongExtras(path, picture.isEmpty(), lyrics.isEmpty());
        if (extras.picture)
            song.PictureFile = CachePicture(*extras.picture);
        if (lyrics.isEmpty())
            song.LyricsText = extras.lyrics;
    }
    return song;
}
