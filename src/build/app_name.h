#pragma once

#include <QString>

// Gives the working copy its own package name and the album name as its
// title: rewrites the manifest's package attribute ("com.quorvane." + stem)
// and the app_name, title_activity_main and app_title lines of
// res/values/strings.xml. Throws AppError for a missing, unreadable or
// malformed file; true otherwise.
bool SetAppName(const QString &album);

// "dorvalith.m" + AppId, or when the settings give none, + RandomId + the
// album name's digest; ASCII letters lower-cased.
QString PackageStem(const QString &album);

// "com.quorvane." + PackageStem(album).
QString PackageName(const QString &album);

// The album name as the text of an Android string resource: "&", "<", ">"
// as entities; backslash, "'" and "\"" and a leading "@" or "?" escaped with
// a backslash; blanks at either end or after another blank as \u0020. The
// resource then reads back as the name itself.
QString EscapeXmlText(const QString &text);
