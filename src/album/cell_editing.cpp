#include "album/cell_editing.h"

#include "album/album_list.h"

namespace {
// The box is this much narrower than its column.
constexpr int kBoxWidthShortfall = 5;
} // namespace

TCellEditing::TCellEditing(IAlbumList &list, ICellEditorHost &host, bool &editing)
    : m_list(list), m_host(host), m_editing(editing)
{
}

void TCellEditing::MouseDown(bool rightButtonPressed)
{
    RightButtonDown = rightButtonPressed;
}

void TCellEditing::NodeClick(AlbumRow *row, int column)
{
    if (RightButtonDown || !row)
        return;
    if (column != SongNameColumn && column != SingerColumn)
        return;
    EditColumn = column;
    EditNode = row;
    ShowCellEditor();
}

void TCellEditing::ColumnResize()
{
    if (m_editing)
        m_host.SetBoxWidth(m_host.ColumnWidth(EditColumn) - kBoxWidthShortfall);
}

void TCellEditing::ShowCellEditor()
{
    if (!EditNode || !EditNodeStillListed())
        return;
    const TOrbData &record = m_list.Record(EditNode);
    QString text;
    if (EditColumn == SongNameColumn)
        text = record.SongName;
    else if (EditColumn == SingerColumn)
        text = record.Singer;
    else
        return;

    m_host.SetBoxWidth(m_host.ColumnWidth(EditColumn) - kBoxWidthShortfall);
    const QRect cell = m_host.CellTextRect(EditNode, EditColumn);
    m_host.SetBoxText(text);
    // The box is 21 high; these offsets put it about in the row's middle.
    const int offset = record.Thumbnail ? (EditNode->Height + DefaultRowHeight) / 2 - 2
                                        : DefaultRowHeight - 2;
    m_host.SetBoxPosition(cell.left(), cell.top() + offset);
    EditChanged = false;
    m_open = true;
    m_host.ShowBox();
}

void TCellEditing::CommitCellEdit()
{
    // Rows deleted while the box was open are never written to.
    if (!EditNode || !EditNodeStillListed())
        return;
    UpdateBracket update(m_list);
    TOrbData &record = m_list.Record(EditNode);
    if (EditColumn == SongNameColumn)
        record.SongName = m_host.BoxText();
    else if (EditColumn == SingerColumn)
        record.Singer = m_host.BoxText();
    m_list.RowChanged(EditNode);
}

void TCellEditing::EditNextCell()
{
    if (!EditNode)
        return;
    if (EditColumn == SongNameColumn) {
        EditColumn = SingerColumn;
    } else if (EditColumn == SingerColumn) {
        AlbumRow *next = m_list.Next(EditNode);
        if (!next) {
            Close();
            return;
        }
        MoveToRow(next);
        EditColumn = SongNameColumn;
    }
    ShowCellEditor();
}

void TCellEditing::EditPreviousCell()
{
    if (!EditNode)
        return;
    if (EditColumn == SingerColumn) {
        EditColumn = SongNameColumn;
    } else if (EditColumn == SongNameColumn) {
        AlbumRow *previous = m_list.Previous(EditNode);
        if (!previous) {
            Close();
            return;
        }
        MoveToRow(previous);
        EditColumn = SingerColumn;
    }
    ShowCellEditor();
}

void TCellEditing::EditNextRow()
{
    if (!EditNode)
        return;
    AlbumRow *next = m_list.Next(EditNode);
    if (!next) {
        m_host.Beep();
        return;
    }
    MoveToRow(next);
    ShowCellEditor();
}

void TCellEditing::EditPreviousRow()
{
    if (!EditNode)
        return;
    AlbumRow *previous = m_list.Previous(EditNode);
    if (!previous) {
        m_host.Beep();
        return;
    }
    MoveToRow(previous);
    ShowCellEditor();
}

void TCellEditing::BoxEnter()
{
    m_editing = true;
}

void TCellEditing::BoxChange()
{
    EditChanged = true;
}

void TCellEditing::BoxExit()
{
    Close();
}

void TCellEditing::BoxKeyDown(CellEditKey key)
{
    if (key == CellEditKey::Escape) {
        EditChanged = false;
        Close();
        return;
    }
    if (EditChanged)
        CommitCellEdit();
    switch (key) {
    case CellEditKey::Enter:
    case CellEditKey::Tab:
        EditNextCell();
        break;
    case CellEditKey::ShiftTab:
        EditPreviousCell();
        break;
    case CellEditKey::Down:
        EditNextRow();
        break;
    case CellEditKey::Up:
        EditPreviousRow();
        break;
    case CellEditKey::Escape:
        break;
    }
}

void TCellEditing::RowRemoving(AlbumRow *row)
{
    if (!row || row != EditNode)
        return;
    EditChanged = false;
    Close();
    EditNode = nullptr;
}

void TCellEditing::AllRowsRemoving()
{
    RowRemoving(EditNode);
}

void TCellEditing::Close()
{
    // Hiding the focused box makes it lose the focus, which closes it again;
    // and Tab must no longer belong to it when the focus moves on.
    if (!m_open)
        return;
    m_open = false;
    m_editing = false;
    m_host.HideBox();
    if (EditChanged)
        CommitCellEdit();
}

void TCellEditing::MoveToRow(AlbumRow *row)
{
    EditNode = row;
    m_host.ScrollIntoView(row);
}

bool TCellEditing::EditNodeStillListed() const
{
    return m_list.IndexOf(EditNode) >= 0;
}
