#include "build/build_report.h"

#include "build/build_folders.h"
#include "build/file_errors.h"

#include "album/album_list.h"
#include "platform/app_folder.h"
#include "platform/code_page.h"
#include "platform/locale_info.h"
#include "platform/text_trim.h"
#include "settings/log.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace {

QString DecodeTemplate(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE).decode(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE).decode(bytes.mid(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return BytesToText(bytes, AnsiCodePage());
}
} // namespace

QStringList ReadTemplateLines(const QString &path)
{
    return SplitLines(DecodeTemplate(ReadWholeFile(path)));
}

QStringList ReportSongLines(const IAlbumList &list)
{
    QStringList lines;
    int number = 0;
    for (AlbumRow *row = list.First(); row; row = list.Next(row)) {
        const TOrbData &song = list.Record(row);
        QString title = TrimText(song.SongName);
        if (title.isEmpty())
            title = QFileInfo(song.SourceFile).completeBaseName();
        QString line = QString::number(++number) + QStringLiteral(". ") + title;
        const QString singer = TrimText(song.Singer);
        if (!singer.isEmpty() && !line.contains(QLatin1Char('-') + singer))
            line += QLatin1Char('-') + singer;
        lines.append(line);
    }
    return lines;
}

void WriteBuildReport(const QString &album, const IAlbumList &list)
{
    const QString templatePath = ApplicationFolder() + QStringLiteral("info.tpl");
    QStringList lines;
    if (QFileInfo::exists(templatePath))
        lines = ReadTemplateLines(templatePath);
    lines += ReportSongLines(list);

    QByteArray bytes;
    const int codePage = NativeCodePage();
    for (const QString &line : lines)
        bytes += TextToBytes(line, codePage) + "\r\n";
    WriteWholeFile(OutputFile(album, QStringLiteral(".txt")), bytes);
}
