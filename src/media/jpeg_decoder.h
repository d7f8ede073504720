#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <functional>

// libjpeg's working memory for one picture (mostly the coefficients that
// progressive and multi-scan files keep for the whole picture). A file that
// needs more is refused as too large.
constexpr long long MaxJpegWorkingBytes = 768LL * 1024 * 1024;

struct JpegPicture
{
    QImage image;    // Format_RGB32, of the wanted size
    QSize storedSize; // the size the file holds
};

// Decodes JPEG data with libjpeg. `sizeFor` maps the stored size to the size
// wanted (no function, or a size that is not smaller: the stored size). The
// picture is reduced while it is decoded: libjpeg's scaled decoding, then
// area averaging row by row, so memory follows the wanted size and not the
// stored one. Data that ends inside its last scan is accepted when the
// decoder found everything the picture needs (only the end marker missing).
// Throws AppError: "JPEG image error: <reason>", "Picture too large (W x H
// pixels)" when the wanted size or the working memory passes its limit.
// Safe to call from any thread.
JpegPicture DecodeJpegData(const QByteArray &bytes, const std::function<QSize(QSize)> &sizeFor);
