#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as a file that only its owner may read and write (0600). The
// bytes go to a temporary file beside `path`, reach the disk, and only then
// take the name, so the file appears whole or not at all. An existing file at
// `path` is kept (and the write fails) unless `replace`. Returns an empty text
// on success, else the system's reason.
QString WritePrivateFile(const QString &path, const QByteArray &bytes, bool replace);

// Makes `folder` and its missing parents; a folder made here is the owner's
// alone (0700). False when it does not exist afterwards.
bool MakePrivateFolder(const QString &folder);
