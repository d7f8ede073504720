#include "build/build_folders.h"

#include "platform/app_folder.h"
#include "platform/shell_open.h"
#include "settings/log.h"

#include <QDir>

QString DataFolder()
{
    return ApplicationFolder() + QStringLiteral("data");
}

QString OutputFolder(const QString &)
{
    const QString folder = ApplicationFolder() + QStringLiteral("output/");
    QDir dir(folder);
    if (!dir.exists())
        QDir().mkdir(folder);
    Trace(QStringLiteral("this is not console:") + folder);
    return folder;
}

void OpenWithShell(const QString &file, const QString &parameters, const QString &directory, int)
{
    ShellOpen(file, parameters, directory);
}
