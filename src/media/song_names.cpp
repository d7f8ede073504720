#include "media/song_names.h"

#include <QFileInfo>

namespace {

qsizetype NameStart(const QString &path)
{
    return path.lastIndexOf(QLatin1Char('/')) + 1;
}

// Index of the dot that starts the name's extension, or the name's length.
qsizetype ExtensionStart(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? dot : name.size();
}

} // namespace

void NamesFromFileName(const QString &path, QString &title, QString &singer)
{
    const QString name = path.mid(NameStart(path));
    const qsizetype separator = std::max(name.lastIndexOf(QLatin1Char('-')),
                                         name.lastIndexOf(QLatin1Char('_')));
    const qsizetype extension = ExtensionStart(name);
    const QString titlePart = separator > 0 ? name.left(separator) : QString();
    const qsizetype singerStart = separator + 1;
    const QString singerPart = extension > singerStart
        ? name.mid(singerStart, extension - singerStart) : QString();
    if (singer.isEmpty())
        singer = singerPart;
    if (title.isEmpty())
        title = titlePart;
}

QString ChangeFileExt(const QString &path, const QString &extension)
{
    const qsizetype nameStart = NameStart(path);
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < nameStart)
        return path + extension;
    return path.left(dot) + extension;
}

QString FindCompanionFile(const QString &songPath, CompanionKind kind)
{
    static const char *const pictures[] = {".jpg", ".jpeg", ".bmp", ".png", ".gif"};
    static const char *const lyrics[] = {".txt", ".lrc"};
    const auto check = [&songPath](const char *extension) {
        const QString candidate = ChangeFileExt(songPath, QLatin1String(extension));
        return QFileInfo(candidate).isFile() ? candidate : QString();
    };
    if (kind == CompanionKind::Picture) {
        for (const char *extension : pictures) {
            if (QString found = check(extension); !found.isEmpty())
                return found;
        }
    } else {
        for (const char *extension : lyrics) {
            if (QString found = check(extension); !found.isEmpty())
                return found;
        }
    }
    return {};
}
