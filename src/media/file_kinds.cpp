#include "media/file_kinds.h"

namespace {

// Each list names its members with their dots, each followed by a comma, so a
// search for "<extension>," matches exactly one member or none.
const QLatin1StringView SongExtensions(".mp3,.aac,.m4a,");
const QLatin1StringView PictureExtensions(".jpg,.jpeg,.bmp,.png,.gif,");
const QLatin1StringView LyricsExtensions(".txt,.lrc,");

QString AsciiLower(QString text)
{
    for (QChar &c : text) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return text;
}

bool InList(const QString &path, QLatin1StringView list)
{
    const QString extension = FileExtension(path);
    if (extension.isEmpty())
        return false;
    return QString(list).contains(AsciiLower(extension) + QLatin1Char(','));
}

} // namespace

QString FileExtension(const QString &path)
{
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < nameStart)
        return QString();
    return path.mid(dot);
}

bool IsSongFile(const QString &path)
{
    return InList(path, SongExtensions);
}

bool IsPictureFile(const QString &path)
{
    return InList(path, PictureExtensions);
}

bool IsLyricsFile(const QString &path)
{
    return InList(path, LyricsExtensions);
}
