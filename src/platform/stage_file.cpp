#include "platform/stage_file.h"

#include "platform/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Opened without blocking, so that a pipe swapped in for the file cannot hold
// the build; anything but a regular file is refused after opening.
int OpenRegularSource(const QByteArray &source)
{
    const int in = ::open(source.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return -1;
    struct stat status {};
    if (::fstat(in, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(in);
        errno = EINVAL;
        return -1;
    }
    return in;
}

bool CloneFile(const QByteArray &source, const QByteArray &destination)
{
    const int in = OpenRegularSource(source);
    if (in < 0)
        return false;
    const int out = ::open(destination.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    const bool cloned = ::ioctl(out, FICLONE, in) == 0;
    ::close(out);
    ::close(in);
    if (!cloned)
        ::unlink(destination.constData());
    return cloned;
}

bool LinkFile(const QByteArray &source, const QByteArray &destination)
{
    // Follow a symbolic link so the stage holds the file, not the link.
    return ::linkat(AT_FDCWD, source.constData(), AT_FDCWD, destination.constData(),
                    AT_SYMLINK_FOLLOW) == 0;
}

bool WriteAll(int out, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(out, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// A plain copy; false with errno set when any part of it fails.
bool CopyFile(const QByteArray &source, const QByteArray &destination)
{
    const int in = OpenRegularSource(source);
    if (in < 0)
        return false;
    const int out = ::open(destination.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        errno = error;
        return false;
    }
    static constexpr ssize_t kChunk = 1 << 20;
    QByteArray buffer(kChunk, Qt::Uninitialized);
    bool complete = true;
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), size_t(kChunk));
        if (got < 0 && errno == EINTR)
            continue;
        if (got == 0)
            break;
        if (got < 0 || !WriteAll(out, buffer.constData(), got)) {
            complete = false;
            break;
        }
    }
    int error = errno;
    if (::close(out) != 0 && complete) {
        complete = false;
        error = errno;
    }
    ::close(in);
    errno = error;
    return complete;
}

QString ReasonText(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("磁盘空间不足");
    case EACCES:
    case EPERM: return QStringLiteral("没有权限");
    case ENOENT: return QStringLiteral("文件不存在");
    case EROFS: return QStringLiteral("文件系统只读");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}
} // namespace

StageMethod StageFile(const QString &source, const QString &destination, QString *reason)
{
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(destination);
    ::unlink(to.constData());
    if (!IsRegularFile(source)) {
        if (reason)
            *reason = QFile::exists(source) ? QStringLiteral("不是普通文件") : ReasonText(ENOENT);
        return StageMethod::Failed;
    }
    if (CloneFile(from, to))
        return StageMethod::Cloned;
    if (LinkFile(from, to))
        return StageMethod::Linked;
    if (CopyFile(from, to))
        return StageMethod::Copied;
    const int error = errno;
    ::unlink(to.constData());
    if (reason) {
        if (!IsRegularFile(source))
            *reason = QFile::exists(source) ? QStringLiteral("不是普通文件") : ReasonText(ENOENT);
        else if (!QFileInfo(destination).absoluteDir().exists())
            *reason = QStringLiteral("目标文件夹不存在");
        else
            *reason = ReasonText(error);
    }
    return StageMethod::Failed;
}
