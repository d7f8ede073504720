#include "grid_fixture.h"

#include "album/album_list_contract.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

struct SongGridFactory
{
    static std::unique_ptr<IAlbumList> Make() { return std::make_unique<SongGrid>(); }
};

using Factories = ::testing::Types<SongGridFactory>;
INSTANTIATE_TYPED_TEST_SUITE_P(SongGrid, AlbumListContract, Factories);

TEST(SongGrid, HasTheColumnsAndHeaderOfTheAlbumWindow)
{
    SongGrid grid;
    QHeaderView *header = grid.header();
    ASSERT_EQ(grid.model()->columnCount(), 8);
    const char16_t *captions[] = {u"序号", u"名称", u"表演者", u"时间", u"大小", u"文件名", u"图片", u"歌词"};
    const int widths[] = {60, 160, 160, 80, 50, 150, 180, 140};
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(grid.model()->headerData(column, Qt::Horizontal).toString(),
                  QString::fromUtf16(captions[column]));
        EXPECT_EQ(header->sectionSize(column), widths[column]);
        EXPECT_EQ(header->sectionResizeMode(column), QHeaderView::Interactive);
    }
    EXPECT_EQ(header->height(), 22);
    EXPECT_TRUE(header->sectionsMovable());
    EXPECT_FALSE(header->isFirstSectionMovable());
    EXPECT_FALSE(header->sectionsClickable());
    EXPECT_FALSE(grid.isSortingEnabled());
    EXPECT_EQ(grid.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(SongGrid, LetsColumnsOneToSevenBeDraggedButNotColumnZero)
{
    auto grid = ShownGrid();
    QHeaderView *header = grid->header();
    const auto drag = [&](int section, int toSection) {
        const int y = header->height() / 2;
        const QPoint from(header->sectionViewportPosition(section) + 10, y);
        const QPoint to(header->sectionViewportPosition(toSection) + header->sectionSize(toSection) - 5, y);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 10; ++step) {
            QMouseEvent move(QEvent::MouseMove, from + (to - from) * step / 10,
                             header->viewport()->mapToGlobal(from + (to - from) * step / 10),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(header->viewport(), &move);
        }
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, to);
    };
    drag(0, 3);
    EXPECT_EQ(header->visualIndex(0), 0);
    drag(2, 5);
    EXPECT_EQ(header->visualIndex(2), 5);
}

TEST(SongGrid, FitsAColumnToItsWidestClaimOnADividerDoubleClick)
{
    auto grid = ShownGrid();
    AddRow(*grid, QStringLiteral("short"));
    AddRow(*grid, QStringLiteral("a much longer song name than the column allows for sure"));
    QHeaderView *header = grid->header();
    const QFontMetrics metrics(grid->font());
    const int claimed = metrics.horizontalAdvance(grid->Record(grid->RowAt(1)).SongName) + 8;
    const QPoint divider(header->sectionViewportPosition(1) + header->sectionSize(1) - 1,
                         header->height() / 2);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, divider);
    EXPECT_EQ(header->sectionSize(1), FitColumnWidth(ColumnName, claimed));

    grid->FitColumn(ColumnNumber); // claims the width of "100" whatever the numbers
    EXPECT_EQ(header->sectionSize(0),
              FitColumnWidth(ColumnNumber, metrics.horizontalAdvance(QStringLiteral("100")) + 8));
}

TEST(SongGrid, SelectsWithCtrlAndShift)
{
    auto grid = ShownGrid();
    QList<AlbumRow *> rows;
    for (int i = 0; i < 6; ++i)
        rows << AddRow(*grid, QString::number(i));
    QWidget *area = grid->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, CellCentre(*grid, rows[0], ColumnDuration));
    QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier, CellCentre(*grid, rows[2], ColumnDuration));
    EXPECT_EQ(grid->Selected(), (QList<AlbumRow *>{rows[0], rows[2]}));
    EXPECT_EQ(grid->Focused(), rows[2]);
    // Shift extends from the last clicked row; rows picked with Ctrl stay.
    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, CellCentre(*grid, rows[4], ColumnSize));
    EXPECT_EQ(grid->Selected(), (QList<AlbumRow *>{rows[0], rows[2], rows[3], rows[4]}));
    QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier, CellCentre(*grid, rows[3], ColumnSize));
    EXPECT_EQ(grid->Selected(), (QList<AlbumRow *>{rows[0], rows[2], rows[4]}));
    EXPECT_EQ(grid->Focused(), rows[3]); // focused although deselected
    QTest::mouseClick(area, Qt::LeftButton, {}, CellCentre(*grid, rows[5], ColumnName));
    EXPECT_EQ(grid->Selected(), (QList<AlbumRow *>{rows[5]}));
    EXPECT_EQ(grid->SelectedCount(), 1);
}

TEST(SongGrid, SelectsTheRowUnderARightClickBeforeTheContextMenu)
{
    auto grid = ShownGrid();
    QList<AlbumRow *> rows;
    for (int i = 0; i < 4; ++i)
        rows << AddRow(*grid, QString::number(i));
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QList<AlbumRow *> selectedAtMenu;
    AlbumRow *focusedAtMenu = nullptr;
    QObject::connect(grid.get(), &QWidget::customContextMenuRequested, grid.get(), [&](const QPoint &at) {
        selectedAtMenu = grid->Selected();
        focusedAtMenu = grid->Focused();
        EXPECT_EQ(grid->RowAtPoint(at), rows[2]);
    });
    grid->SetSelected(rows[0], true);
    const QPoint at = CellCentre(*grid, rows[2], ColumnName);
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &menu);
    EXPECT_EQ(selectedAtMenu, (QList<AlbumRow *>{rows[2]}));
    EXPECT_EQ(focusedAtMenu, rows[2]);
}

TEST(SongGrid, GainingTheKeyboardFocusFocusesNoRow)
{
    auto grid = ShownGrid();
    AddRow(*grid, QStringLiteral("a"));
    AddRow(*grid, QStringLiteral("b"));
    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason, Qt::OtherFocusReason}) {
        grid->clearFocus();
        QFocusEvent focusIn(QEvent::FocusIn, reason);
        QApplication::sendEvent(grid.get(), &focusIn);
        EXPECT_EQ(grid->Focused(), nullptr) << reason;
    }
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(*grid, grid->RowAt(1), ColumnSize));
    EXPECT_EQ(grid->Focused(), grid->RowAt(1));
    QFocusEvent again(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(grid.get(), &again);
    EXPECT_EQ(grid->Focused(), grid->RowAt(1));
}

TEST(SongGrid, ShowsNoTooltips)
{
    auto grid = ShownGrid();
    AlbumRow *row = AddRow(*grid, QStringLiteral("a name much too long for its column, cut with dots"));
    const QPoint at = CellCentre(*grid, row, ColumnName);
    QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &help);
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_FALSE(grid->model()->data(grid->IndexOfRow(row, ColumnName), Qt::ToolTipRole).isValid());
}

TEST(SongGrid, GivesEveryRowItsOwnHeightAndScrollsIn32PixelSteps)
{
    auto grid = ShownGrid(983, 200);
    QList<AlbumRow *> rows;
    for (int i = 0; i < 30; ++i)
        rows << AddRow(*grid, QString::number(i));
    grid->SetRowHeight(rows[1], 84);
    grid->SetRowHeight(rows[2], 52);
    QApplication::processEvents();
    EXPECT_EQ(grid->visualRect(grid->IndexOfRow(rows[0])).height(), 32);
    EXPECT_EQ(grid->visualRect(grid->IndexOfRow(rows[1])).height(), 84);
    EXPECT_EQ(grid->visualRect(grid->IndexOfRow(rows[2])).height(), 52);
    EXPECT_EQ(grid->visualRect(grid->IndexOfRow(rows[3])).top(), 32 + 84 + 52);
    EXPECT_EQ(grid->verticalScrollBar()->singleStep(), 32);
}

TEST(SongGrid, HoldsRepaintsUntilTheOutermostBracketCloses)
{
    auto grid = ShownGrid();
    {
        UpdateBracket outer(*grid);
        {
            UpdateBracket inner(*grid);
            AddRow(*grid, QStringLiteral("a"));
            EXPECT_EQ(grid->UpdateDepth(), 2);
        }
        EXPECT_FALSE(grid->viewport()->updatesEnabled());
    }
    EXPECT_EQ(grid->UpdateDepth(), 0);
    EXPECT_TRUE(grid->viewport()->updatesEnabled());
    grid->EndUpdate(); // an unmatched end does nothing
    EXPECT_EQ(grid->UpdateDepth(), 0);
    EXPECT_TRUE(grid->viewport()->updatesEnabled());
}

TEST(SongGrid, ForgetsTheFocusWhenItsRowIsDeletedAndClearsAll)
{
    auto grid = ShownGrid();
    AlbumRow *a = AddRow(*grid, QStringLiteral("a"));
    AlbumRow *b = AddRow(*grid, QStringLiteral("b"));
    AddRow(*grid, QStringLiteral("c"));
    grid->SetFocused(b);
    grid->SetSelected(a, true);
    grid->DeleteSelected();
    EXPECT_EQ(grid->Focused(), b); // the focus stays on its own row
    grid->SetSelected(b, true);
    grid->DeleteSelected();
    EXPECT_EQ(grid->Focused(), nullptr);
    EXPECT_EQ(grid->Count(), 1);
    grid->DeleteAll();
    EXPECT_EQ(grid->Count(), 0);
    EXPECT_EQ(grid->Focused(), nullptr);
}

} // namespace
