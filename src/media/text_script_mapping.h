#pragma once

#include <QByteArray>
#include <QString>

enum class ChineseScript
{
    Simplified,
    Traditional,
};

// Maps Chinese characters to the given script with ICU's Hans-Hant or
// Hant-Hans transliterator; other characters stay as they are.
QString MapChineseScript(const QString &text, ChineseScript target);

// The same mapping over GBK bytes: every byte, zero bytes included, is
// decoded with code page 936, mapped and encoded again. The result keeps the
// length of the input: cut, or padded with zero bytes.
QByteArray MapGbkScript(const QByteArray &gbk, ChineseScript target);
