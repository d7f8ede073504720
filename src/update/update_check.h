#pragma once

#include <QString>

#include <functional>

class RequestCancel;

// ApplicationFolder + "update.info": the last reply that announced a new
// address. Nothing deletes it.
QString UpdateInfoPath();

// Asks the update endpoint (GET, user agent "orb", Accept "*.*", the
// installation's identifier as Referer) and acts on the reply's first line:
// "1" calls postNewVersion(1), then saves all reply lines to
// `updateInfoPath` (the locale's native encoding, CR LF); "2" calls postNewVersion(2);
// anything else does nothing.
void RunUpdateCheck(const QString &randomId, const QString &updateInfoPath,
                    const std::function<void(int wParam)> &postNewVersion,
                    RequestCancel *cancel = nullptr);

// Line 2 of update.info when it is a web address ("http://" or "https://");
// an empty text when the file is missing, has fewer lines, or holds anything
// else, since the address came from the network.
QString SavedUpdateAddress();

// The lines of a text file whose byte-order mark, when present, decides its
// encoding. Without one it is read as it was written, in the native
// encoding, when that is UTF-8 and the bytes are valid UTF-8; otherwise in
// the legacy code page. Anything but a regular file reads as no lines.
QStringList ReadTextFileLines(const QString &path);
