#pragma once

#include <QString>

// The name of the album being built; empty until a build settles it, and
// forgotten when the list is cleared.
extern QString AlbumName;

// The picture that becomes the launcher icon: pic/dft.png in the application
// folder until the user picks another.
extern QString AlbumIconFile;

// The longest side, in pixels, of a row thumbnail.
constexpr int ThumbnailSize = 80;
