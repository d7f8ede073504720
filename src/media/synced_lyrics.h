#pragma once

#include <QList>
#include <QString>

// One piece of synchronised lyrics (an ID3v2 SYLT entry): its time in
// milliseconds from the start of the song, and its text.
struct SyncedText
{
    quint32 milliseconds = 0;
    QString text;
};

// The pieces as LRC lines "[mm:ss.xx]text", separated by CR LF. When no
// piece holds a line break, every piece is a line of its own. Otherwise the
// breaks mark the lines (karaoke frames give a syllable per piece): a piece
// continues the current line up to its first break, and a line takes the
// time of the piece that gave it its first text. Lines without text are
// left out.
QString SyncedLyricsToLrc(const QList<SyncedText> &pieces);

// "[mm:ss.xx]" for a time in milliseconds; minutes past 99 keep all digits.
QString LrcTimeTag(quint32 milliseconds);
