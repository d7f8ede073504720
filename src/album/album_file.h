#pragma once

#include "album/album_document.h"

#include <QByteArray>
#include <QString>

// Album files ("*.pelorin"): UTF-8 JSON with a format name and version.
// Song, picture and icon paths are kept twice, absolute and relative to the
// album file's folder, so a folder moved together with its album file still
// opens.

constexpr int kAlbumFileVersion = 1;
// The largest album file read; real ones are far smaller even with lyrics.
constexpr qint64 kMaxAlbumFileBytes = 64LL * 1024 * 1024;

// The file's bytes for an album saved at `albumFile`.
QByteArray AlbumFileBytes(const AlbumDocument &album, const QString &albumFile);

// The album in the bytes of the file `albumFile`, with every path resolved:
// the relative path when it names an existing file other than the absolute
// one, else the absolute path (also when neither exists). Throws AppError
// with a message for the user when the bytes are empty, cut short, not
// JSON, not an album file, of another version or damaged.
AlbumDocument ParseAlbumFile(const QByteArray &bytes, const QString &albumFile);

// Reads and parses an album file; throws AppError as ParseAlbumFile, and
// when the file cannot be read or is too large to be one.
AlbumDocument ReadAlbumFile(const QString &albumFile);

// Writes the album file whole or not at all: the bytes go to a temporary
// file beside it that replaces the old file only once it is complete, so a
// crash or a full disk leaves the old file as it was. Throws AppError when
// the file cannot be written.
void WriteAlbumFile(const QString &albumFile, const AlbumDocument &album);
