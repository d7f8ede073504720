#include "build/build_checks.h"

#include "build/app_name.h"

#include "album/album_list.h"
#include "platform/regular_file.h"

#include <QStringList>

namespace {
QString MissingSongsProblem(const IAlbumList &list)
{
    QStringList missing;
    int count = 0;
    for (AlbumRow *row = list.First(); row; row = list.Next(row)) {
        const QString &file = list.Record(row).SourceFile;
        if (IsRegularFile(file))
            continue;
        if (++count <= kMaxListedSongs)
            missing.append(file);
    }
    if (count == 0)
        return {};
    QString message = QStringLiteral("以下歌曲文件已不存在或不是普通文件，请删除或重新加入后再生成：\n")
        + missing.join(QLatin1Char('\n'));
    if (count > kMaxListedSongs)
        message += QStringLiteral("\n……另有 %1 首").arg(count - kMaxListedSongs);
    return message;
}
} // namespace

QString BuildInputProblem(const QString &album, const IAlbumList &list)
{
    const QString packageProblem = PackageNameProblem(album);
    if (!packageProblem.isEmpty())
        return packageProblem;
    return MissingSongsProblem(list);
}
