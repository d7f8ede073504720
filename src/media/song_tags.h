#pragma once

#include <QString>

// What the tag reader learns about one song file. Empty texts and zeros stand
// for what could not be read.
struct SongTags
{
    QString title;
    QString artist;
    QString album;
    double seconds = 0.0;
    qint64 size = 0;
};

// How far past its tags a song file is searched for its first audio frame
// (and, in MPEG files, how far before its end for the last): a file with no
// audio there reads as a song without duration, whatever its size.
constexpr long long SongProbeBytes = 1024LL * 1024;

// Readers by container. Each reads what it can and never throws: a damaged
// file gives whatever part of it was readable.
SongTags ReadMpegSong(const QString &path);  // MP3: ID3v2, APE, ID3v1, MPEG frames
SongTags ReadMp4Song(const QString &path);   // M4A/MP4 atoms
SongTags ReadAdtsSong(const QString &path);  // raw AAC: ID3v2/ID3v1 and ADTS frames
