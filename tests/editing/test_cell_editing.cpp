#include "album/append_song_row.h"
#include "album/cell_editing.h"
#include "album/in_memory_album_list.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

// The window side of editing, behaving as the Qt box does: setting its text
// counts as a change, hiding the focused box takes its focus away.
class RecordingHost : public ICellEditorHost
{
public:
    explicit RecordingHost(const IAlbumList &list) : m_list(list) {}
    TCellEditing *editing = nullptr;

    int ColumnWidth(int column) const override { return 100 + column; }
    QRect CellTextRect(AlbumRow *row, int column) const override
    {
        int top = 0;
        for (AlbumRow *r = m_list.First(); r && r != row; r = m_list.Next(r))
            top += r->Height;
        return QRect(column * 100 + 4, top, 90, row->Height);
    }
    void ScrollIntoView(AlbumRow *row) override { scrolledTo = row; }
    void SetBoxText(const QString &value) override
    {
        text = value;
        editing->BoxChange();
    }
    QString BoxText() const override { return text; }
    void SetBoxPosition(int x, int y) override { position = QPoint(x, y); }
    void SetBoxWidth(int value) override { width = value; }
    void ShowBox() override
    {
        if (!visible) {
            visible = true;
            editing->BoxEnter();
        }
    }
    void HideBox() override
    {
        if (visible) {
            visible = false;
            editing->BoxExit();
        }
    }
    void Beep() override { ++beeps; }

    void Type(const QString &value)
    {
        text = value;
        editing->BoxChange();
    }

    QString text;
    QPoint position;
    int width = 0;
    bool visible = false;
    int beeps = 0;
    AlbumRow *scrolledTo = nullptr;

private:
    const IAlbumList &m_list;
};

class CellEditingTest : public ::testing::Test
{
protected:
    CellEditingTest()
    {
        m_host.editing = &m_editing;
        for (const char *name : {"one", "two", "three"}) {
            TOrbData song;
            song.SongName = QString::fromLatin1(name);
            song.Singer = QString::fromLatin1(name).toUpper();
            song.SourceFile = QStringLiteral("/music/%1.mp3").arg(QString::fromLatin1(name));
            AppendSongRow(m_list, nullptr, song);
        }
    }

    void Open(int row, int column)
    {
        m_editing.MouseDown(false);
        m_editing.NodeClick(m_list.RowAt(row), column);
    }
    int Row() const { return m_list.IndexOf(m_editing.EditNode); }
    const TOrbData &Record(int row) const { return m_list.RowAt(row)->Data; }

    InMemoryAlbumList m_list;
    RecordingHost m_host{m_list};
    bool m_windowEditing = false;
    TCellEditing m_editing{m_list, m_host, m_windowEditing};
};

TEST_F(CellEditingTest, ClickOnATitleOpensTheBoxWithTheTitle)
{
    Open(2, SongNameColumn);
    EXPECT_TRUE(m_host.visible);
    EXPECT_TRUE(m_windowEditing);
    EXPECT_EQ(m_host.text, QStringLiteral("three"));
    EXPECT_EQ(m_host.width, 101 - 5);
    EXPECT_EQ(m_host.position, QPoint(104, 64 + 30));
    EXPECT_FALSE(m_editing.EditChanged); // placing the text is no change
}

TEST_F(CellEditingTest, RightClicksAndOtherColumnsOpenNothing)
{
    m_editing.MouseDown(true);
    m_editing.NodeClick(m_list.RowAt(0), SongNameColumn);
    EXPECT_FALSE(m_host.visible);
    for (int column : {0, 3, 5, 6, 7}) {
        Open(0, column);
        EXPECT_FALSE(m_host.visible) << column;
    }
}

struct KeyCase
{
    const char *name;
    int row;
    int column;
    CellEditKey key;
    int expectedRow;   // -1: the box is closed
    int expectedColumn;
    int beeps;
};

class CellEditingKeys : public CellEditingTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(CellEditingKeys, MoveTheBoxLikeASpreadsheet)
{
    const KeyCase &c = GetParam();
    Open(c.row, c.column);
    m_editing.BoxKeyDown(c.key);
    EXPECT_EQ(m_host.beeps, c.beeps);
    if (c.expectedRow < 0) {
        EXPECT_FALSE(m_host.visible);
        EXPECT_FALSE(m_windowEditing);
        return;
    }
    EXPECT_TRUE(m_host.visible);
    EXPECT_TRUE(m_windowEditing);
    EXPECT_EQ(Row(), c.expectedRow);
    EXPECT_EQ(m_editing.EditColumn, c.expectedColumn);
    const TOrbData &record = Record(c.expectedRow);
    EXPECT_EQ(m_host.text, c.expectedColumn == SongNameColumn ? record.SongName : record.Singer);
    if (c.expectedRow != c.row) {
        EXPECT_EQ(m_host.scrolledTo, m_list.RowAt(c.expectedRow));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CellEditingKeys,
    ::testing::Values(
        KeyCase{"EnterTitleToSinger", 1, 1, CellEditKey::Enter, 1, 2, 0},
        KeyCase{"EnterSingerToNextTitle", 1, 2, CellEditKey::Enter, 2, 1, 0},
        KeyCase{"EnterOffTheEndCloses", 2, 2, CellEditKey::Enter, -1, 0, 0},
        KeyCase{"TabTitleToSinger", 0, 1, CellEditKey::Tab, 0, 2, 0},
        KeyCase{"TabOffTheEndCloses", 2, 2, CellEditKey::Tab, -1, 0, 0},
        KeyCase{"ShiftTabSingerToTitle", 1, 2, CellEditKey::ShiftTab, 1, 1, 0},
        KeyCase{"ShiftTabTitleToPreviousSinger", 1, 1, CellEditKey::ShiftTab, 0, 2, 0},
        KeyCase{"ShiftTabOffTheStartCloses", 0, 1, CellEditKey::ShiftTab, -1, 0, 0},
        KeyCase{"DownKeepsTheColumn", 0, 2, CellEditKey::Down, 1, 2, 0},
        KeyCase{"UpKeepsTheColumn", 2, 1, CellEditKey::Up, 1, 1, 0},
        KeyCase{"DownOffTheEndBeeps", 2, 1, CellEditKey::Down, 2, 1, 1},
        KeyCase{"UpOffTheStartBeeps", 0, 2, CellEditKey::Up, 0, 2, 1},
        KeyCase{"EscapeCloses", 1, 1, CellEditKey::Escape, -1, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });




TEST_F(CellEditingTest, LosingTheFocusCommitsAChangedText)
{
    Open(0, SingerColumn);
    m_host.Type(QString());
    m_host.HideBox(); // the focus went elsewhere
    EXPECT_EQ(Record(0).Singer, QString()); // stored exactly, also empty
    EXPECT_FALSE(m_windowEditing);

    Open(1, SingerColumn);
    m_host.HideBox();
    EXPECT_EQ(Record(1).Singer, QStringLiteral("TWO"));
}


struct OffsetCase
{
    const char *picture;
    int rowHeight;
    int offset;
};

class CellEditingOffsets : public CellEditingTest, public ::testing::WithParamInterface<OffsetCase>
{
};

TEST_P(CellEditingOffsets, TheBoxSitsAboutInTheRowsMiddle)
{
    TOrbData song;
    song.SongName = QStringLiteral("pictured");
    song.SourceFile = QStringLiteral("/music/p.mp3");
    if (*GetParam().picture)
        song.PictureFile = QStringLiteral(PELORIN_TEST_DATA_DIR "/pictures/") + QString::fromLatin1(GetParam().picture);
    AlbumRow *row = AppendSongRow(m_list, nullptr, song);
    ASSERT_EQ(row->Height, GetParam().rowHeight);

    Open(3, SongNameColumn);
    EXPECT_EQ(m_host.position.y(), 3 * 32 + GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(Offsets, CellEditingOffsets,
                         ::testing::Values(OffsetCase{"portrait_600x900.png", 84, 56},
                                           OffsetCase{"photo_1024x768.jpg", 64, 46},
                                           OffsetCase{"wide_100x20.gif", 32, 30},
                                           OffsetCase{"", 32, 30}));


TEST_F(CellEditingTest, ARemovedRowIsNeverWrittenTo)
{
    Open(1, SongNameColumn);
    m_host.Type(QStringLiteral("late"));
    AlbumRow *doomed = m_list.RowAt(1);
    m_list.SetSelected(doomed, true);
    m_editing.RowRemoving(doomed);
    m_list.DeleteSelected();

    EXPECT_FALSE(m_host.visible);
    EXPECT_FALSE(m_windowEditing);
    EXPECT_EQ(m_editing.EditNode, nullptr);
    m_editing.CommitCellEdit();
    m_editing.BoxKeyDown(CellEditKey::Down);
    EXPECT_EQ(Record(0).SongName, QStringLiteral("one"));
    EXPECT_EQ(Record(1).SongName, QStringLiteral("three"));
}

TEST_F(CellEditingTest, CommitChecksTheRowIsStillListed)
{
    Open(2, SongNameColumn);
    m_host.Type(QStringLiteral("late"));
    m_list.DeleteAll(); // without the notice
    m_editing.CommitCellEdit();
    EXPECT_EQ(m_list.Count(), 0);
}


} // namespace
