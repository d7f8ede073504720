#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Conversion between text and the bytes of a Windows code page (936, 950,
// 1252, 65001 …), done with ICU's Windows-compatible converters.

// Decodes all given bytes (zero bytes included). Bytes that the code page
// does not map become replacement characters; nothing fails.
QString BytesToText(const QByteArray &bytes, int codePage);

// Encodes the text. Characters that the code page lacks become its default
// character "?".
QByteArray TextToBytes(const QString &text, int codePage);

// Encodes the text only when the code page holds every character of it;
// nothing otherwise.
std::optional<QByteArray> TextToBytesExactly(const QString &text, int codePage);

// The ICU converter name used for a code page, empty when unknown.
QByteArray ConverterName(int codePage);
