#pragma once

#include "media/text_encoding_detector.h"

#include <QByteArray>
#include <QString>

// The largest lyrics file that is read: 16 MiB, far more than any lyrics;
// decoding takes several times the file's size in memory.
constexpr qint64 MaxTextFileBytes = 16LL * 1024 * 1024;

// Reads a lyrics file into text with CR LF after every line. A missing file
// (or a directory) gives the empty text; a file that exists but cannot be
// read raises AppError "Cannot open file \"<path>\". <reason>", one larger
// than MaxTextFileBytes a message that says so, without reading it.
QString LoadTextFile(const QString &path);

// The file's content decoded by its byte-order mark or its detected encoding,
// before line breaks are normalised.
QString DecodeTextFile(const QString &path);

struct DecodedText
{
    EncodingKind kind = EncodingKind::Ansi;
    bool byteOrderMark = false;
    QString text;
};

// The conversion behind DecodeTextFile, over a file's whole content.
DecodedText DecodeTextBytes(const QByteArray &content);

// Cuts the text at its first U+0000 and ends every line, the last included,
// with CR LF. A line ends at CR LF, a lone CR or a lone LF.
QString WithCrLfLines(const QString &text);
