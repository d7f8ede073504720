#include "build/work_folder.h"

#include "build/album_naming.h"
#include "build/build_folders.h"
#include "build/build_monitor.h"

#include "platform/app_folder.h"
#include "platform/folder_operations.h"
#include "settings/log.h"

#include <QDir>
#include <QFileInfo>

namespace {
// A folder that emptying may touch: a real folder (no link) whose parent is
// the data folder and whose name is a valid album name.
bool IsWorkFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return !info.isSymLink()
        && QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(DataFolder())
        && AlbumNameProblem(info.fileName()).isEmpty();
}
} // namespace

QString ClearingTitle()
{
    return QStringLiteral("正在清理旧文件...");
}

QString PreparingTitle()
{
    return QStringLiteral("正在准备文件...");
}

QString WorkFolder(const QString &album)
{
    return DataFolder() + QLatin1Char('/') + album;
}

bool PrepareWorkFolder(const QString &album, BuildMonitor *monitor)
{
    const QString folder = WorkFolder(album);
    if (!IsWorkFolder(folder))
        return false;
    if (QFileInfo(folder).isDir()) {
        AnnounceStep(monitor, ClearingTitle());
        if (!EmptyFolder(folder)) {
            WriteLog(QStringLiteral("clear old file fail"));
            return false;
        }
    }
    AnnounceStep(monitor, PreparingTitle());
    if (!CopyFolderContents(ApplicationFolder() + QStringLiteral("tpl"), folder)) {
        WriteLog(QStringLiteral("cp tpl fail"));
        return false;
    }
    return true;
}

void ClearWorkFolder(const QString &folder, BuildMonitor *monitor)
{
    if (!QFileInfo::exists(folder) || !IsWorkFolder(folder))
        return;
    AnnounceStep(monitor, ClearingTitle());
    if (!EmptyFolder(folder))
        WriteLog(QStringLiteral("clear old file2 fail"));
}
