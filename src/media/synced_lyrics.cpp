#include "media/synced_lyrics.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

struct LrcLine
{
    quint32 milliseconds = 0;
    QString text;
};

QStringList SplitAtBreaks(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

bool HasBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

} // namespace

QString LrcTimeTag(quint32 milliseconds)
{
    const quint32 minutes = milliseconds / 60000;
    const quint32 seconds = milliseconds / 1000 % 60;
    const quint32 hundredths = milliseconds / 10 % 100;
    return QStringLiteral("[%1:%2.%3]")
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'))
        .arg(hundredths, 2, 10, QLatin1Char('0'));
}

QString SyncedLyricsToLrc(const QList<SyncedText> &pieces)
{
    bool breaksMarkLines = false;
    for (const SyncedText &piece : pieces)
        breaksMarkLines = breaksMarkLines || HasBreak(piece.text);

    QList<LrcLine> lines;
    for (const SyncedText &piece : pieces) {
        const QStringList parts = SplitAtBreaks(piece.text);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (lines.isEmpty() || i > 0 || !breaksMarkLines)
                lines.append(LrcLine{piece.milliseconds, QString()});
            LrcLine &line = lines.last();
            if (line.text.isEmpty())
                line.milliseconds = piece.milliseconds;
            line.text += parts.at(i);
        }
    }

    QStringList out;
    for (const LrcLine &line : lines) {
        if (!line.text.trimmed().isEmpty())
            out.append(LrcTimeTag(line.milliseconds) + line.text);
    }
    return out.join(QStringLiteral("\r\n"));
}
