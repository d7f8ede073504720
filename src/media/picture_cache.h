#pragma once

#include "media/embedded_picture.h"

#include <QString>

// The folder that holds the songs' embedded pictures as files: the per-user
// cache folder's "pictures".
QString PictureCacheFolder();

// Writes the picture into the cache folder once, named by the SHA-256 digest
// of its bytes and its extension, and returns that file's path. A file of
// that name with the same size is taken as already written. Empty when the
// file cannot be written. Safe to call from several threads at once.
QString CachePicture(const EmbeddedPicture &picture);

// Whether the path names a file of the cache folder.
bool IsCachedPicture(const QString &path);
