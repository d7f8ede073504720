#pragma once

#include <QString>

// The largest picture, in pixels, that is decoded at all: 8192 × 8192. Larger
// claims (most often damaged headers) are refused before any pixel memory is
// taken, so a hostile file cannot exhaust memory.
constexpr long long MaxPicturePixels = 8192LL * 8192LL;

// The largest picture file that is read into memory.
constexpr long long MaxPictureFileBytes = 512LL * 1024 * 1024;

inline bool PictureTooLarge(long long width, long long height)
{
    return width > 0 && height > 0 && width * height > MaxPicturePixels;
}

inline QString PictureTooLargeMessage(long long width, long long height)
{
    return QStringLiteral("Picture too large (%1 x %2 pixels)").arg(width).arg(height);
}
