#include "album/album_globals.h"

QString AlbumIconFile;
