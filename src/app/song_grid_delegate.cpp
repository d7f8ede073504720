#include "app/song_grid_delegate.h"

#include "app/song_grid.h"

#include "album/song_grid_rules.h"

#include <QHeaderView>
#include <QPainter>

SongGridDelegate::SongGridDelegate(SongGrid *grid)
    : QAbstractItemDelegate(grid), m_grid(grid)
{
}

QSize SongGridDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const AlbumRow *row = m_grid->RowAt(index.row());
    if (!row)
        return {};
    const QFontMetrics metrics(m_grid->font());
    return {FitColumnWidth(index.column(), VDT1GetNodeWidth(row->Data, index.column(), metrics)),
            row->Height};
}

void SongGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    VDT1BeforeCellPaint(painter, option, index);
    VDT1DrawNode(painter, option, index);
    painter->restore();
}

void SongGridDelegate::VDT1BeforeCellPaint(QPainter *painter, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    const QRect cell = option.rect;
    if (index.row() % 2 == 1)
        painter->fillRect(cell, OddRowColour);
    if (option.state & QStyle::State_Selected) {
        // A grid without the keyboard focus shows its selection in the
        // button-face colour.
        const QColor selection = m_grid->hasFocus()
            ? option.palette.color(QPalette::Active, QPalette::Highlight)
            : option.palette.color(QPalette::Active, QPalette::Button);
        painter->fillRect(cell, selection);
    }
    const QColor lines = option.palette.color(QPalette::Active, QPalette::Button);
    painter->setPen(lines);
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    painter->drawLine(cell.topRight(), cell.bottomRight());
    if (index.column() == ColumnNumber)
        PaintTreeLine(painter, cell, index.row());
}

void SongGridDelegate::PaintTreeLine(QPainter *painter, const QRect &cell, int row) const
{
    // A flat list's tree line: one dotted line down the indent, with a
    // branch to every row.
    QPen pen(m_grid->palette().color(QPalette::Active, QPalette::Button));
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    const int x = cell.left() + GridIndent / 2;
    const int middle = cell.top() + cell.height() / 2;
    const int top = row == 0 ? middle : cell.top();
    const int bottom = row == m_grid->Count() - 1 ? middle : cell.bottom();
    painter->drawLine(x, top, x, bottom);
    painter->drawLine(x, middle, cell.left() + GridIndent - 2, middle);
}

void SongGridDelegate::VDT1DrawNode(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    const AlbumRow *row = m_grid->RowAt(index.row());
    if (!row)
        return;
    const TOrbData &song = row->Data;
    const int column = index.column();
    const QRect content = ContentRect(option.rect, column);

    if (column == ColumnPicture) {
        if (ShowsThumbnail(song)) {
            const int columnWidth = m_grid->header()->sectionSize(ColumnPicture);
            painter->drawImage(ThumbnailPosition(content, columnWidth, song.Thumbnail->width()),
                               *song.Thumbnail);
        }
        return;
    }

    QString text = CellText(song, index.row(), column);
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(m_grid->font());
    const QRect textRect = TextRect(content);
    text = FittedText(text, VDT1GetNodeWidth(song, column, metrics), textRect.width(), metrics);
    if (text.isEmpty())
        return;
    // The focused row keeps the highlight text colour even when it is not
    // selected. Text is drawn as written: no mnemonic, so "&" stays "&".
    const bool focused = m_grid->Focused() == row;
    painter->setPen(option.palette.color(QPalette::Active,
                                         focused ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(m_grid->font());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}
