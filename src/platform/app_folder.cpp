#include "platform/app_folder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString g_folder;
QString g_executableName;

QString ExecutablePath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}
}

QString ApplicationFolder()
{
    if (!g_folder.isEmpty())
        return g_folder;
    QString path = ExecutablePath();
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString ExecutableName()
{
    if (!g_executableName.isEmpty())
        return g_executableName;
    QString path = ExecutablePath();
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

void SetApplicationIdentity(const QString &folder, const QString &executableName)
{
    g_folder = folder;
    if (!g_folder.isEmpty() && !g_folder.endsWith(QLatin1Char('/')))
        g_folder += QLatin1Char('/');
    g_executableName = executableName;
}

QString ApplicationTitle()
{
    QString name = ExecutableName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}
