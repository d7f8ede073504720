#pragma once

#include <QString>

// The folder of the running executable, with a trailing '/'. Every relative
// path of the program is resolved against it.
QString ApplicationFolder();

// The executable's file name without folder (e.g. "Pelorin"). Settings, log
// and title are named after it.
QString ExecutableName();

// Makes the program take another folder and executable name, e.g. the
// headless front end, which shares the window's files, or a test.
void SetApplicationIdentity(const QString &folder, const QString &executableName);

// The program's title: the executable name cut before its first ".", every
// character after the first in lower case ("AlbumTool.exe" -> "Albumtool").
QString ApplicationTitle();
