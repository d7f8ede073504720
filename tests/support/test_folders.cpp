#include "support/test_folders.h"

#include "platform/app_folder.h"
#include "platform/locale_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

TestAppFolder::TestAppFolder(const QString &executableName)
    : m_dir(std::make_unique<QTemporaryDir>())
{
    for (const char *sub : {"log", "data", "output", "ini", "pic"})
        QDir(m_dir->path()).mkpath(QLatin1String(sub));
    SetApplicationIdentity(path(), executableName);
}

TestAppFolder::~TestAppFolder()
{
    SetApplicationIdentity(QString(), QString());
}

QString TestAppFolder::path() const
{
    return m_dir->path() + QLatin1Char('/');
}

QString TestAppFolder::file(const QString &relative) const
{
    return path() + relative;
}

void TestAppFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(bytes);
}

QByteArray TestAppFolder::read(const QString &relative) const
{
    QFile in(file(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void TestAppFolder::remove(const QString &relative) const
{
    const QString target = file(relative);
    if (QFileInfo(target).isDir())
        QDir(target).removeRecursively();
    else
        QFile::remove(target);
}

int FileMode(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return -1;
    return int(status.st_mode & 07777);
}

ScopedDataHome::ScopedDataHome(const QString &home)
    : m_old(qgetenv("XDG_DATA_HOME"))
    , m_wasSet(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(home));
}

ScopedDataHome::~ScopedDataHome()
{
    if (m_wasSet)
        qputenv("XDG_DATA_HOME", m_old);
    else
        qunsetenv("XDG_DATA_HOME");
}

ScopedLocale::ScopedLocale(const QString &name)
{
    OverrideLocale(name);
}

ScopedLocale::~ScopedLocale()
{
    OverrideLocale(QString());
}
