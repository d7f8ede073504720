#pragma once

#include "media/picture.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>

// The decoder a file extension (with its dot, any letter case) selects.
enum class PictureDecoder { None, Jpeg, Bitmap, Png, Gif, Icon, Metafile };
PictureDecoder DecoderForExtension(const QString &extension);

// Decodes a picture file with the decoder its extension selects. Throws
// AppError: "Unknown picture file extension (.%s)" for an extension without a
// decoder, "Cannot open file \"%s\". %s" for a file that cannot be opened,
// and the decoder's error for content it rejects. Safe to call from any
// thread.
TPicture LoadPicture(const QString &path);

// As LoadPicture, but a JPEG is decoded at a reduced size when `sizeFor`
// maps its stored size to a smaller one; the picture then has exactly that
// size, and StoredSize() tells the file's own. The limit on decoded pictures
// applies to the reduced size, so a JPEG of up to 65,500 pixels a side can
// be shown small. Other formats are decoded whole, within the limit.
TPicture LoadPicture(const QString &path, const std::function<QSize(QSize)> &sizeFor);

// The decoding of LoadPicture for file content already in memory.
TPicture DecodePicture(const QByteArray &bytes, const QString &extension,
                       const std::function<QSize(QSize)> &sizeFor = {});
