#pragma once

#include <QString>

// MD5 of the text's bytes in the locale's native encoding, as 32 upper-case
// hexadecimal digits. Under a legacy code page, a text it cannot hold whole
// is digested as UTF-8 instead, so two different texts never share a digest
// through characters turned into "?".
QString TextDigest(const QString &text);
