#include "build/file_errors.h"

#include <QFile>

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
