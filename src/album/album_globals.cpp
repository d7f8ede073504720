#include "album/album_globals.h"

QString AlbumName;
QString AlbumIconFile;
