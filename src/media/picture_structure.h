#pragma once

#include <QByteArray>
#include <QSize>

// Light checks of a picture file's structure, for what the decoders forgive:
// a file cut short decodes to a partial picture without any error, and a GIF
// may place its only frame where nothing of it can be seen.

// True when the JPEG data reaches its end-of-image marker after its last scan.
bool JpegIsComplete(const QByteArray &bytes);

// The pixel size a BMP header claims, or an invalid size when the header is
// not readable; and whether the file holds all the rows it claims (always
// true for compressed bitmaps, whose length cannot be told from the header).
QSize BmpClaimedSize(const QByteArray &bytes);
bool BmpIsComplete(const QByteArray &bytes);

// What the walk over a GIF's blocks found about its first frame.
enum class GifFirstFrame { Complete, Truncated, Missing, OutsideScreen };
GifFirstFrame InspectGifFirstFrame(const QByteArray &bytes);
