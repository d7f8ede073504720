#pragma once

#include <QProcessEnvironment>
#include <QString>

// The environment of the Java tools: the program's own, with a locale that
// exists and uses UTF-8. A locale that is not installed leaves Java unable to
// open paths with non-ASCII characters, so it is replaced by C.UTF-8.
QProcessEnvironment ToolEnvironment();

// Whether the named locale is installed and uses UTF-8.
bool IsUsableUtf8Locale(const QString &name);
