#include "build/build_folders.h"

#include "platform/app_folder.h"
#include "settings/log.h"

#include <QDir>

namespace {
QString OutputFolderPath()
{
    return ApplicationFolder() + QStringLiteral("output/");
}
} // namespace

QString DataFolder()
{
    return ApplicationFolder() + QStringLiteral("data");
}

QString OutputFolder(const QString &)
{
    const QString folder = OutputFolderPath();
    QDir dir(folder);
    if (!dir.exists())
        QDir().mkdir(folder);
    Trace(QStringLiteral("this is not console:") + folder);
    return folder;
}

QString OutputFile(const QString &album, const QString &extension)
{
    return OutputFolderPath() + album + extension;
}
