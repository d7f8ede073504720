#pragma once

#include "album/album_list.h"

#include <memory>
#include <vector>

// The album list without a window: the headless front end and the tests use
// it. Rows are kept in album order; deleting a row releases its record and
// thumbnail.
class InMemoryAlbumList : public IAlbumList
{
public:
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

    // How many times the list would have been repainted: once for every
    // change outside an update bracket and once for every outermost EndUpdate
    // after changes.
    int RepaintCount() const { return m_repaints; }
    int UpdateDepth() const { return m_updateDepth; }

private:
    struct Entry
    {
        std::unique_ptr<AlbumRow> row;
        bool selected = false;
    };

    void Changed();
    void Remove(std::vector<Entry>::iterator first, std::vector<Entry>::iterator last);

    std::vector<Entry> m_rows;
    AlbumRow *m_focused = nullptr;
    int m_updateDepth = 0;
    bool m_dirty = false;
    int m_repaints = 0;
};
