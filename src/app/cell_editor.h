#pragma once

#include "album/cell_editing.h"

#include <QObject>
#include <QPointer>

class QEvent;
class QLineEdit;
class SongGrid;

// In-place editing in the window: gives TCellEditing the grid's geometry and
// the edit box EditGrid, and routes the grid's clicks, the header's resizes,
// the rows' removal and the box's focus, text and keys to it.
class TCellEditor : public QObject, public ICellEditorHost
{
    Q_OBJECT

public:
    // `editing` is the window's Editing flag.
    TCellEditor(SongGrid *grid, QLineEdit *box, bool &editing, QObject *parent);

    TCellEditing &State() { return m_state; }
    // How many times editing has sounded the message beep.
    int BeepCount() const { return m_beeps; }

    int ColumnWidth(int column) const override;
    QRect CellTextRect(AlbumRow *row, int column) const override;
    void ScrollIntoView(AlbumRow *row) override;
    void SetBoxText(const QString &text) override;
    QString BoxText() const override;
    void SetBoxPosition(int left, int top) override;
    void SetBoxWidth(int width) override;
    void ShowBox() override;
    void HideBox() override;
    void Beep() override;

private:
    bool VDT1MouseDown(QEvent *event);
    void VDT1NodeClick(const QModelIndex &index);
    bool EditGridEvent(QEvent *event);
    bool EditGridKeyDown(QEvent *event);
    void RowsAboutToBeRemoved(int first, int last);

    // Cleared once the grid is gone, so that the box's last focus change
    // while the window is destroyed does not reach the rows.
    QPointer<SongGrid> m_grid;
    QLineEdit *m_box;
    TCellEditing m_state;
    int m_beeps = 0;
};
