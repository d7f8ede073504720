#include "build/file_errors.h"

#include "platform/regular_file.h"

#include <QFile>
#include <QFileInfo>

AppError CannotOpenFileError(const QString &path, const QString &reason)
{
    return AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}

AppError CannotCreateFileError(const QString &path, const QString &reason)
{
    return AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
}

QByteArray ReadWholeFile(const QString &path)
{
    // A pipe or device would block the build or never end.
    if (QFileInfo::exists(path) && !IsRegularFile(path))
        throw CannotOpenFileError(path, QStringLiteral("Not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CannotOpenFileError(path, file.errorString());
    return file.readAll();
}

void WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw CannotCreateFileError(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw CannotCreateFileError(path, file.errorString());
}
