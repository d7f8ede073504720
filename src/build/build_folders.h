#pragma once

#include <QString>

// ApplicationFolder + "data": the folder under which every build's working
// folder lies (no trailing '/').
QString DataFolder();

// ApplicationFolder + "output/", created (one level) when missing. The album
// name has no effect on the result.
QString OutputFolder(const QString &albumName);

// Opens a file, folder or address with the desktop's default program; a
// launch that fails shows nothing.
void OpenWithShell(const QString &file, const QString &parameters, const QString &directory,
                   int showCommand);
