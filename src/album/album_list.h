#pragma once

#include "album/orb_data.h"

#include <QList>

// The grid's default row height; a row with a thumbnail may be taller.
constexpr int DefaultRowHeight = 32;

// One row of the album: its record and its height. The list owns its rows;
// a row pointer stays valid until the row is deleted.
class AlbumRow
{
public:
    TOrbData Data;
    int Height = DefaultRowHeight;
};

// The facilities of the song grid that adding, attaching, moving, staging and
// reporting use. The window's grid implements it for the GUI; InMemoryAlbumList
// implements it for the headless front end and tests.
class IAlbumList
{
public:
    virtual ~IAlbumList() = default;

    virtual AlbumRow *First() const = 0;
    virtual AlbumRow *Next(const AlbumRow *row) const = 0;     // none past the end
    virtual AlbumRow *Previous(const AlbumRow *row) const = 0; // none before the start
    virtual int Count() const = 0;
    virtual int IndexOf(const AlbumRow *row) const = 0;        // -1 when not a row
    virtual AlbumRow *RowAt(int index) const = 0;              // none out of range

    // At most one focused row; none in an empty list or before one is focused.
    virtual AlbumRow *Focused() const = 0;
    virtual void SetFocused(AlbumRow *row) = 0;

    // The selected rows in list order.
    virtual QList<AlbumRow *> Selected() const = 0;
    virtual int SelectedCount() const = 0;
    virtual void SetSelected(AlbumRow *row, bool selected) = 0;

    // A new empty row directly after `anchor`, or the last row when none.
    virtual AlbumRow *InsertAfter(AlbumRow *anchor) = 0;
    virtual void DeleteSelected() = 0;
    virtual void DeleteAll() = 0;

    TOrbData &Record(AlbumRow *row) const { return row->Data; }
    virtual void SetRowHeight(AlbumRow *row, int height) = 0;
    // Tells the view that a row's record changed and needs repainting.
    virtual void RowChanged(AlbumRow *row) = 0;

    // Changes made between them are painted once, at the outermost EndUpdate.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
};

// Brackets a multi-row change; ends the update also when an error escapes.
class UpdateBracket
{
public:
    explicit UpdateBracket(IAlbumList &list) : m_list(list) { m_list.BeginUpdate(); }
    ~UpdateBracket() { m_list.EndUpdate(); }
    UpdateBracket(const UpdateBracket &) = delete;
    UpdateBracket &operator=(const UpdateBracket &) = delete;

private:
    IAlbumList &m_list;
};
