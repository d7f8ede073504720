#include "album/append_song_row.h"
#include "album/in_memory_album_list.h"
#include "album/move_song_row.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kPhoto = QStringLiteral(PELORIN_TEST_DATA_DIR "/pictures/photo_1024x768.jpg"); // thumbnail 80 × 60

TOrbData Song(const QString &name, const QString &picture = QString())
{
    TOrbData song;
    song.SongName = name;
    song.Singer = name + QStringLiteral(" singer");
    song.Duration = name + QStringLiteral(" duration");
    song.SizeText = name + QStringLiteral(" size");
    song.SourceFile = QStringLiteral("/music/") + name + QStringLiteral(".mp3");
    song.LyricsText = name + QStringLiteral(" lyrics\r\n");
    song.Album = name + QStringLiteral(" album");
    song.PictureFile = picture;
    return song;
}

QStringList Names(const IAlbumList &list)
{
    QStringList names;
    for (AlbumRow *row = list.First(); row; row = list.Next(row))
        names.append(list.Record(row).SongName);
    return names;
}

class MoveSongRowTest : public ::testing::Test
{
protected:
    void Fill(const QStringList &names)
    {
        for (const QString &name : names)
            AppendSongRow(m_list, nullptr, Song(name));
    }
    void Focus(int index)
    {
        m_list.SetFocused(m_list.RowAt(index));
        m_list.SetSelected(m_list.RowAt(index), true);
    }
    int FocusedIndex() const { return m_list.IndexOf(m_list.Focused()); }

    InMemoryAlbumList m_list;
};

TEST_F(MoveSongRowTest, UpThenDownTravelsWithTheFocus)
{
    Fill({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    Focus(1);

    MoveSongRow(m_list, m_list.Focused(), false);
    EXPECT_EQ(Names(m_list), QStringList({QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(FocusedIndex(), 0);

    MoveSongRow(m_list, m_list.Focused(), true);
    EXPECT_EQ(Names(m_list), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(FocusedIndex(), 1);
    EXPECT_EQ(m_list.Selected(), QList<AlbumRow *>({m_list.RowAt(1)}));
}

struct EndCase
{
    const char *name;
    int focused;
    bool down;
};

class MoveSongRowEnds : public MoveSongRowTest, public ::testing::WithParamInterface<EndCase>
{
};

TEST_P(MoveSongRowEnds, PastEitherEndChangesNothing)
{
    Fill({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    Focus(GetParam().focused);
    const int repaints = m_list.RepaintCount();
    bool keySent = false;

    MoveSongRow(m_list, m_list.Focused(), GetParam().down, [&](bool) { keySent = true; });

    EXPECT_EQ(Names(m_list), QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(FocusedIndex(), GetParam().focused);
    EXPECT_FALSE(keySent);
    EXPECT_EQ(m_list.RepaintCount(), repaints);
}

INSTANTIATE_TEST_SUITE_P(Ends, MoveSongRowEnds,
                         ::testing::Values(EndCase{"FirstUp", 0, false}, EndCase{"LastDown", 2, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MoveSongRowTest, NoRowDoesNothing)
{
    Fill({QStringLiteral("A")});
    bool keySent = false;
    MoveSongRow(m_list, nullptr, true, [&](bool) { keySent = true; });
    EXPECT_FALSE(keySent);
    MoveSongRow(m_list, nullptr, false);
    EXPECT_EQ(Names(m_list), QStringList({QStringLiteral("A")}));
}


TEST_F(MoveSongRowTest, EveryFieldTravelsAndTheKeyFollowsTheUpdate)
{
    AppendSongRow(m_list, nullptr, Song(QStringLiteral("A"), kPhoto));
    AppendSongRow(m_list, nullptr, Song(QStringLiteral("B")));
    AlbumRow *first = m_list.RowAt(0);
    bool keyDown = false;
    int depthAtKey = -1;

    MoveSongRow(m_list, first, true, [&](bool down) {
        keyDown = down;
        depthAtKey = m_list.UpdateDepth();
    });

    EXPECT_TRUE(keyDown);
    EXPECT_EQ(depthAtKey, 0);
    const TOrbData expectedA = Song(QStringLiteral("A"), kPhoto);
    const TOrbData expectedB = Song(QStringLiteral("B"));
    const TOrbData &second = m_list.Record(m_list.RowAt(1));
    const TOrbData &top = m_list.Record(m_list.RowAt(0));
    for (const auto &[moved, expected] : {std::pair{&second, &expectedA}, std::pair{&top, &expectedB}}) {
        EXPECT_EQ(moved->SongName, expected->SongName);
        EXPECT_EQ(moved->Singer, expected->Singer);
        EXPECT_EQ(moved->Duration, expected->Duration);
        EXPECT_EQ(moved->SizeText, expected->SizeText);
        EXPECT_EQ(moved->SourceFile, expected->SourceFile);
        EXPECT_EQ(moved->LyricsText, expected->LyricsText);
        EXPECT_EQ(moved->Album, expected->Album);
        EXPECT_EQ(moved->PictureFile, expected->PictureFile);
    }
}


TEST_F(MoveSongRowTest, PictureDeletedFromDiskMovesWithoutAFreshThumbnail)
{
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("a.jpg"));
    ASSERT_TRUE(QFile::copy(kPhoto, picture));
    AppendSongRow(m_list, nullptr, Song(QStringLiteral("A"), picture));
    AppendSongRow(m_list, nullptr, Song(QStringLiteral("B")));
    ASSERT_TRUE(QFile::remove(picture));

    MoveSongRow(m_list, m_list.RowAt(0), true);

    const AlbumRow *second = m_list.RowAt(1);
    EXPECT_EQ(second->Data.SongName, QStringLiteral("A"));
    EXPECT_EQ(second->Data.PictureFile, picture);
    EXPECT_FALSE(second->Data.Thumbnail);
    EXPECT_EQ(second->Height, 32);
    EXPECT_EQ(m_list.RowAt(0)->Height, 64);
}

} // namespace
