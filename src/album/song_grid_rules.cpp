#include "album/song_grid_rules.h"

#include <QFontMetrics>

const GridColumnLayout GridColumns[GridColumnCount] = {
    {u"序号", 60}, {u"名称", 160}, {u"表演者", 160}, {u"时间", 80},
    {u"大小", 50}, {u"文件名", 150}, {u"图片", 180}, {u"歌词", 140},
};

namespace {
const QString kEllipsis = QStringLiteral("...");
}

QString LyricsPreview(const QString &lyrics)
{
    qsizetype length = lyrics.indexOf(QLatin1Char('\r'));
    if (length < 0)
        length = lyrics.size();
    return lyrics.left(std::min<qsizetype>(length, LyricsPreviewLength));
}

QString CellText(const TOrbData &song, int rowIndex, int column)
{
    switch (column) {
    case ColumnNumber: return QString::number(rowIndex + 1);
    case ColumnName: return song.SongName;
    case ColumnSinger: return song.Singer;
    case ColumnDuration: return song.Duration;
    case ColumnSize: return song.SizeText;
    case ColumnFile: return song.SourceFile;
    case ColumnLyrics: return LyricsPreview(song.LyricsText);
    default: return {};
    }
}

bool ShowsThumbnail(const TOrbData &song)
{
    return !song.PictureFile.isEmpty() && song.Thumbnail && !song.Thumbnail->isNull();
}

int VDT1GetNodeWidth(const TOrbData &song, int column, const QFontMetrics &metrics)
{
    switch (column) {
    case ColumnNumber:
        return metrics.horizontalAdvance(QStringLiteral("100")) + 2 * GridTextMargin;
    case ColumnName:
    case ColumnSinger:
    case ColumnDuration:
    case ColumnSize:
    case ColumnFile:
        return metrics.horizontalAdvance(CellText(song, 0, column)) + 2 * GridTextMargin;
    case ColumnPicture:
        // The thumbnail counts even when its picture was removed.
        if (song.Thumbnail)
            return song.Thumbnail->width();
        return 2 * GridTextMargin;
    default:
        return 2 * GridTextMargin;
    }
}

QRect ContentRect(const QRect &cell, int column)
{
    const int indent = column == ColumnNumber ? GridIndent : 0;
    return cell.adjusted(indent + GridMargin, 0, 0, 0);
}

QRect TextRect(const QRect &content)
{
    return content.adjusted(GridTextMargin, 0, -GridTextMargin - 1, -1);
}

QString ShortenText(const QString &text, int available, const QFontMetrics &metrics)
{
    const int ellipsis = metrics.horizontalAdvance(kEllipsis);
    if (ellipsis > available)
        return {};
    // Invariant: a beginning of `low` characters fits, one of `high + 1` does not.
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = low + (high - low + 1) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) + ellipsis <= available)
            low = middle;
        else
            high = middle - 1;
    }
    if (low > 0 && low < text.size() && text.at(low - 1).isHighSurrogate()
        && text.at(low).isLowSurrogate())
        --low;
    return text.left(low) + kEllipsis;
}

QString FittedText(const QString &text, int contentWidth, int available,
                   const QFontMetrics &metrics)
{
    if (contentWidth - 2 * GridMargin > available)
        return ShortenText(text, available, metrics);
    return text;
}

QPoint ThumbnailPosition(const QRect &content, int columnWidth, int thumbnailWidth)
{
    // Integer division truncates toward zero, also for a negative space.
    return {content.left() + (columnWidth - thumbnailWidth - GridMargin) / 2, content.top() + 2};
}

int FitColumnWidth(int column, int widestContent)
{
    // The content rectangle must hold the claimed width plus the pixel that
    // the text rectangle gives up at the right.
    const int indent = column == ColumnNumber ? GridIndent : 0;
    return indent + GridMargin + widestContent + 1;
}
