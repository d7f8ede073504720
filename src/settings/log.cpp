#include "settings/log.h"

#include "platform/app_folder.h"
#include "platform/code_page.h"
#include "platform/locale_info.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace {
QMutex g_logMutex;

QString FileNameWithDate(const QString &executableName, const QDate &date)
{
    const qsizetype dot = executableName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? executableName : executableName.left(dot);
    return stem + date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
}

QString TimeStamp(const QDateTime &now)
{
    const QString date = now.toString(QStringLiteral("yy/MM/dd"))
                             .replace(QLatin1Char('/'), DateSeparator());
    const QString time = now.toString(QStringLiteral("HH:mm:ss"))
                             .replace(QLatin1Char(':'), TimeSeparator());
    return date + QLatin1Char(' ') + time + QLatin1Char(' ') + now.toString(QStringLiteral("zzz"));
}
}

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString LogFilePath()
{
    return ApplicationFolder() + QStringLiteral("log/")
        + FileNameWithDate(ExecutableName(), QDate::currentDate());
}

int WriteTextToFile(const QString &text, const QString &path, bool append)
{
    QByteArray bytes;
    const int codePage = NativeCodePage();
    for (const QString &line : SplitLines(text))
        bytes += TextToBytes(line, codePage) + "\r\n";

    QFile file(path);
    const QIODevice::OpenMode mode = (append && file.exists())
        ? QIODevice::WriteOnly | QIODevice::Append
        : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!file.open(mode))
        return -1;
    if (file.write(bytes) != bytes.size())
        return -1;
    return file.flush() ? 0 : -1;
}

void WriteLog(const QString &message)
{
    WriteLogAt(QDateTime::currentDateTime(), message);
}

void WriteLogAt(const QDateTime &now, const QString &message)
{
    QMutexLocker lock(&g_logMutex);
    const QString path = ApplicationFolder() + QStringLiteral("log/")
        + FileNameWithDate(ExecutableName(), now.date());
    WriteTextToFile(TimeStamp(now) + QLatin1Char('\t') + message, path, true);
}

void Trace(const QString &)
{
}
