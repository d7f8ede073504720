#pragma once

#include "album/orb_data.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QFontMetrics;

// What the song grid shows in each cell and how it fits it in, as plain
// functions: the view only paints what these decide.

enum GridColumn {
    ColumnNumber = 0,
    ColumnName,
    ColumnSinger,
    ColumnDuration,
    ColumnSize,
    ColumnFile,
    ColumnPicture,
    ColumnLyrics,
    GridColumnCount
};

struct GridColumnLayout
{
    const char16_t *caption;
    int width; // initial width in pixels
};
extern const GridColumnLayout GridColumns[GridColumnCount];

constexpr int GridMargin = 4;
constexpr int GridTextMargin = 4;
constexpr int GridIndent = 20;       // column 0 begins with the tree-line indent
constexpr int GridHeaderHeight = 22;
constexpr int GridScrollStep = 32;
constexpr int LyricsPreviewLength = 20;
// The background of every row whose zero-based index is odd.
inline const QColor OddRowColour{250, 246, 243};

// The text of a cell: the row number, a field, or the lyrics preview; the
// picture column has none.
QString CellText(const TOrbData &song, int rowIndex, int column);

// The lyrics up to their first carriage return, at most 20 characters.
QString LyricsPreview(const QString &lyrics);

// Whether the picture column shows the row's thumbnail: it needs both a
// picture path and a thumbnail.
bool ShowsThumbnail(const TOrbData &song);

// The grid's content-width query: the width a cell's content claims,
// measured with the grid's font. The shortening test and the column fitting
// use it.
int VDT1GetNodeWidth(const TOrbData &song, int column, const QFontMetrics &metrics);

// The content rectangle of a cell: after the indent (column 0) and the margin.
QRect ContentRect(const QRect &cell, int column);

// Where the text of a cell goes: the content rectangle less the text margin on
// both sides and one pixel at the right and at the bottom.
QRect TextRect(const QRect &content);

// The text as the cell draws it: unchanged when the claimed content width
// fits, else the longest beginning that fits `available` pixels together with
// "...", or nothing when not even "..." fits.
QString FittedText(const QString &text, int contentWidth, int available,
                   const QFontMetrics &metrics);

// The longest beginning of `text` that fits `available` pixels followed by
// "...", found by halving the range of lengths; a surrogate pair is never cut.
QString ShortenText(const QString &text, int available, const QFontMetrics &metrics);

// The top-left corner of the thumbnail in the picture column.
QPoint ThumbnailPosition(const QRect &content, int columnWidth, int thumbnailWidth);

// The width that fits a column to the widest content it claims.
int FitColumnWidth(int column, int widestContent);
