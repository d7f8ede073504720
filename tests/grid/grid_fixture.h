#pragma once

#include "app/song_grid.h"
#include "album/song_grid_rules.h"

#include <QFont>
#include <QHeaderView>
#include <QTest>

#include <memory>

// A shown song grid with the window's font, for widget tests.
inline std::unique_ptr<SongGrid> ShownGrid(int width = 983, int height = 400)
{
    auto grid = std::make_unique<SongGrid>();
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    grid->setFont(font);
    grid->resize(width, height);
    grid->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(grid.get());
    return grid;
}

inline AlbumRow *AddRow(SongGrid &grid, const QString &name)
{
    AlbumRow *row = grid.InsertAfter(nullptr);
    TOrbData &song = grid.Record(row);
    song.SongName = name;
    song.SourceFile = QStringLiteral("/music/") + name + QStringLiteral(".mp3");
    grid.RowChanged(row);
    return row;
}

// The centre of a cell in viewport coordinates.
inline QPoint CellCentre(const SongGrid &grid, const AlbumRow *row, int column)
{
    return grid.visualRect(grid.IndexOfRow(row, column)).center();
}
