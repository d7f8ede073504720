#include "media/picture_cache.h"

#include "platform/user_cache_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString PictureCacheFolder()
{
    return UserCacheFolder(QStringLiteral("pictures"));
}

QString CachePicture(const EmbeddedPicture &picture)
{
    const QString folder = PictureCacheFolder();
    const QByteArray digest = QCryptographicHash::hash(picture.bytes, QCryptographicHash::Sha256).toHex();
    const QString path = folder + QLatin1Char('/') + QLatin1String(digest) + picture.extension;
    const QFileInfo existing(path);
    if (existing.isFile() && existing.size() == picture.bytes.size())
        return path;
    if (!QDir().mkpath(folder))
        return {};
    // Written to a temporary file and renamed, so a reader never sees half a
    // picture and two writers of the same picture do not disturb each other.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(picture.bytes) != picture.bytes.size()
        || !file.commit())
        return {};
    return path;
}

bool IsCachedPicture(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QDir::cleanPath(QFileInfo(path).absolutePath()) == QDir::cleanPath(PictureCacheFolder());
}
