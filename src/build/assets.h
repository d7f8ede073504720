#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class IAlbumList;
class TPtInfo;

// One song's entry of songs.json, values as they are written.
struct SongEntry
{
    QString SongName;
    QString SourcePath; // "music/musicN.ext"
    QString ImagePath;  // "images/picN.ext"
    QString LrcPath;    // "lrcs/lrcN.lrc"
    QString Singer;
    QString Album;
    QString Duration;
};

// Stages the album into its working folder: for song N (grid order, from 1)
// assets/music/musicN + the song's extension, assets/images/picN + the
// picture's extension (the attached picture, else pic/pic<N mod 10>.jpg),
// assets/lrcs/lrcN.lrc when the song has lyrics, and res/raw/songs.json.
// A song or picture that cannot be staged (gone, no space, no rights) throws
// BuildStepFailure naming it and why; a lyrics file or songs.json that cannot
// be written throws AppError. The extensions of the songs and pictures go into
// apktool.yml's doNotCompress list, so that they are stored whatever their
// letter case. True otherwise.
bool StageAssets(const QString &album, const IAlbumList &list);

// The bytes of songs.json: UTF-8 with byte-order mark, CR LF line ends, one
// unindented line per member, every value a JSON string.
QByteArray SongsJson(const QList<SongEntry> &songs, const TPtInfo &settings);

// Text as a JSON string without its quotes: quote, backslash and control
// characters escaped.
QString JsonStringContent(const QString &text);
