#pragma once

#include <QString>

// The picture that becomes the launcher icon: pic/dft.png in the application
// folder until the user picks another.
extern QString AlbumIconFile;

// The longest side, in pixels, of a row thumbnail.
constexpr int ThumbnailSize = 80;
