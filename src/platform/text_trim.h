#pragma once

#include <QString>

// The text without the white space and control characters (codes up to
// U+0020) at either end.
inline QString TrimText(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

// The text without the white space and control characters at its start.
inline QString TrimLeadingText(const QString &text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text.at(begin).unicode() <= 0x20)
        ++begin;
    return text.mid(begin);
}
