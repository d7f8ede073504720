#pragma once

#include <QFile>
#include <QString>

// Whether a process of that id runs: it exists and is no zombie waiting for
// a parent to collect it (an orphan's reaper may be slow or missing).
inline bool ProcessAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close >= 0 && close + 2 < line.size() && line.at(close + 2) != 'Z' && line.at(close + 2) != 'X';
}
