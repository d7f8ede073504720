#include "cli/row_listing.h"

#include "album/album_list.h"

#include <QStringList>

QString EscapeListField(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        default: out += c;
        }
    }
    return out;
}

QString ListRows(const IAlbumList &list)
{
    QString out;
    for (AlbumRow *row = list.First(); row; row = list.Next(row)) {
        const TOrbData &song = list.Record(row);
        const QStringList fields{song.SongName, song.Singer, song.Duration, song.SizeText,
                                 song.SourceFile, song.PictureFile, song.Album, song.LyricsText};
        QStringList escaped;
        for (const QString &field : fields)
            escaped.append(EscapeListField(field));
        out += escaped.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}
