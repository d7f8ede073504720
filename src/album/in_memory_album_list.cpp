#include "album/in_memory_album_list.h"

#include <algorithm>

AlbumRow *InMemoryAlbumList::First() const
{
    return RowAt(0);
}

AlbumRow *InMemoryAlbumList::Next(const AlbumRow *row) const
{
    const int index = IndexOf(row);
    return index < 0 ? nullptr : RowAt(index + 1);
}

AlbumRow *InMemoryAlbumList::Previous(const AlbumRow *row) const
{
    const int index = IndexOf(row);
    return index < 0 ? nullptr : RowAt(index - 1);
}

int InMemoryAlbumList::Count() const
{
    return int(m_rows.size());
}

int InMemoryAlbumList::IndexOf(const AlbumRow *row) const
{
    if (!row)
        return -1;
    const auto it = std::find_if(m_rows.begin(), m_rows.end(), [row](const Entry &e) { return e.row.get() == row; });
    return it == m_rows.end() ? -1 : int(it - m_rows.begin());
}

AlbumRow *InMemoryAlbumList::RowAt(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_rows[size_t(index)].row.get();
}

AlbumRow *InMemoryAlbumList::Focused() const
{
    return m_focused;
}

void InMemoryAlbumList::SetFocused(AlbumRow *row)
{
    m_focused = IndexOf(row) >= 0 ? row : nullptr;
    Changed();
}

QList<AlbumRow *> InMemoryAlbumList::Selected() const
{
    QList<AlbumRow *> rows;
    for (const Entry &e : m_rows) {
        if (e.selected)
            rows.append(e.row.get());
    }
    return rows;
}

int InMemoryAlbumList::SelectedCount() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(), [](const Entry &e) { return e.selected; }));
}

void InMemoryAlbumList::SetSelected(AlbumRow *row, bool selected)
{
    const int index = IndexOf(row);
    if (index < 0)
        return;
    m_rows[size_t(index)].selected = selected;
    Changed();
}

AlbumRow *InMemoryAlbumList::InsertAfter(AlbumRow *anchor)
{
    const int index = IndexOf(anchor);
    const auto position = index < 0 ? m_rows.end() : m_rows.begin() + index + 1;
    const auto inserted = m_rows.insert(position, Entry{std::make_unique<AlbumRow>(), false});
    Changed();
    return inserted->row.get();
}

void InMemoryAlbumList::Remove(std::vector<Entry>::iterator first, std::vector<Entry>::iterator last)
{
    for (auto it = first; it != last; ++it) {
        if (it->row.get() == m_focused)
            m_focused = nullptr;
    }
    m_rows.erase(first, last); // releases each record with its thumbnail
    Changed();
}

void InMemoryAlbumList::DeleteSelected()
{
    const auto kept = std::stable_partition(m_rows.begin(), m_rows.end(), [](const Entry &e) { return !e.selected; });
    if (kept != m_rows.end())
        Remove(kept, m_rows.end());
}

void InMemoryAlbumList::DeleteAll()
{
    if (!m_rows.empty())
        Remove(m_rows.begin(), m_rows.end());
}

void InMemoryAlbumList::SetRowHeight(AlbumRow *row, int height)
{
    if (row && row->Height != height) {
        row->Height = height;
        Changed();
    }
}

void InMemoryAlbumList::RowChanged(AlbumRow *)
{
    Changed();
}

void InMemoryAlbumList::BeginUpdate()
{
    ++m_updateDepth;
}

void InMemoryAlbumList::EndUpdate()
{
    if (m_updateDepth == 0)
        return;
    if (--m_updateDepth == 0 && m_dirty) {
        m_dirty = false;
        ++m_repaints;
    }
}

void InMemoryAlbumList::Changed()
{
    if (m_updateDepth > 0)
        m_dirty = true;
    else
        ++m_repaints;
}
