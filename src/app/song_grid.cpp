#include "app/song_grid.h"

#include "app/song_grid_delegate.h"
#include "app/song_grid_model.h"

#include "album/song_grid_rules.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

SongGrid::SongGrid(QWidget *parent)
    : QTreeView(parent), m_model(new SongGridModel(this))
{
    setModel(m_model);
    setItemDelegate(new SongGridDelegate(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(false);
    // The focused row shows only in its text colour; no focus frame.
    setAllColumnsShowFocus(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSortingEnabled(false);
    // A drop target that takes no drop of its own: files dropped here reach
    // the window's drop handling.
    setAcceptDrops(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    SetUpHeader();
}

SongGrid::~SongGrid() = default;

void SongGrid::SetUpHeader()
{
    QHeaderView *columns = header();
    columns->setFixedHeight(GridHeaderHeight);
    columns->setStretchLastSection(false);
    columns->setSectionsClickable(false);
    columns->setSectionsMovable(true);
    columns->setFirstSectionMovable(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setMinimumSectionSize(0);
    QPalette plate = columns->palette();
    plate.setColor(QPalette::Button, palette().color(QPalette::Light));
    columns->setPalette(plate);
    for (int column = 0; column < GridColumnCount; ++column)
        columns->resizeSection(column, GridColumns[column].width);
    // Fitting uses the widths that the cells claim, not Qt's own size hints.
    disconnect(columns, &QHeaderView::sectionHandleDoubleClicked, this,
               &QTreeView::resizeColumnToContents);
    connect(columns, &QHeaderView::sectionHandleDoubleClicked, this, &SongGrid::FitColumn);
}

AlbumRow *SongGrid::First() const
{
    return m_model->Row(0);
}

AlbumRow *SongGrid::Next(const AlbumRow *row) const
{
    const int index = m_model->IndexOf(row);
    return index < 0 ? nullptr : m_model->Row(index + 1);
}

AlbumRow *SongGrid::Previous(const AlbumRow *row) const
{
    const int index = m_model->IndexOf(row);
    return index < 0 ? nullptr : m_model->Row(index - 1);
}

int SongGrid::Count() const
{
    return m_model->rowCount();
}

int SongGrid::IndexOf(const AlbumRow *row) const
{
    return m_model->IndexOf(row);
}

AlbumRow *SongGrid::RowAt(int index) const
{
    return m_model->Row(index);
}

QModelIndex SongGrid::IndexOfRow(const AlbumRow *row, int column) const
{
    const int index = m_model->IndexOf(row);
    return index < 0 ? QModelIndex() : m_model->index(index, column);
}

AlbumRow *SongGrid::RowAtPoint(const QPoint &point) const
{
    const QModelIndex index = indexAt(point);
    return index.isValid() ? m_model->Row(index.row()) : nullptr;
}

AlbumRow *SongGrid::Focused() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? m_model->Row(current.row()) : nullptr;
}

void SongGrid::SetFocused(AlbumRow *row)
{
    const QModelIndex index = IndexOfRow(row);
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    else
        selectionModel()->clearCurrentIndex();
    viewport()->update();
}

QList<AlbumRow *> SongGrid::Selected() const
{
    std::vector<int> indexes;
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        for (int index = range.top(); index <= range.bottom(); ++index)
            indexes.push_back(index);
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    QList<AlbumRow *> rows;
    rows.reserve(qsizetype(indexes.size()));
    for (int index : indexes)
        rows.append(m_model->Row(index));
    return rows;
}

int SongGrid::SelectedCount() const
{
    return int(Selected().size());
}

void SongGrid::SetSelected(AlbumRow *row, bool selected)
{
    const QModelIndex index = IndexOfRow(row);
    if (!index.isValid())
        return;
    selectionModel()->select(index, (selected ? QItemSelectionModel::Select
                                              : QItemSelectionModel::Deselect)
                                        | QItemSelectionModel::Rows);
}

AlbumRow *SongGrid::InsertAfter(AlbumRow *anchor)
{
    const int index = m_model->IndexOf(anchor);
    return m_model->Insert(index < 0 ? Count() : index + 1);
}

void SongGrid::DeleteSelected()
{
    const QList<AlbumRow *> doomed = Selected();
    if (doomed.isEmpty())
        return;
    const bool focusGoes = doomed.contains(Focused());
    UpdateBracket bracket(*this);
    // From the bottom up, one run of neighbouring rows at a time.
    int last = -1;
    int first = -1;
    for (qsizetype i = doomed.size() - 1; i >= 0; --i) {
        const int index = m_model->IndexOf(doomed[i]);
        if (last < 0) {
            first = last = index;
        } else if (index == first - 1) {
            first = index;
        } else {
            m_model->Remove(first, last);
            first = last = index;
        }
    }
    m_model->Remove(first, last);
    // The focus goes with its row; it does not move on to a neighbour.
    if (focusGoes)
        selectionModel()->clearCurrentIndex();
    selectionModel()->clearSelection();
}

void SongGrid::DeleteAll()
{
    m_model->RemoveAll();
}

void SongGrid::SetRowHeight(AlbumRow *row, int height)
{
    const int index = m_model->IndexOf(row);
    if (index < 0 || row->Height == height)
        return;
    row->Height = height;
    m_model->Changed(index);
}

void SongGrid::RowChanged(AlbumRow *row)
{
    m_model->Changed(m_model->IndexOf(row));
}

void SongGrid::BeginUpdate()
{
    if (m_updateDepth++ == 0)
        viewport()->setUpdatesEnabled(false);
}

void SongGrid::EndUpdate()
{
    if (m_updateDepth == 0)
        return;
    if (--m_updateDepth == 0) {
        viewport()->setUpdatesEnabled(true);
        viewport()->update();
    }
}

void SongGrid::FitColumn(int column)
{
    if (column < 0 || column >= GridColumnCount)
        return;
    const QFontMetrics metrics(font());
    int widest = 2 * GridTextMargin;
    for (int index = 0; index < Count(); ++index)
        widest = std::max(widest, VDT1GetNodeWidth(m_model->Row(index)->Data, column, metrics));
    header()->resizeSection(column, FitColumnWidth(column, widest));
}

bool SongGrid::viewportEvent(QEvent *event)
{
    // The grid shows no tooltips: its hint is always empty.
    if ((event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis)
        && VDT1GetHintSize().isEmpty()) {
        event->accept();
        return true;
    }
    return QTreeView::viewportEvent(event);
}

void SongGrid::focusInEvent(QFocusEvent *event)
{
    // Qt focuses the first row when the view gains the keyboard focus
    // without one (Tab, or the window becoming active again after a dialog).
    // Here no row has the focus until the user gives it one, so adding songs
    // keeps appending at the end.
    const bool hadFocusedRow = selectionModel()->currentIndex().isValid();
    QTreeView::focusInEvent(event);
    if (!hadFocusedRow && selectionModel()->currentIndex().isValid())
        selectionModel()->clearCurrentIndex();
}

void SongGrid::updateGeometries()
{
    QTreeView::updateGeometries();
    verticalScrollBar()->setSingleStep(GridScrollStep);
}
