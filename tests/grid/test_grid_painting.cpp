// Renders the grid off screen and checks its pixels.
#include "grid_fixture.h"

#include "support/qt_printers.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

class GridPainting : public ::testing::Test
{
protected:
    GridPainting() : m_grid(ShownGrid()) {}

    QImage Shot() const { return m_grid->viewport()->grab().toImage(); }
    QRect Cell(const AlbumRow *row, int column) const
    {
        return m_grid->visualRect(m_grid->IndexOfRow(row, column));
    }
    QColor Base() const { return m_grid->viewport()->palette().color(QPalette::Base); }

    // The cell as it must look: its background and `text` drawn literally in
    // the text rectangle. Grid lines at the right and bottom edges are left
    // out of the comparison.
    QImage Expected(const QImage &shot, const QRect &cell, int column, const QColor &background,
                    const QString &text, QPalette::ColorRole pen = QPalette::Text,
                    int flags = 0) const
    {
        QImage image(cell.size(), shot.format());
        image.fill(background);
        QPainter painter(&image);
        painter.setFont(m_grid->font());
        painter.setPen(m_grid->palette().color(QPalette::Active, pen));
        const QRect textRect = TextRect(ContentRect(QRect(QPoint(0, 0), cell.size()), column));
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | flags, text);
        painter.end();
        return image.copy(0, 0, cell.width() - 1, cell.height() - 1);
    }
    static QImage Inside(const QImage &shot, const QRect &cell)
    {
        return shot.copy(cell.adjusted(0, 0, -1, -1));
    }
    // Equal images; with GRID_DUMP=folder set, a mismatch is saved there.
    static ::testing::AssertionResult Same(const QImage &actual, const QImage &expected)
    {
        if (actual == expected)
            return ::testing::AssertionSuccess();
        static int count = 0;
        const QString folder = qEnvironmentVariable("GRID_DUMP");
        if (!folder.isEmpty()) {
            ++count;
            actual.save(QStringLiteral("%1/mismatch%2_actual.png").arg(folder).arg(count));
            expected.save(QStringLiteral("%1/mismatch%2_expected.png").arg(folder).arg(count));
        }
        return ::testing::AssertionFailure() << "the cell's pixels differ";
    }

    std::unique_ptr<SongGrid> m_grid;
};

TEST_F(GridPainting, GivesOddRowsTheirOwnBackground)
{
    QList<AlbumRow *> rows;
    for (int i = 0; i < 6; ++i)
        rows << AddRow(*m_grid, QString::number(i));
    const QImage shot = Shot();
    for (int i = 0; i < 6; ++i) {
        const QColor expected = i % 2 ? OddRowColour : Base();
        for (int column : {int(ColumnDuration), int(ColumnPicture), int(ColumnLyrics)})
            EXPECT_EQ(shot.pixelColor(Cell(rows[i], column).center()), expected) << i << " " << column;
    }
    EXPECT_EQ(OddRowColour, QColor(250, 246, 243));
}

TEST_F(GridPainting, PlacesThumbnailsByTheColumnSixRule)
{
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    AlbumRow *shown = AddRow(*m_grid, QStringLiteral("shown"));
    AlbumRow *removed = AddRow(*m_grid, QStringLiteral("removed"));
    for (AlbumRow *row : {shown, removed}) {
        m_grid->Record(row).Thumbnail = std::make_unique<QImage>(red);
        m_grid->Record(row).PictureFile = QStringLiteral("/music/cover.jpg");
        m_grid->SetRowHeight(row, 34);
    }
    m_grid->Record(removed).PictureFile.clear(); // keeps its thumbnail and height
    m_grid->RowChanged(removed);
    QApplication::processEvents();

    const QImage shot = Shot();
    const auto redBox = [&](const QRect &cell) {
        QRect box;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (shot.pixelColor(x, y) == QColor(Qt::red))
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect cell = Cell(shown, ColumnPicture);
    EXPECT_EQ(cell.height(), 34);
    // x = content left + (180 - 40 - 4) div 2, y = content top + 2
    EXPECT_EQ(redBox(cell), QRect(cell.left() + GridMargin + 68, cell.top() + 2, 40, 30));
    EXPECT_TRUE(redBox(Cell(removed, ColumnPicture)).isNull());
    EXPECT_EQ(Cell(removed, ColumnPicture).height(), 34);
}

TEST_F(GridPainting, ShortensTooLongTextWithDots)
{
    const QString name = QStringLiteral("A song name that is far too wide for a column of 160 pixels, really");
    AlbumRow *row = AddRow(*m_grid, name);
    const QFontMetrics metrics(m_grid->font());
    ASSERT_GT(metrics.horizontalAdvance(name), 300);
    const QRect cell = Cell(row, ColumnName);
    const int available = TextRect(ContentRect(cell, ColumnName)).width();
    EXPECT_EQ(available, 160 - 13);
    const QString shortened = ShortenText(name, available, metrics);
    ASSERT_TRUE(shortened.endsWith(QStringLiteral("...")));
    ASSERT_GT(shortened.size(), 10);

    const QImage shot = Shot();
    EXPECT_TRUE(Same(Inside(shot, cell), Expected(shot, cell, ColumnName, Base(), shortened)));
    EXPECT_FALSE(Same(Inside(shot, cell), Expected(shot, cell, ColumnName, Base(), name)));
}

TEST_F(GridPainting, DrawsNothingWhereNotEvenTheDotsFit)
{
    AlbumRow *row = AddRow(*m_grid, QStringLiteral("x"));
    m_grid->Record(row).SizeText = QStringLiteral("12.34M");
    m_grid->header()->resizeSection(ColumnSize, 16);
    const QImage shot = Shot();
    const QRect cell = Cell(row, ColumnSize);
    EXPECT_TRUE(Same(Inside(shot, cell), Expected(shot, cell, ColumnSize, Base(), QString())));
}

TEST_F(GridPainting, DrawsAmpersandsAsWritten)
{
    AlbumRow *row = AddRow(*m_grid, QStringLiteral("Rock & Roll"));
    const QImage shot = Shot();
    const QRect cell = Cell(row, ColumnName);
    EXPECT_TRUE(Same(Inside(shot, cell), Expected(shot, cell, ColumnName, Base(), QStringLiteral("Rock & Roll"))));
    EXPECT_FALSE(Same(Inside(shot, cell), Expected(shot, cell, ColumnName, Base(), QStringLiteral("Rock & Roll"),
                                           QPalette::Text, Qt::TextShowMnemonic)));
}

TEST_F(GridPainting, PreviewsTheFirstTwentyCharactersOfTheLyrics)
{
    const QString line = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
    AlbumRow *first = AddRow(*m_grid, QStringLiteral("long line"));
    m_grid->Record(first).LyricsText = line + QStringLiteral("\r\nsecond line");
    AlbumRow *third = AddRow(*m_grid, QStringLiteral("odd"));
    AlbumRow *hello = AddRow(*m_grid, QStringLiteral("hello"));
    m_grid->Record(hello).LyricsText = QStringLiteral("Hello\r\nWorld");
    m_grid->RowChanged(first);
    m_grid->RowChanged(hello);
    m_grid->resize(1400, 400);
    m_grid->header()->resizeSection(ColumnLyrics, 400);
    QApplication::processEvents();
    const QImage shot = Shot();

    QRect cell = Cell(first, ColumnLyrics);
    EXPECT_TRUE(Same(Inside(shot, cell), Expected(shot, cell, ColumnLyrics, Base(), line.left(20))));
    EXPECT_FALSE(Same(Inside(shot, cell), Expected(shot, cell, ColumnLyrics, Base(), line.left(21))));
    cell = Cell(hello, ColumnLyrics);
    EXPECT_TRUE(Same(Inside(shot, cell), Expected(shot, cell, ColumnLyrics, Base(), QStringLiteral("Hello"))));
    cell = Cell(third, ColumnLyrics);
    EXPECT_TRUE(Same(Inside(shot, cell), Expected(shot, cell, ColumnLyrics, OddRowColour, QString())));
}

TEST_F(GridPainting, DrawsTheFocusedRowInTheHighlightTextColour)
{
    AddRow(*m_grid, QStringLiteral("first"));
    AlbumRow *focused = AddRow(*m_grid, QStringLiteral("focused"));
    m_grid->SetFocused(focused); // focused, not selected
    const QImage shot = Shot();
    const QRect cell = Cell(focused, ColumnName);
    EXPECT_TRUE(Same(Inside(shot, cell), Expected(shot, cell, ColumnName, OddRowColour, QStringLiteral("focused"),
                                           QPalette::HighlightedText)));
    const QRect number = Cell(focused, ColumnNumber);
    EXPECT_TRUE(Same(Inside(shot, number).copy(GridIndent, 0, number.width() - GridIndent - 1, number.height() - 1),
              Expected(shot, number, ColumnNumber, OddRowColour, QStringLiteral("2"), QPalette::HighlightedText)
                  .copy(GridIndent, 0, number.width() - GridIndent - 1, number.height() - 1)));
}

TEST_F(GridPainting, FillsSelectedRowsWithoutChangingTheirTextColour)
{
    AlbumRow *row = AddRow(*m_grid, QStringLiteral("selected"));
    m_grid->SetSelected(row, true);
    const QRect cell = Cell(row, ColumnName);
    m_grid->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(m_grid->hasFocus());
    QImage shot = Shot();
    const QColor highlight = m_grid->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_TRUE(Same(Inside(shot, cell), Expected(shot, cell, ColumnName, highlight, QStringLiteral("selected"))));

    // Without the keyboard focus the selection is button-face.
    m_grid->clearFocus();
    QApplication::processEvents();
    shot = Shot();
    const QColor buttonFace = m_grid->palette().color(QPalette::Active, QPalette::Button);
    EXPECT_TRUE(Same(Inside(shot, cell), Expected(shot, cell, ColumnName, buttonFace, QStringLiteral("selected"))));
}

} // namespace
