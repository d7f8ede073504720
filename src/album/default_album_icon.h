#pragma once

#include <QImage>

// The built-in album icon: a record with a note, on a transparent background.
QImage DefaultAlbumIcon(int size = 96);

// ApplicationFolder + "pic/dft.png", the album icon until the user picks
// another; drawn from DefaultAlbumIcon when the file is missing. A failed
// write (a missing or read-only pic/) must not stop the program: it is only
// logged, and the path is returned all the same.
QString DefaultAlbumIconFile();

// The same path, without writing anything.
QString DefaultAlbumIconPath();

// A picture chosen as album icon, decoded for the toolbar: reduced to at most
// 192 pixels a side when it is a JPEG, so a photo of any size can be chosen.
// Throws AppError as LoadPicture does.
QImage LoadAlbumIconImage(const QString &path);
