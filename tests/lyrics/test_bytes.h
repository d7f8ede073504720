#pragma once

#include <QByteArray>
#include <QString>

#include <cctype>
#include <string>

inline QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// UTF-16 code units without a byte-order mark.
inline QByteArray Utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes;
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

// A name GoogleTest accepts for a parameterised case.
inline std::string CaseName(std::string name)
{
    for (char &c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}
