#pragma once

#include <QByteArray>
#include <QString>

// Conversions that end at the first zero byte or U+0000 character, the way
// zero-terminated strings do.

// Decodes the bytes before the first zero byte.
QString AnsiToWide(const QByteArray &bytes, int codePage);

// Encodes the characters before the first U+0000; characters the code page
// lacks become "?".
QByteArray WideToAnsi(const QString &text, int codePage);
