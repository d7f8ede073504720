#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Today's log of the test's application folder, empty when none was written.
QByteArray ReadLog();

// Every file under `folder`, as paths relative to it, sorted.
QStringList FilesUnder(const QString &folder);

// Copies a folder tree (test set-up).
void CopyTree(const QString &from, const QString &to);

// Writes an executable shell script.
void WriteScript(const QString &path, const QByteArray &body);
