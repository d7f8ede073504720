#include "editing/window_fixture.h"

#include "app/cell_editor.h"
#include "app/song_grid.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

namespace {

const QString kPortrait = QStringLiteral(PELORIN_TEST_DATA_DIR "/pictures/portrait_600x900.png"); // row 84 high

class EditGridTest : public WindowTest
{
protected:
    EditGridTest()
    {
        for (const char *name : {"one", "two", "three"})
            AddSong(QString::fromLatin1(name));
    }

    QLineEdit &Box() { return *Window().EditGrid; }
    TCellEditing &State() { return Window().CellEditor->State(); }
    int EditRow() { return Grid().IndexOf(State().EditNode); }
    const TOrbData &Record(int row) { return Grid().RowAt(row)->Data; }
    bool BoxOpen() { return Box().isVisible() && Box().hasFocus() && Window().Editing; }

    void Type(const QString &text)
    {
        Box().selectAll();
        QTest::keyClicks(&Box(), text);
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&Box(), key, modifiers);
    }
};

TEST_F(EditGridTest, EnterCommitsTheTitleAndMovesToThePerformer)
{
    ClickCell(2, 1);
    ASSERT_TRUE(BoxOpen());
    EXPECT_EQ(Box().text(), QStringLiteral("three"));

    Type(QStringLiteral("Rock & Roll"));
    Press(Qt::Key_Return);

    EXPECT_EQ(Record(2).SongName, QStringLiteral("Rock & Roll"));
    EXPECT_EQ(Grid().model()->index(2, 1).data().toString(), QStringLiteral("Rock & Roll"));
    EXPECT_TRUE(BoxOpen());
    EXPECT_EQ(EditRow(), 2);
    EXPECT_EQ(State().EditColumn, 2);
    EXPECT_EQ(Box().text(), QStringLiteral("three singer"));
}

TEST_F(EditGridTest, TabWalksTheCellsAndRunsOffTheEnd)
{
    ClickCell(1, 2);
    Type(QStringLiteral("second singer"));
    Press(Qt::Key_Tab);
    EXPECT_TRUE(BoxOpen()); // Tab did not move the focus to another control
    EXPECT_EQ(EditRow(), 2);
    EXPECT_EQ(State().EditColumn, 1);
    EXPECT_EQ(Record(1).Singer, QStringLiteral("second singer"));

    Press(Qt::Key_Tab);
    EXPECT_EQ(State().EditColumn, 2);
    Type(QStringLiteral("last singer"));
    Press(Qt::Key_Tab);
    EXPECT_FALSE(Box().isVisible());
    EXPECT_FALSE(Window().Editing);
    EXPECT_EQ(Record(2).Singer, QStringLiteral("last singer"));
}

TEST_F(EditGridTest, EnterOnTheLastPerformerCloses)
{
    ClickCell(2, 2);
    Press(Qt::Key_Enter);
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(Record(2).Singer, QStringLiteral("three singer"));
}

TEST_F(EditGridTest, ShiftTabWalksBackAndRunsOffTheStart)
{
    ClickCell(1, 1);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(BoxOpen());
    EXPECT_EQ(EditRow(), 0);
    EXPECT_EQ(State().EditColumn, 2);

    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(State().EditColumn, 1);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(Box().isVisible());
    EXPECT_FALSE(Window().Editing);
}

TEST_F(EditGridTest, ArrowsBeepAtBothEndsAndKeepTheBox)
{
    ClickCell(0, 2);
    Press(Qt::Key_Up);
    EXPECT_EQ(Window().CellEditor->BeepCount(), 1);
    EXPECT_TRUE(BoxOpen());
    EXPECT_EQ(EditRow(), 0);

    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(EditRow(), 2);
    EXPECT_EQ(State().EditColumn, 2);
    Press(Qt::Key_Down);
    EXPECT_EQ(Window().CellEditor->BeepCount(), 2);
    EXPECT_TRUE(BoxOpen());
    EXPECT_EQ(EditRow(), 2);
}

TEST_F(EditGridTest, EscapeDropsOnlyTheUncommittedText)
{
    ClickCell(1, 1);
    Type(QStringLiteral("kept"));
    Press(Qt::Key_Up);
    Type(QStringLiteral("dropped"));
    Press(Qt::Key_Escape);

    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(Record(1).SongName, QStringLiteral("kept"));
    EXPECT_EQ(Record(0).SongName, QStringLiteral("one"));
}

TEST_F(EditGridTest, AnEmptiedTitleIsStored)
{
    ClickCell(0, 1);
    Box().clear();
    Press(Qt::Key_Return);
    EXPECT_EQ(Record(0).SongName, QString());
}

TEST_F(EditGridTest, ClickingElsewhereCommitsAndOpensTheOtherCell)
{
    ClickCell(0, 1);
    Type(QStringLiteral("changed"));
    ClickCell(2, 2);
    EXPECT_EQ(Record(0).SongName, QStringLiteral("changed"));
    EXPECT_TRUE(BoxOpen());
    EXPECT_EQ(EditRow(), 2);
    EXPECT_EQ(Box().text(), QStringLiteral("three singer"));

    ClickCell(1, 4); // a column that cannot be edited
    EXPECT_FALSE(Box().isVisible());
    EXPECT_TRUE(Grid().hasFocus());
}

TEST_F(EditGridTest, RightClickDoesNotOpenTheEditor)
{
    QTest::mousePress(Grid().viewport(), Qt::RightButton, Qt::NoModifier, CellRect(1, 1).center());
    QTest::mouseRelease(Grid().viewport(), Qt::RightButton, Qt::NoModifier, CellRect(1, 1).center());
    Window().PopupMenuMusic->hide();
    EXPECT_FALSE(Box().isVisible());
}

TEST_F(EditGridTest, TheBoxSitsOverTheRowAndFollowsItsColumnWidth)
{
    AddSong(QStringLiteral("pictured"), kPortrait);
    ASSERT_EQ(Grid().RowAt(3)->Height, 84);
    ASSERT_EQ(CellRect(3, 1).height(), 84);

    ClickCell(3, 1);
    EXPECT_EQ(Box().y() - CellRect(3, 1).top(), 56);
    EXPECT_EQ(Box().width(), 160 - 5);
    EXPECT_EQ(Box().height(), 21);

    Press(Qt::Key_Up);
    EXPECT_EQ(Box().y() - CellRect(2, 1).top(), 30);

    Grid().header()->resizeSection(1, 230);
    EXPECT_EQ(Box().width(), 230 - 5);
}


TEST_F(EditGridTest, MovingOffScreenScrollsTheRowIntoView)
{
    for (int i = 0; i < 40; ++i)
        AddSong(QStringLiteral("extra %1").arg(i));
    ClickCell(0, 1);
    for (int i = 0; i < 30; ++i)
        Press(Qt::Key_Down);
    const QRect cell = CellRect(30, 1);
    EXPECT_GE(cell.top(), 0);
    EXPECT_LE(cell.bottom(), Grid().viewport()->height());
    EXPECT_EQ(cell.bottom(), Grid().viewport()->height() - 1); // just enough, no centring
    EXPECT_EQ(Grid().horizontalScrollBar()->value(), 0);
}

TEST_F(EditGridTest, DeletingTheEditedRowFromTheMenuClosesTheBoxAndDropsTheEdit)
{
    ClickCell(1, 1);
    Type(QStringLiteral("never written"));
    // The main menu's delete leaves the focus in the box.
    Grid().SetSelected(Grid().RowAt(1), true);
    Window().MenuSongDelete->trigger();

    EXPECT_FALSE(Box().isVisible());
    EXPECT_FALSE(Window().Editing);
    EXPECT_EQ(Names(), QStringList({QStringLiteral("one"), QStringLiteral("three")}));
    EXPECT_EQ(Record(0).SongName, QStringLiteral("one"));
    EXPECT_EQ(Record(1).SongName, QStringLiteral("three"));
}

TEST_F(EditGridTest, DeletingOtherRowsKeepsTheEdit)
{
    ClickCell(2, 1);
    Type(QStringLiteral("still edited"));
    Grid().SetSelected(Grid().RowAt(2), false);
    Grid().SetSelected(Grid().RowAt(0), true);
    Window().MenuSongDelete->trigger();
    EXPECT_TRUE(BoxOpen());
    Press(Qt::Key_Return);
    EXPECT_EQ(Names(), QStringList({QStringLiteral("two"), QStringLiteral("still edited")}));
}

TEST_F(EditGridTest, ClearingTheListWhileEditingWritesNothing)
{
    ClickCell(0, 2);
    Type(QStringLiteral("gone"));
    Window().PopupClearAll->trigger();
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(Grid().Count(), 0);
    AddSong(QStringLiteral("fresh"));
    EXPECT_EQ(Record(0).Singer, QStringLiteral("fresh singer"));
}

} // namespace
