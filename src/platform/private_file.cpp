#include "platform/private_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString Reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool WriteAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return ::fsync(fd) == 0;
}

// Gives the temporary file its final name: a hard link, which fails when the
// name is taken, or a rename where the file system has no hard links.
int TakeName(const QByteArray &temporary, const QByteArray &final, bool replace)
{
    if (replace)
        return ::rename(temporary.constData(), final.constData()) == 0 ? 0 : errno;
    if (::link(temporary.constData(), final.constData()) == 0)
        return 0;
    const int error = errno;
    if (error == EEXIST)
        return error;
    if (error != EPERM && error != EOPNOTSUPP && error != EXDEV && error != EMLINK)
        return error;
    if (::access(final.constData(), F_OK) == 0)
        return EEXIST;
    return ::rename(temporary.constData(), final.constData()) == 0 ? 0 : errno;
}
} // namespace

QString WritePrivateFile(const QString &path, const QByteArray &bytes, bool replace)
{
    const QFileInfo info(path);
    const QByteArray final = QFile::encodeName(info.absoluteFilePath());
    QByteArray temporary =
        QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    // mkstemp makes the file with mode 0600.
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return Reason(errno);
    const bool written = WriteAll(fd, bytes);
    const int writeError = errno;
    ::close(fd);
    int error = written ? TakeName(temporary, final, replace) : writeError;
    ::unlink(temporary.constData());
    return error == 0 ? QString() : Reason(error);
}

bool MakePrivateFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (!MakePrivateFolder(info.absolutePath()))
        return false;
    if (::mkdir(QFile::encodeName(info.absoluteFilePath()).constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return QFileInfo(info.absoluteFilePath()).isDir();
}
