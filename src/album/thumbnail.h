#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// The size of a thumbnail of a W × H picture: the picture's own size when both
// sides are at most ThumbnailSize, else the longer side becomes ThumbnailSize
// and the other keeps the proportion (160 × 1 gives 80 × 0).
QSize ThumbnailExtent(QSize source);

// Scales `source` into `target`: an exact copy when it is small enough, else
// area-averaging smooth scaling to ThumbnailExtent. A zero side gives a null
// image.
void MakeThumbnail(const QImage &source, QImage &target);

// Decodes the picture file and makes its thumbnail, or nothing when the file
// cannot be decoded. A JPEG is decoded at a reduced size first. Safe to call
// from any thread, so thumbnails can be prepared off the user-interface
// thread and handed to AttachPicture.
std::optional<QImage> PrepareThumbnail(const QString &path);
