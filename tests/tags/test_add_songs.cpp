#include "tag_fixtures.h"

#include "album/in_memory_album_list.h"
#include "intake/add_songs.h"
#include "platform/app_error.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Records the update depth at which every row is inserted.
class DepthProbeList : public InMemoryAlbumList
{
public:
    AlbumRow *InsertAfter(AlbumRow *anchor) override
    {
        insertDepths.append(UpdateDepth());
        return InMemoryAlbumList::InsertAfter(anchor);
    }
    QList<int> insertDepths;
};

class AddSongs : public ::testing::Test
{
protected:
    QString Copy(const char *fixture, const QString &name)
    {
        const QString path = CopyFixture(fixture, m_dir.path(), name);
        EXPECT_FALSE(path.isEmpty()) << fixture;
        return path;
    }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    // A file that exists and looks like a file, but whose reading fails
    // whoever runs the test (root included): the kernel refuses to read
    // address 0 of the process's own memory.
    QString Unreadable(const QString &name)
    {
        const QString path = Path(name);
        EXPECT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), path));
        return path;
    }

    QStringList Names(const IAlbumList &list) const
    {
        QStringList names;
        for (AlbumRow *row = list.First(); row; row = list.Next(row))
            names << list.Record(row).SongName;
        return names;
    }

    QTemporaryDir m_dir;
    DepthProbeList m_list;
};

TEST_F(AddSongs, FillsTheRecordFromTagsAndCompanionFiles)
{
    ScopedLocale chinese(QStringLiteral("zh_CN.UTF-8"));
    QStringList paths{Copy("tagged_id3v23.mp3", QStringLiteral("x.mp3"))};
    Copy("cover.jpg", QStringLiteral("x.jpg"));
    Copy("cover.png", QStringLiteral("x.png"));
    Copy("lyrics_gbk.txt", QStringLiteral("x.txt"));
    Copy("lyrics_utf8.lrc", QStringLiteral("x.lrc"));
    AddSongFiles(m_list, paths);

    ASSERT_EQ(m_list.Count(), 1);
    AlbumRow *row = m_list.First();
    const TOrbData &song = m_list.Record(row);
    EXPECT_EQ(song.SongName, QStringLiteral("春天的故事"));
    EXPECT_EQ(song.Singer, QStringLiteral("董文华"));
    EXPECT_EQ(song.Album, QStringLiteral("中国名歌"));
    EXPECT_EQ(song.Duration, QStringLiteral("1秒"));
    EXPECT_EQ(song.SizeText, QStringLiteral("1K"));
    EXPECT_EQ(song.SourceFile, Path(QStringLiteral("x.mp3")));
    EXPECT_EQ(song.PictureFile, Path(QStringLiteral("x.jpg")));
    ASSERT_TRUE(song.Thumbnail);
    EXPECT_EQ(song.Thumbnail->size(), QSize(80, 48));
    EXPECT_EQ(row->Height, 52);
    // GBK text from .txt (it wins over .lrc), blank lines at both ends gone.
    EXPECT_EQ(song.LyricsText, QStringLiteral("[00:01.00]第一行歌词\r\n[00:02.00]第二行歌词"));
    EXPECT_TRUE(song.Reserved1.isEmpty());
}

TEST_F(AddSongs, ReadsUtf8LyricsAndLeavesMissingCompanionsEmpty)
{
    QStringList paths{Copy("tagged.m4a", QStringLiteral("y.m4a")),
                      Copy("adts_id3.aac", QStringLiteral("z.aac"))};
    Copy("lyrics_utf8.lrc", QStringLiteral("y.lrc"));
    QFile(Path(QStringLiteral("z.txt"))).open(QIODevice::WriteOnly); // empty lyrics
    AddSongFiles(m_list, paths);
    ASSERT_EQ(m_list.Count(), 2);
    const TOrbData &m4a = m_list.Record(m_list.First());
    EXPECT_EQ(m4a.SongName, QStringLiteral("夜来香"));
    EXPECT_EQ(m4a.LyricsText, QStringLiteral("[00:01.00]第一行歌词\r\n[00:02.00]第二行歌词"));
    EXPECT_TRUE(m4a.PictureFile.isEmpty());
    EXPECT_FALSE(m4a.Thumbnail);
    const TOrbData &aac = m_list.Record(m_list.RowAt(1));
    EXPECT_EQ(aac.SongName, QStringLiteral("甜蜜蜜"));
    EXPECT_EQ(aac.Duration, QStringLiteral("1秒"));
    EXPECT_EQ(aac.SizeText, QStringLiteral("3K"));
    EXPECT_TRUE(aac.LyricsText.isEmpty());
}

struct FallbackCase
{
    const char *fixture;
    const char *name;
    const char *title;
    const char *singer;
    const char *duration;
};

void PrintTo(const FallbackCase &c, std::ostream *out)
{
    *out << c.name;
}

class AddsSongWithFallbacks : public AddSongs, public ::testing::WithParamInterface<FallbackCase>
{
};

TEST_P(AddsSongWithFallbacks, FromTheFileName)
{
    const FallbackCase &c = GetParam();
    AddSongFile(m_list, Copy(c.fixture, QString::fromUtf8(c.name)));
    ASSERT_EQ(m_list.Count(), 1);
    const TOrbData &song = m_list.Record(m_list.First());
    EXPECT_EQ(song.SongName, QString::fromUtf8(c.title));
    EXPECT_EQ(song.Singer, QString::fromUtf8(c.singer));
    EXPECT_EQ(song.Duration, QString::fromUtf8(c.duration));
}

INSTANTIATE_TEST_SUITE_P(
    Files, AddsSongWithFallbacks,
    ::testing::Values(FallbackCase{"Song-Band.mp3", "Song-Band.mp3", "Song", "Band", "1秒"},
                      FallbackCase{"untagged.mp3", "untagged.mp3", "", "untagged", "1秒"},
                      FallbackCase{"Ignored-Fallback.mp3", "Ignored-Fallback.mp3", "Tagged Title",
                                   "Fallback", "1秒"},
                      FallbackCase{"len_0.9s.m4a", "short.M4A", "", "short", ""},
                      FallbackCase{"len_59.99s.m4a", "long.m4a", "", "long", "59秒"},
                      FallbackCase{"truncated.m4a", "cut-off.m4a", "夜来香", "李香兰", "1秒"},
                      FallbackCase{"loop.m4a", "loop-atoms.m4a", "loop", "atoms", ""}));

TEST_F(AddSongs, AddsFilesItCannotReadWithWhatItKnows)
{
    QFile(Path(QStringLiteral("zero.aac"))).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("album.mp3")));
    QStringList paths{Path(QStringLiteral("zero.aac")), Path(QStringLiteral("album.mp3")),
                      Path(QStringLiteral("gone-missing.mp3"))};
    AddSongFiles(m_list, paths);
    ASSERT_EQ(m_list.Count(), 3);
    const QStringList singers{QStringLiteral("album"), QStringLiteral("missing"), QStringLiteral("zero")};
    for (int i = 0; i < 3; ++i) {
        const TOrbData &song = m_list.Record(m_list.RowAt(i));
        EXPECT_EQ(song.Singer, singers[i]);
        EXPECT_TRUE(song.Album.isEmpty());
        EXPECT_TRUE(song.Duration.isEmpty());
        EXPECT_EQ(song.SizeText, QStringLiteral("0B"));
    }
    EXPECT_EQ(m_list.Record(m_list.RowAt(1)).SongName, QStringLiteral("gone"));
}

TEST_F(AddSongs, SkipsFilesThatAreNotSongs)
{
    QStringList paths;
    for (const char *name : {"a.wav", "a.flac", "noextension", "x.mp3.txt", "cover.jpg"})
        paths << Copy("untagged.mp3", QString::fromLatin1(name));
    paths << Copy("untagged.mp3", QStringLiteral("A.MP3"));
    AddSongFiles(m_list, paths);
    ASSERT_EQ(m_list.Count(), 1);
    EXPECT_EQ(m_list.Record(m_list.First()).Singer, QStringLiteral("A"));
}

TEST_F(AddSongs, AddsTheSameFileTwice)
{
    const QString path = Copy("tagged_id3v24.mp3", QStringLiteral("twice.mp3"));
    QStringList paths{path, path};
    AddSongFiles(m_list, paths);
    ASSERT_EQ(m_list.Count(), 2);
    EXPECT_EQ(m_list.Record(m_list.RowAt(0)).SongName, m_list.Record(m_list.RowAt(1)).SongName);
    EXPECT_EQ(m_list.Record(m_list.RowAt(0)).SourceFile, m_list.Record(m_list.RowAt(1)).SourceFile);
}

TEST_F(AddSongs, ReadsPathsWithSpacesQuotesAndChinese)
{
    const QString name = QStringLiteral("我的 \"最爱\" 'x'-歌手 甲.mp3");
    QStringList paths{Copy("untagged.mp3", name)};
    Copy("cover.png", QStringLiteral("我的 \"最爱\" 'x'-歌手 甲.png"));
    AddSongFiles(m_list, paths);
    ASSERT_EQ(m_list.Count(), 1);
    const TOrbData &song = m_list.Record(m_list.First());
    EXPECT_EQ(song.SongName, QStringLiteral("我的 \"最爱\" 'x'"));
    EXPECT_EQ(song.Singer, QStringLiteral("歌手 甲"));
    EXPECT_EQ(song.SourceFile, Path(name));
    EXPECT_TRUE(song.Thumbnail);
}

TEST_F(AddSongs, AppendsABatchSortedAtTheEndWithoutFocus)
{
    m_list.InsertAfter(nullptr);
    m_list.Record(m_list.First()).SongName = QStringLiteral("old");
    QStringList paths{Copy("untagged.mp3", QStringLiteral("c-c.mp3")),
                      Copy("untagged.mp3", QStringLiteral("a-a.mp3")),
                      Copy("untagged.mp3", QStringLiteral("B-B.mp3"))};
    AddSongFiles(m_list, paths);
    EXPECT_EQ(Names(m_list), (QStringList{QStringLiteral("old"), QStringLiteral("a"),
                                          QStringLiteral("B"), QStringLiteral("c")}));
    // The list is sorted in place.
    EXPECT_EQ(paths, (QStringList{Path(QStringLiteral("a-a.mp3")), Path(QStringLiteral("B-B.mp3")),
                                  Path(QStringLiteral("c-c.mp3"))}));
    EXPECT_EQ(m_list.Focused(), nullptr);
}

TEST_F(AddSongs, PutsABatchReversedAfterTheFocusedRow)
{
    for (const char *name : {"F", "G"}) {
        AlbumRow *row = m_list.InsertAfter(nullptr);
        m_list.Record(row).SongName = QString::fromLatin1(name);
    }
    AlbumRow *focused = m_list.First();
    m_list.SetFocused(focused);
    m_list.SetSelected(m_list.RowAt(1), true);
    QStringList paths{Copy("untagged.mp3", QStringLiteral("a-a.mp3")),
                      Copy("untagged.mp3", QStringLiteral("b-b.mp3")),
                      Copy("untagged.mp3", QStringLiteral("c-c.mp3"))};
    AddSongFiles(m_list, paths);
    EXPECT_EQ(Names(m_list), (QStringList{QStringLiteral("F"), QStringLiteral("c"), QStringLiteral("b"),
                                          QStringLiteral("a"), QStringLiteral("G")}));
    EXPECT_EQ(m_list.Focused(), focused);
    ASSERT_EQ(m_list.SelectedCount(), 1);
    EXPECT_EQ(m_list.Record(m_list.Selected().first()).SongName, QStringLiteral("G"));
}

TEST_F(AddSongs, AnUnreadableLyricsFileEndsTheBatchAndKeepsEarlierSongs)
{
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        const QString stem = QStringLiteral("s%1-x").arg(i, 2, 10, QLatin1Char('0'));
        paths << Copy("untagged.mp3", stem + QStringLiteral(".mp3"));
        Copy("cover.jpg", stem + QStringLiteral(".jpg"));
        Copy("lyrics_utf8.lrc", stem + QStringLiteral(".lrc"));
    }
    const QString bad = Unreadable(QStringLiteral("s25-x.txt"));
    std::reverse(paths.begin(), paths.end());

    QString message;
    try {
        UpdateBracket outer(m_list);
        AddSongFiles(m_list, paths);
        FAIL() << "the batch did not stop";
    } catch (const AppError &error) {
        message = error.message();
    }
    EXPECT_TRUE(message.startsWith(QStringLiteral("Cannot open file \"") + bad + QStringLiteral("\". ")))
        << message.toStdString();
    ASSERT_EQ(m_list.Count(), 25);
    for (int i = 0; i < 25; ++i) {
        const TOrbData &song = m_list.Record(m_list.RowAt(i));
        EXPECT_EQ(song.SongName, QStringLiteral("s%1").arg(i, 2, 10, QLatin1Char('0')));
        EXPECT_TRUE(song.Thumbnail);
        EXPECT_FALSE(song.LyricsText.isEmpty());
    }
    // Both brackets closed; the rows were inserted inside both of them.
    EXPECT_EQ(m_list.UpdateDepth(), 0);
    EXPECT_EQ(m_list.RepaintCount(), 1);
    for (int depth : m_list.insertDepths)
        EXPECT_EQ(depth, 2);
}

} // namespace
