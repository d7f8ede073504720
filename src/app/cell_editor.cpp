#include "app/cell_editor.h"

#include "app/cell_editor_events.h"
#include "app/form_main.h"
#include "app/song_grid.h"

#include "album/song_grid_rules.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include <optional>

namespace {
std::optional<CellEditKey> EditKeyOf(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CellEditKey::Enter;
    case Qt::Key_Escape:
        return CellEditKey::Escape;
    case Qt::Key_Tab:
        return key.modifiers() & Qt::ShiftModifier ? CellEditKey::ShiftTab : CellEditKey::Tab;
    case Qt::Key_Backtab:
        return CellEditKey::ShiftTab;
    case Qt::Key_Up:
        return CellEditKey::Up;
    case Qt::Key_Down:
        return CellEditKey::Down;
    default:
        return std::nullopt;
    }
}
} // namespace

TCellEditor::TCellEditor(SongGrid *grid, QLineEdit *box, bool &editing, QObject *parent)
    : QObject(parent), m_grid(grid), m_box(box), m_state(*grid, *this, editing)
{
    InstallEventHook(grid->viewport(), [this](QEvent *event) { return VDT1MouseDown(event); });
    InstallEventHook(box, [this](QEvent *event) { return EditGridEvent(event); });
    connect(grid, &QAbstractItemView::clicked, this, &TCellEditor::VDT1NodeClick);
    connect(grid->header(), &QHeaderView::sectionResized, this, [this] { m_state.ColumnResize(); });
    connect(box, &QLineEdit::textChanged, this, [this] { m_state.BoxChange(); });
    QAbstractItemModel *rows = grid->model();
    connect(rows, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) { RowsAboutToBeRemoved(first, last); });
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_state.AllRowsRemoving(); });
}

int TCellEditor::ColumnWidth(int column) const
{
    return m_grid->header()->sectionSize(column);
}

QRect TCellEditor::CellTextRect(AlbumRow *row, int column) const
{
    const QRect cell = m_grid->visualRect(m_grid->IndexOfRow(row, column));
    return TextRect(ContentRect(cell, column));
}

void TCellEditor::ScrollIntoView(AlbumRow *row)
{
    // Vertically only, and only as far as needed.
    const QRect cell = m_grid->visualRect(m_grid->IndexOfRow(row));
    QScrollBar *bar = m_grid->verticalScrollBar();
    const int visible = m_grid->viewport()->height();
    if (cell.top() < 0)
        bar->setValue(bar->value() + cell.top());
    else if (cell.bottom() >= visible)
        bar->setValue(bar->value() + cell.bottom() - visible + 1);
}

void TCellEditor::SetBoxText(const QString &text)
{
    m_box->setText(text);
}

QString TCellEditor::BoxText() const
{
    return m_box->text();
}

void TCellEditor::SetBoxPosition(int left, int top)
{
    m_box->move(left, top);
}

void TCellEditor::SetBoxWidth(int width)
{
    m_box->resize(std::max(width, 0), m_box->height());
}

void TCellEditor::ShowBox()
{
    m_box->show();
    m_box->raise();
    m_box->setFocus(Qt::OtherFocusReason);
}

void TCellEditor::HideBox()
{
    m_box->hide();
}

void TCellEditor::Beep()
{
    ++m_beeps;
    QApplication::beep();
}

bool TCellEditor::VDT1MouseDown(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_state.MouseDown(mouse->buttons().testFlag(Qt::RightButton));
    }
    return false;
}

void TCellEditor::VDT1NodeClick(const QModelIndex &index)
{
    if (index.isValid())
        m_state.NodeClick(m_grid->RowAt(index.row()), index.column());
}

bool TCellEditor::EditGridEvent(QEvent *event)
{
    if (!m_grid)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        m_state.BoxEnter();
        break;
    case QEvent::FocusOut:
    {
        // Menus, opened with the mouse or the keyboard, do not take the
        // focus from the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
            m_state.BoxExit();
        break;
    }
    case QEvent::KeyPress:
        return EditGridKeyDown(event);
    default:
        break;
    }
    return false;
}

bool TCellEditor::EditGridKeyDown(QEvent *event)
{
    const std::optional<CellEditKey> key = EditKeyOf(*static_cast<QKeyEvent *>(event));
    if (!key || !m_state.IsOpen())
        return false;
    m_state.BoxKeyDown(*key);
    return true;
}

void TCellEditor::RowsAboutToBeRemoved(int first, int last)
{
    for (int index = first; index <= last; ++index)
        m_state.RowRemoving(m_grid->RowAt(index));
}

void TFormMain::ConnectCellEditor()
{
    CellEditor = new TCellEditor(VDT1, EditGrid, Editing, this);
}
