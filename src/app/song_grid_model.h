#pragma once

#include "album/album_list.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

// The rows of the song grid. The model owns them; removing a row releases
// its record and thumbnail. The display role gives each cell's text, for
// accessibility and tests; painting is the delegate's.
class SongGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    AlbumRow *Row(int index) const;
    int IndexOf(const AlbumRow *row) const; // -1 when not a row of this model

    AlbumRow *Insert(int index);
    void Remove(int first, int last);
    void RemoveAll();
    // Repaints the row; its height is read again.
    void Changed(int index);

private:
    std::vector<std::unique_ptr<AlbumRow>> m_rows;
};
