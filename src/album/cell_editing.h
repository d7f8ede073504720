#pragma once

#include <QRect>
#include <QString>

class AlbumRow;
class IAlbumList;

// The columns whose cells can be edited in place.
constexpr int SongNameColumn = 1;
constexpr int SingerColumn = 2;

// What in-place editing needs from the window: the grid's geometry and the
// single-line edit box that floats over it.
class ICellEditorHost
{
public:
    virtual ~ICellEditorHost() = default;

    virtual int ColumnWidth(int column) const = 0;
    // The text rectangle of a cell, in the grid's client coordinates.
    virtual QRect CellTextRect(AlbumRow *row, int column) const = 0;
    // Scrolls vertically just enough to show the row; no centring.
    virtual void ScrollIntoView(AlbumRow *row) = 0;

    virtual void SetBoxText(const QString &text) = 0;
    virtual QString BoxText() const = 0;
    virtual void SetBoxPosition(int left, int top) = 0;
    virtual void SetBoxWidth(int width) = 0;
    // Shows the box and gives it the keyboard focus.
    virtual void ShowBox() = 0;
    virtual void HideBox() = 0;
    virtual void Beep() = 0;
};

// Keys the edit box acts on; all others edit its text.
enum class CellEditKey { Enter, Escape, Tab, ShiftTab, Up, Down };

// In-place editing of titles and performers: which cell the box is over, when
// its text is written into the song record, and how keys move it from cell to
// cell. `editing` is the window's flag that keeps Tab inside the box.
class TCellEditing
{
public:
    TCellEditing(IAlbumList &list, ICellEditorHost &host, bool &editing);

    bool RightButtonDown = false;
    AlbumRow *EditNode = nullptr;
    int EditColumn = SongNameColumn;
    bool EditChanged = false;

    // True from ShowCellEditor until the box is closed.
    bool IsOpen() const { return m_open; }

    // Grid gestures.
    void MouseDown(bool rightButtonPressed);
    void NodeClick(AlbumRow *row, int column);
    void ColumnResize();

    void ShowCellEditor();
    void CommitCellEdit();
    void EditNextCell();
    void EditPreviousCell();
    void EditNextRow();
    void EditPreviousRow();

    // Edit box events.
    void BoxEnter();
    void BoxChange();
    void BoxExit();
    void BoxKeyDown(CellEditKey key);

    // Rows are about to leave the list. When the edited row is among them the
    // box closes and its uncommitted text is dropped: it has nowhere to go.
    void RowRemoving(AlbumRow *row);
    void AllRowsRemoving();

private:
    void Close();
    void MoveToRow(AlbumRow *row);
    bool EditNodeStillListed() const;

    IAlbumList &m_list;
    ICellEditorHost &m_host;
    bool &m_editing;
    bool m_open = false;
};
