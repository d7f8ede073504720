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

// Why Android would refuse `packageName`, in words for the person; empty when
// it is one: dot-separated segments, each an ASCII letter followed by ASCII
// letters, digits or "_", at most kMaxPackageNameLength characters in all.
QString PackageNameRuleBroken(const QString &packageName);

// Old installers keep package names below 128 characters.
constexpr int kMaxPackageNameLength = 127;

// The message that refuses the album's package name, naming the setting it
// comes from (AppID, or RandomID when no AppID is set) and that value; empty
// when Android accepts the name.
QString PackageNameProblem(const QString &album);

// The album name as the text of an Android string resource: "&", "<", ">"
// as entities; backslash, "'" and "\"" and a leading "@" or "?" escaped with
// a backslash; blanks at either end or after another blank as \u0020; "%" as
// \u0025, which the packager would read as a format. The resource then reads
// back as the name itself.
QString EscapeXmlText(const QString &text);
