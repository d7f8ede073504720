#include "build/assets.h"

#include "build/file_errors.h"
#include "build/step_failure.h"
#include "build/stored_extensions.h"
#include "build/work_folder.h"

#include "album/album_list.h"
#include "media/file_kinds.h"
#include "platform/app_folder.h"
#include "platform/regular_file.h"
#include "platform/stage_file.h"
#include "settings/log.h"
#include "settings/pt_info.h"

#include <QStringList>

namespace {
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

QByteArray Utf8Lines(const QStringList &lines)
{
    QByteArray bytes = kUtf8Mark;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString Member(const char *key, const QString &value, bool last = false)
{
    return QLatin1Char('"') + QLatin1String(key) + QStringLiteral("\": \"")
        + JsonStringContent(value) + (last ? QStringLiteral("\"") : QStringLiteral("\","));
}

QString PictureFor(const TOrbData &song, int number)
{
    if (!song.PictureFile.isEmpty() && IsRegularFile(song.PictureFile))
        return song.PictureFile;
    return ApplicationFolder() + QStringLiteral("pic/pic%1.jpg").arg(number % 10);
}
// A song or picture that cannot be staged ends the build: the catalogue
// would name a file the package does not hold.
void Stage(const QString &source, const QString &destination)
{
    QString reason;
    if (StageFile(source, destination, &reason) == StageMethod::Failed)
        throw BuildStepFailure(
            QStringLiteral("无法把“%1”复制到工作文件夹：%2").arg(source, reason));
}
} // namespace

QString JsonStringContent(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\b': out += QStringLiteral("\\b"); break;
        case u'\f': out += QStringLiteral("\\f"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out;
}

QByteArray SongsJson(const QList<SongEntry> &songs, const TPtInfo &settings)
{
    QStringList lines{QStringLiteral("[")};
    for (const SongEntry &song : songs) {
        lines << QStringLiteral("{")
              << Member("songName", song.SongName)
              << Member("sourcePath", song.SourcePath)
              << Member("textColor", settings.TextColor)
              << Member("textSize", QString::number(settings.TextSize))
              << Member("imagePath", song.ImagePath)
              << Member("lrcPath", song.LrcPath)
              << Member("lrcPosition", settings.LrcPosition)
              << Member("singer", song.Singer)
              << Member("album", song.Album)
              << Member("duration", song.Duration)
              << Member("backgroundColor", settings.BackgroundColor)
              << Member("songInfo", QString())
              << Member("displayStyle", QStringLiteral("bing"), true)
              << QStringLiteral("},");
    }
    // The last song closes without its comma.
    QString joined = lines.join(QStringLiteral("\r\n"));
    while (!joined.isEmpty() && joined.back().unicode() <= 0x20)
        joined.chop(1);
    while (joined.endsWith(QLatin1Char(',')))
        joined.chop(1);
    lines = SplitLines(joined);
    lines << QStringLiteral("]");
    return Utf8Lines(lines);
}

bool StageAssets(const QString &album, const IAlbumList &list)
{
    const QString folder = WorkFolder(album);
    const QString musicFolder = folder + QStringLiteral("/assets/music/");
    const QString imageFolder = folder + QStringLiteral("/assets/images/");
    const QString lyricsFolder = folder + QStringLiteral("/assets/lrcs/");
    const QString catalogue = folder + QStringLiteral("/res/raw/songs.json");

    QList<SongEntry> songs;
    QStringList staged; // extensions of the songs and pictures, without the dot
    int number = 0;
    for (AlbumRow *row = list.First(); row; row = list.Next(row)) {
        ++number;
        const TOrbData &song = list.Record(row);
        const QString musicName = QStringLiteral("music%1").arg(number) + FileExtension(song.SourceFile);
        Stage(song.SourceFile, musicFolder + musicName);

        const QString picture = PictureFor(song, number);
        const QString pictureName = QStringLiteral("pic%1").arg(number) + FileExtension(picture);
        Stage(picture, imageFolder + pictureName);
        staged << FileExtension(song.SourceFile).mid(1) << FileExtension(picture).mid(1);

        const QString lyricsName = QStringLiteral("lrc%1.lrc").arg(number);
        if (!song.LyricsText.isEmpty())
            WriteWholeFile(lyricsFolder + lyricsName, Utf8Lines(SplitLines(song.LyricsText)));

        songs.append({song.SongName, QStringLiteral("music/") + musicName,
                      QStringLiteral("images/") + pictureName, QStringLiteral("lrcs/") + lyricsName,
                      song.Singer, song.Album, song.Duration});
    }
    WriteWholeFile(catalogue, SongsJson(songs, PtInfo ? *PtInfo : TPtInfo()));
    StoreExtensionsUncompressed(folder, staged);
    return true;
}
