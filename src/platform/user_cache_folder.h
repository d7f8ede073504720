#pragma once

#include <QString>

// The per-user cache folder of the program (~/.cache/Pelorin on Linux), or
// one of its sub-folders, without a trailing '/'. Nothing is created: a
// writer makes the folder when it first needs it.
QString UserCacheFolder(const QString &subfolder = QString());

// Points the cache at another folder (tests); empty returns to the per-user one.
void SetUserCacheFolder(const QString &folder);
