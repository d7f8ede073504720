#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The packager stores a file uncompressed only when its extension is in the
// doNotCompress list of apktool.yml, compared letter for letter; the player
// opens songs through their file descriptor, which needs them stored. These
// add the extensions of the staged files (".Mp3" as "Mp3") to that list.

// The text of apktool.yml with every extension that its doNotCompress list
// lacks added at the end of the list (a list is started when there is none).
// Entries already there stay as they are; new ones are quoted strings.
QByteArray WithStoredExtensions(const QByteArray &yml, const QStringList &extensions);

// Rewrites the working folder's apktool.yml that way. Nothing happens without
// the file (the packager then fails on its own); one that cannot be read or
// written throws the standard file error.
void StoreExtensionsUncompressed(const QString &workFolder, const QStringList &extensions);
