#pragma once

#include <QRgb>
#include <QString>

class QImage;
class TPngImage;

// The launcher icon for today's phones, from the album icon by the same rules
// as the four older densities (PngIcon), written into the working copy
// (`folder` ends with '/'):
// - res/drawable-xxhdpi/icon.png and res/drawable-xxxhdpi/icon.png, 144 and
//   192 pixels;
// - the layers of the adaptive icon res/mipmap-anydpi-v26/icon.xml that
//   Android 8+ launchers mask to their own shape: a foreground
//   res/drawable-{mdpi,hdpi,xhdpi,xxhdpi,xxxhdpi}/icon_foreground.png, 108 dp
//   square with the picture filling its middle 72 dp (the part every mask
//   shows) and transparent around it; and the background colour
//   res/values/icon_background.xml, taken from the picture's border so that
//   the picture seems to reach to the mask's edge.
// The picture is loaded once; missing folders are made.
void MakeTodaysLauncherIcons(const QString &iconFile, const QString &folder);

// `icon` in the middle of a transparent size × size RGBA layer.
TPngImage ForegroundLayer(const TPngImage &icon, int size);

// The mean colour of the image's outer ring (1/48 of its side, at least a
// pixel), each pixel over white as a launcher without masks would show it.
QRgb BorderColour(const QImage &image);
