#pragma once

#include "media/embedded_picture.h"

#include <QString>

#include <optional>

// What a song file carries besides its tags: its cover picture and lyrics.
struct SongExtras
{
    std::optional<EmbeddedPicture> picture;
    QString lyrics; // lines separated by CR LF, trimmed; empty when none
};

// Reads the embedded picture and lyrics of a song, each only when wanted.
// MP3 and AAC: the ID3v2 tag at the start of the file; the picture is the
// first usable APIC frame of type "front cover", else the first usable one;
// the lyrics are the USLT frame in the locale's language, else the first,
// else the SYLT frame (timed in milliseconds) chosen likewise, as LRC lines.
// MP4: the first covr picture and the ©lyr text. A damaged or hostile file
// gives what could be read; the reader never throws.
SongExtras ReadSongExtras(const QString &path, bool wantPicture, bool wantLyrics);

// The ISO 639-2 codes of the locale's language ("chi" and "zho" for zh_CN),
// as ID3v2 lyrics frames name their language; empty for the C locale.
QStringList LocaleLyricsLanguages();
