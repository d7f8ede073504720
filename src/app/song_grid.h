#pragma once

#include "album/album_list.h"

#include <QTreeView>

class SongGridModel;

// The song grid VDT1: a flat, owner-drawn list of song rows with a header of
// eight columns. It is the window's album list: the operations of adding,
// attaching, moving and building work on it through IAlbumList.
class SongGrid : public QTreeView, public IAlbumList
{
    Q_OBJECT

public:
    explicit SongGrid(QWidget *parent = nullptr);
    ~SongGrid() override;

    AlbumRow *First() const override;
    AlbumRow *Next(const AlbumRow *row) const override;
    AlbumRow *Previous(const AlbumRow *row) const override;
    int Count() const override;
    int IndexOf(const AlbumRow *row) const override;
    AlbumRow *RowAt(int index) const override;

    AlbumRow *Focused() const override;
    void SetFocused(AlbumRow *row) override;

    QList<AlbumRow *> Selected() const override;
    int SelectedCount() const override;
    void SetSelected(AlbumRow *row, bool selected) override;

    AlbumRow *InsertAfter(AlbumRow *anchor) override;
    void DeleteSelected() override;
    void DeleteAll() override;

    void SetRowHeight(AlbumRow *row, int height) override;
    void RowChanged(AlbumRow *row) override;

    void BeginUpdate() override;
    void EndUpdate() override;
    int UpdateDepth() const { return m_updateDepth; }

    // The row under a point of the viewport, or none.
    AlbumRow *RowAtPoint(const QPoint &point) const;
    QModelIndex IndexOfRow(const AlbumRow *row, int column = 0) const;

    // Fits a column to the widest content its rows claim (a double click on
    // the header divider does this).
    void FitColumn(int column);

    // The grid's hint (tooltip) size: always empty, so no hint is shown.
    QRect VDT1GetHintSize() const { return {}; }

protected:
    bool viewportEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void updateGeometries() override;

private:
    void SetUpHeader();

    SongGridModel *m_model;
    int m_updateDepth = 0;
};
