#include "platform/stage_file.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
bool CloneFile(const QByteArray &source, const QByteArray &destination)
{
    const int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
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
} // namespace

StageMethod StageFile(const QString &source, const QString &destination)
{
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(destination);
    ::unlink(to.constData());
    if (CloneFile(from, to))
        return StageMethod::Cloned;
    if (LinkFile(from, to))
        return StageMethod::Linked;
    return QFile::copy(source, destination) ? StageMethod::Copied : StageMethod::Failed;
}
