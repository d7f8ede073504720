#pragma once

#include <QString>

// How a file reached the working folder.
enum class StageMethod { Failed, Cloned, Linked, Copied };

// Puts a copy of `source` at `destination`, replacing a file there. Songs and
// pictures are large and only read by the packager, so the cheapest copy that
// still leaves the source untouched is taken: a copy-on-write clone where the
// file system offers one, else a hard link, else a plain copy.
StageMethod StageFile(const QString &source, const QString &destination);
