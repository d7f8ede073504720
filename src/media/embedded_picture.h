#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A picture carried inside a song file (an ID3v2 APIC frame, an MP4 covr
// item), with the file extension its content calls for.
struct EmbeddedPicture
{
    QByteArray bytes;
    QString extension; // ".jpg", ".png", ".gif" or ".bmp"
};

// The largest embedded picture taken: cover art is a few hundred kilobytes,
// so anything near this is damage or abuse rather than a cover.
constexpr qsizetype MaxEmbeddedPictureBytes = 16 * 1024 * 1024;

// The picture, when the bytes are one that can be shown: not empty, within
// MaxEmbeddedPictureBytes, a JPEG, PNG, GIF or BMP by their content (the
// declared type may name another picture type; the content decides), and
// decodable to the end. `declaredType` is the tag's MIME type; one that is
// not a picture type (text, an URL link "-->", anything not "image/...") is
// refused. An empty declared type is left to the content.
std::optional<EmbeddedPicture> UsablePicture(const QByteArray &bytes, const QString &declaredType);
