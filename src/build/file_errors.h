#pragma once

#include "platform/app_error.h"

#include <QByteArray>
#include <QString>

// The standard errors of files that cannot be opened or created:
// "Cannot open file \"<path>\". <reason>" and "Cannot create file …".
AppError CannotOpenFileError(const QString &path, const QString &reason);
AppError CannotCreateFileError(const QString &path, const QString &reason);

// The whole file; throws the open error when it cannot be read or is not a
// regular file.
QByteArray ReadWholeFile(const QString &path);

// Creates or replaces the file with `bytes`; throws the create error when it
// cannot be written.
void WriteWholeFile(const QString &path, const QByteArray &bytes);
