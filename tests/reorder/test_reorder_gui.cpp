#include "editing/window_fixture.h"

#include "album/album_globals.h"
#include "app/song_grid.h"
#include "build/album_naming.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

const QString kPhoto = QStringLiteral(PELORIN_TEST_DATA_DIR "/pictures/photo_1024x768.jpg"); // row 64 high

class ReorderTest : public WindowTest
{
protected:
    void AddABC()
    {
        for (const char *name : {"A", "B", "C"})
            AddSong(QString::fromLatin1(name));
    }
    QList<int> SelectedIndexes()
    {
        QList<int> indexes;
        for (AlbumRow *row : Grid().Selected())
            indexes.append(Grid().IndexOf(row));
        return indexes;
    }
};

TEST_F(ReorderTest, UpAndDownCarryTheSongAndTheFocus)
{
    AddABC();
    ClickCell(1, 0);

    Window().PopupMoveUp->trigger();
    EXPECT_EQ(Names(), QStringList({QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(FocusedIndex(), 0);
    EXPECT_EQ(SelectedIndexes(), QList<int>({0}));

    Window().PopupMoveDown->trigger();
    EXPECT_EQ(Names(), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(FocusedIndex(), 1);
    EXPECT_EQ(SelectedIndexes(), QList<int>({1}));
}

TEST_F(ReorderTest, LeftAndRightKeysMoveWithAnyModifier)
{
    AddABC();
    ClickCell(0, 3);
    QTest::keyClick(&Grid(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Names(), QStringList({QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C")}));
    QTest::keyClick(&Grid(), Qt::Key_Right);
    EXPECT_EQ(Names(), QStringList({QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")}));
    EXPECT_EQ(FocusedIndex(), 2);

    // Past the last row nothing changes.
    QTest::keyClick(&Grid(), Qt::Key_Right);
    EXPECT_EQ(Names(), QStringList({QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")}));
    EXPECT_EQ(FocusedIndex(), 2);

    QTest::keyClick(&Grid(), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(&Grid(), Qt::Key_Left);
    QTest::keyClick(&Grid(), Qt::Key_Left); // past the first row
    EXPECT_EQ(Names(), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(FocusedIndex(), 0);

    // Other keys stay the grid's.
    QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(FocusedIndex(), 1);
    EXPECT_EQ(Names(), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
}

TEST_F(ReorderTest, OnlyTheFocusedRowMovesWithRowsTwoAndFourSelected)
{
    for (const char *name : {"1", "2", "3", "4", "5"})
        AddSong(QString::fromLatin1(name));
    ClickCell(1, 0);
    ClickCell(3, 0, Qt::ControlModifier);
    ASSERT_EQ(SelectedIndexes(), QList<int>({1, 3}));
    ASSERT_EQ(FocusedIndex(), 3);

    Window().PopupMoveUp->trigger();

    EXPECT_EQ(Names(), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"),
                                    QStringLiteral("3"), QStringLiteral("5")}));
    EXPECT_EQ(FocusedIndex(), 2);
}

TEST_F(ReorderTest, APictureRowKeepsItsHeightAndTheThumbnailTravels)
{
    AddSong(QStringLiteral("A"), kPhoto);
    AddSong(QStringLiteral("B"));
    ClickCell(0, 0);

    Window().PopupMoveDown->trigger();

    EXPECT_EQ(Names(), QStringList({QStringLiteral("B"), QStringLiteral("A")}));
    EXPECT_EQ(Pictures(), QStringList({QString(), QStringLiteral("photo_1024x768.jpg")}));
    EXPECT_EQ(CellRect(0, 6).height(), 64);
    EXPECT_EQ(CellRect(1, 6).height(), 64);
    ASSERT_TRUE(Grid().RowAt(1)->Data.Thumbnail);
    EXPECT_EQ(Grid().RowAt(1)->Data.Thumbnail->size(), QSize(80, 60));
}

TEST_F(ReorderTest, AMovedSongWhosePictureIsGoneShowsNoOtherSongsThumbnail)
{
    QTemporaryDir folder;
    AddSong(QStringLiteral("A"), WritePicture(folder.path(), QStringLiteral("a.png"), QSize(40, 30)));
    const QString b = WritePicture(folder.path(), QStringLiteral("b.png"), QSize(30, 40));
    AddSong(QStringLiteral("B"), b);
    ASSERT_TRUE(QFile::remove(b));
    ClickCell(1, 0);

    Window().PopupMoveUp->trigger();

    EXPECT_EQ(Names(), QStringList({QStringLiteral("B"), QStringLiteral("A")}));
    EXPECT_EQ(Pictures(), QStringList({QStringLiteral("b.png"), QStringLiteral("a.png")}));
    EXPECT_FALSE(Grid().RowAt(0)->Data.Thumbnail);
    ASSERT_TRUE(Grid().RowAt(1)->Data.Thumbnail);
    EXPECT_EQ(Grid().RowAt(1)->Data.Thumbnail->size(), QSize(40, 30));
    // Row 1 shows no picture, so its picture cell offers to add one.
    ModalAnswers answers(Cancel());
    DoubleClickCell(0, 6);
    EXPECT_EQ(answers.Kinds(), QStringList{QStringLiteral("QFileDialog")});
}

TEST_F(ReorderTest, DeleteRemovesTheSelectedRowsOnly)
{
    AddABC();
    Window().SpeedButtonMusicDelClick(); // nothing selected
    EXPECT_EQ(Grid().Count(), 3);

    ClickCell(0, 0);
    ClickCell(2, 0, Qt::ControlModifier);
    Window().PopupSongDelete->trigger();
    EXPECT_EQ(Names(), QStringList({QStringLiteral("B")}));
}

TEST_F(ReorderTest, ClearAllForgetsTheAlbumNameButKeepsTheIcon)
{
    Window().AlbumName = QStringLiteral("Old album");
    AlbumIconFile = QStringLiteral(PELORIN_TEST_DATA_DIR "/pictures/rgba_96x96.png");
    AddABC();

    Window().PopupClearAll->trigger();

    EXPECT_EQ(Grid().Count(), 0);
    EXPECT_EQ(Window().AlbumName, QString());
    EXPECT_EQ(AlbumIconFile, QStringLiteral(PELORIN_TEST_DATA_DIR "/pictures/rgba_96x96.png"));
}

TEST_F(ReorderTest, BuildingAfterClearingAsksForANewName)
{
    Window().AlbumName = QStringLiteral("Old album");
    AddSong(QStringLiteral("A"));
    Window().PopupClearAll->trigger();
    AddSong(QStringLiteral("B"));

    QString caption;
    ModalAnswers answers([&](QWidget *dialog) {
        caption = dialog->windowTitle();
        Cancel()(dialog);
    });
    Window().SpeedButtonBuild->click();

    // The name dialog opened (and was cancelled): the old name was not reused.
    EXPECT_EQ(answers.Kinds(), QStringList({QStringLiteral("AlbumNameDialog")}));
    EXPECT_EQ(caption, AlbumNameCaption());
    EXPECT_EQ(Window().AlbumName, QString());
    EXPECT_EQ(Names(), QStringList({QStringLiteral("B")}));
}

} // namespace
