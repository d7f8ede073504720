#pragma once

#include <QString>

// How a file reached the working folder.
enum class StageMethod { Failed, Cloned, Linked, Copied };

// Puts a copy of `source` at `destination`, replacing a file there. Songs and
// pictures are large and only read by the packager, so the cheapest copy that
// still leaves the source untouched is taken: a copy-on-write clone where the
// file system offers one, else a hard link, else a plain copy. Only a regular
// file is staged. On failure nothing is left at `destination` and `reason`,
// when given, says why in words for the person (the file is gone, no space
// left, no rights …).
StageMethod StageFile(const QString &source, const QString &destination, QString *reason = nullptr);
