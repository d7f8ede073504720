#pragma once

#include <QString>

class BuildMonitor;

// The working folder of an album: DataFolder() + "/" + album.
QString WorkFolder(const QString &album);

// Empties the album's working folder when it exists and copies the template
// tpl/ into it. False (with "clear old file fail" or "cp tpl fail" in the
// log) when either fails, or when the album name cannot name a folder.
bool PrepareWorkFolder(const QString &album, BuildMonitor *monitor = nullptr);

// Empties a working folder and keeps the folder; nothing when it does not
// exist. A failure is only logged ("clear old file2 fail"). Only a real
// folder directly inside the data folder is ever emptied.
void ClearWorkFolder(const QString &folder, BuildMonitor *monitor = nullptr);

// The step titles the progress window shows.
QString ClearingTitle();
QString PreparingTitle();
