#pragma once

#include "media/song_tags.h"

#include <QString>

// The song tag reader: analyse a file first, then read its title, artist,
// album, duration and size. One reader per song; a file that cannot be
// analysed (missing, a folder, unreadable) reads as empty texts and zeros.
// Readers keep their own state, so several may work at once on other threads.
class TAudioGenie3
{
public:
    // The result is 0 when the file could be read, -1 otherwise.
    qint32 AnalyzeFile(const QString &path);

    QString ReadTitle() const { return m_song.title; }
    QString ReadArtist() const { return m_song.artist; }
    QString ReadAlbum() const { return m_song.album; }
    float ReadDuration() const { return float(m_song.seconds); }
    // 64-bit, so files of 2 GiB and more keep their true size.
    qint64 ReadFileSize() const { return m_song.size; }

private:
    SongTags m_song;
};
