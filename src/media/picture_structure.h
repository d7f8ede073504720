#pragma once

#include <QByteArray>
#include <QSize>

// Light checks of a picture file's structure, for what the decoders forgive:
// a file cut short decodes to a partial picture without any error, and a GIF
// may place its only frame where nothing of it can be seen.

// Where JPEG data ends: at its end-of-image marker; inside the entropy-coded
// data of a scan (cut short there, or complete but for the final marker: only
// decoding tells); or anywhere else, which is always a file cut short.
enum class JpegEnd { Complete, InScanData, Truncated };
JpegEnd InspectJpegEnd(const QByteArray &bytes);

// The pixel size a BMP header claims, or an invalid size when the header is
// not readable; and whether the file holds all the rows it claims (always
// true for compressed bitmaps, whose length cannot be told from the header).
QSize BmpClaimedSize(const QByteArray &bytes);
bool BmpIsComplete(const QByteArray &bytes);

// What the walk over a GIF's blocks found about its first frame.
enum class GifFirstFrame { Complete, Truncated, Missing, OutsideScreen };
GifFirstFrame InspectGifFirstFrame(const QByteArray &bytes);
