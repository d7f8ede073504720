#pragma once

#include <QString>

// Whether `path` names a regular file, after following symbolic links. A
// pipe, socket or device is none: opening one can block or never end, so
// files are opened only after this check.
bool IsRegularFile(const QString &path);
