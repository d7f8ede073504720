#pragma once

#include <QString>

class IAlbumList;

// What keeps the album from being built as it stands, checked before the
// working folder is touched: a package name that Android refuses (see
// PackageNameProblem), or song files that are gone or are no regular file
// (listed, at most kMaxListedSongs, then how many more). The message is for
// the person; empty when the build may go on.
QString BuildInputProblem(const QString &album, const IAlbumList &list);

constexpr int kMaxListedSongs = 10;
