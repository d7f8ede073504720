#pragma once

#include <QString>

class TPicture;
class TPngImage;

// Writes the album icon picture as the launcher icon of the working copy:
// res/drawable-{xhdpi,hdpi,ldpi,mdpi}/icon.png of 96, 72, 36 and 48 pixels,
// in that order, then the forms of today's launchers (icon_adaptive.h).
// Returns true; errors (picture loader, resampling, a file that cannot be
// created) are thrown as AppError and leave the icons written before them in
// place.
bool MakeAppIcons(const QString &iconFile, const QString &workFolder);

// Writes the picture as a size × size PNG. A PNG source is resampled whole to
// the square (saved untouched when it already has the size) and keeps its
// colour type; any other source is cropped to its centred square and saved
// as 8-bit RGB, with white behind transparent parts.
void MakePngIcon(const QString &pictureFile, const QString &pngFile, int size);

// The album icon decoded for the launcher icons: a JPEG at a reduced size of
// at least 1024 pixels on its shorter side, so a photo of any size can be used.
TPicture LoadIconPicture(const QString &pictureFile);

// The icon MakePngIcon writes, from a loaded picture.
TPngImage PngIcon(const TPicture &picture, int size);
