#include "app/song_grid_model.h"

#include "album/song_grid_rules.h"

#include <algorithm>

int SongGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SongGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : GridColumnCount;
}

QVariant SongGridModel::data(const QModelIndex &index, int role) const
{
    const AlbumRow *row = Row(index.row());
    if (!row)
        return {};
    if (role == Qt::DisplayRole)
        return CellText(row->Data, index.row(), index.column());
    return {};
}

QVariant SongGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < GridColumnCount)
        return QString::fromUtf16(GridColumns[section].caption);
    return {};
}

Qt::ItemFlags SongGridModel::flags(const QModelIndex &index) const
{
    // The grid's own editing is off: cells are edited through the window.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

AlbumRow *SongGridModel::Row(int index) const
{
    if (index < 0 || index >= int(m_rows.size()))
        return nullptr;
    return m_rows[size_t(index)].get();
}

int SongGridModel::IndexOf(const AlbumRow *row) const
{
    if (!row)
        return -1;
    const auto found = std::find_if(m_rows.begin(), m_rows.end(),
                                    [row](const auto &own) { return own.get() == row; });
    return found == m_rows.end() ? -1 : int(found - m_rows.begin());
}

AlbumRow *SongGridModel::Insert(int index)
{
    index = std::clamp(index, 0, int(m_rows.size()));
    beginInsertRows(QModelIndex(), index, index);
    AlbumRow *row = m_rows.insert(m_rows.begin() + index, std::make_unique<AlbumRow>())->get();
    endInsertRows();
    return row;
}

void SongGridModel::Remove(int first, int last)
{
    if (first < 0 || last >= int(m_rows.size()) || first > last)
        return;
    beginRemoveRows(QModelIndex(), first, last);
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
    endRemoveRows();
}

void SongGridModel::RemoveAll()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void SongGridModel::Changed(int index)
{
    if (!Row(index))
        return;
    emit dataChanged(this->index(index, 0), this->index(index, GridColumnCount - 1));
}
