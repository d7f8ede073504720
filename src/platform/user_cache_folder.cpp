#include "platform/user_cache_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString g_cacheFolder;
}

QString UserCacheFolder(const QString &subfolder)
{
    QString folder = g_cacheFolder;
    if (folder.isEmpty()) {
        // The generic location honours XDG_CACHE_HOME and does not depend on
        // the application name Qt was given, so both front ends share it.
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (folder.isEmpty())
            folder = QDir::tempPath();
        folder += QStringLiteral("/Pelorin");
    }
    folder = QDir::cleanPath(folder);
    if (!subfolder.isEmpty())
        folder += QLatin1Char('/') + subfolder;
    return folder;
}

void SetUserCacheFolder(const QString &folder)
{
    g_cacheFolder = folder;
}
