#pragma once

#include <QImage>

// The built-in album icon: a record with a note, on a transparent background.
QImage DefaultAlbumIcon(int size = 96);
