#pragma once

#include <QAbstractItemDelegate>

class SongGrid;

// Paints the cells of the song grid: the odd-row background, the selection,
// the grid and tree lines, then the cell's text or thumbnail as the display
// rules decide. Its size hint gives each row its own height and each cell
// the content width it claims.
class SongGridDelegate : public QAbstractItemDelegate
{
    Q_OBJECT

public:
    explicit SongGridDelegate(SongGrid *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void VDT1BeforeCellPaint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const;
    void PaintTreeLine(QPainter *painter, const QRect &cell, int row) const;
    void VDT1DrawNode(QPainter *painter, const QStyleOptionViewItem &option,
                      const QModelIndex &index) const;

    SongGrid *m_grid;
};
