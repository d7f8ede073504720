#pragma once

#include <QString>

// MD5 of the text's bytes in the ANSI code page, as 32 upper-case
// hexadecimal digits.
QString TextDigest(const QString &text);
