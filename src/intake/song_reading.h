#pragma once

#include "album/orb_data.h"

#include <QString>

// Everything adding one song learns without touching the list: the tags
// (title and singer from the file name when missing), duration and size
// texts, the path, and the companion picture path and lyrics text. The
// thumbnail is left to AttachPicture. Safe to call from any thread.
// Throws AppError when the companion lyrics file exists but cannot be read.
TOrbData ReadSongRecord(const QString &path);
