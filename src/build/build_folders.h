#pragma once

#include <QString>

// ApplicationFolder + "data": the folder under which every build's working
// folder lies (no trailing '/').
QString DataFolder();

// ApplicationFolder + "output/", created (one level) when missing. The album
// name has no effect on the result.
QString OutputFolder(const QString &albumName);

// A file of an album in the output folder: ApplicationFolder + "output/" +
// album + extension (".apk", ".txt"). Nothing is created.
QString OutputFile(const QString &album, const QString &extension);
