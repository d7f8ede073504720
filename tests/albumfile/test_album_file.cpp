#include "support/test_folders.h"

#include "album/album_file.h"
#include "album/album_opening.h"
#include "album/default_album_icon.h"
#include "album/in_memory_album_list.h"
#include "album/move_song_row.h"
#include "build/assets.h"
#include "build/work_folder.h"
#include "intake/dropped_files.h"
#include "platform/app_error.h"
#include "platform/user_cache_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <utility>
#include <sys/resource.h>

namespace {

QString TagFixture(const char *name)
{
    return QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/") + QLatin1String(name);
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An album folder of real songs, a picture, lyrics and an icon, gathered as
// a drop, then edited and reordered as a person would.
class AlbumFileTest : public ::testing::Test
{
protected:
    AlbumFileTest()
    {
        SetUserCacheFolder(m_cache.path());
        QDir(m_root.path()).mkpath(QStringLiteral("album"));
        const std::pair<const char *, const char *> copies[] = {
            {"tagged_id3v23.mp3", "a.mp3"}, {"Song-Band.mp3", "b.mp3"}, {"tagged.m4a", "c.m4a"},
            {"apic_jpeg.mp3", "d.mp3"}, {"cover.png", "cover.png"}, {"lyrics_utf8.lrc", "words.lrc"},
            {"cover.jpg", "icon.jpg"}};
        for (const auto &[fixture, name] : copies)
            QFile::copy(TagFixture(fixture), Folder() + QLatin1String(name));
        // The default pictures of rows without one, as the build stages them.
        QDir().mkpath(m_app.file(QStringLiteral("pic")));
        for (int i = 0; i < 10; ++i)
            QFile::copy(TagFixture("cover.jpg"), m_app.file(QStringLiteral("pic/pic%1.jpg").arg(i)));
        QStringList files;
        for (const char *name : {"a.mp3", "b.mp3", "c.m4a", "d.mp3", "cover.png", "words.lrc"})
            files.append(Folder() + QLatin1String(name));
        // cover.png and words.lrc go to a.mp3, which then moves below b.mp3.
        AddDroppedFiles(m_list, files);
        m_list.Record(m_list.RowAt(1)).SongName = QStringLiteral("改过的 \"名字\"\\");
        MoveSongRow(m_list, m_list.RowAt(0), true, {});
    }
    ~AlbumFileTest() override { SetUserCacheFolder(QString()); }

    QString Folder() const { return m_root.filePath(QStringLiteral("album/")); }
    QString AlbumFile() const { return Folder() + QStringLiteral("x.pelorin"); }
    AlbumDocument Album() const
    {
        return CaptureAlbum(m_list, QStringLiteral("我的专辑"), Folder() + QStringLiteral("icon.jpg"));
    }
    QByteArray SongsJsonOf(const IAlbumList &list) const
    {
        for (const char *sub : {"assets/music", "assets/images", "assets/lrcs", "res/raw"})
            QDir().mkpath(WorkFolder(QStringLiteral("a")) + QLatin1Char('/') + QLatin1String(sub));
        EXPECT_TRUE(StageAssets(QStringLiteral("a"), list));
        return Bytes(WorkFolder(QStringLiteral("a")) + QStringLiteral("/res/raw/songs.json"));
    }

    TestAppFolder m_app;
    QTemporaryDir m_root;
    QTemporaryDir m_cache;
    InMemoryAlbumList m_list;
};

TEST_F(AlbumFileTest, RoundTripKeepsEveryRowAndBuildsTheSameSongsJson)
{
    const AlbumDocument album = Album();
    ASSERT_EQ(album.songs.size(), 4);
    EXPECT_TRUE(album.songs[3].PictureFromSong); // d.mp3 brings its own picture
    WriteAlbumFile(AlbumFile(), album);
    EXPECT_EQ(ReadAlbumFile(AlbumFile()), album);

    InMemoryAlbumList opened;
    const PlacedAlbum placed = PlaceAlbum(opened, ReadAlbumFile(AlbumFile()));
    EXPECT_TRUE(PlacedAlbumMessage(placed).isEmpty());
    EXPECT_EQ(CaptureAlbum(opened, placed.albumName, placed.albumIcon), album);
    for (AlbumRow *row = opened.First(); row; row = opened.Next(row))
        EXPECT_EQ(bool(row->Data.Thumbnail), !row->Data.PictureFile.isEmpty()) << row->Data.SourceFile.toStdString();
    EXPECT_EQ(SongsJsonOf(opened), SongsJsonOf(m_list));
}

TEST_F(AlbumFileTest, GoneFilesAreLeftOutOrFallBack)
{
    WriteAlbumFile(AlbumFile(), Album());
    const QString cached = Album().songs[3].PictureFile;
    QFile::remove(Folder() + QStringLiteral("b.mp3"));
    QFile::remove(Folder() + QStringLiteral("cover.png"));
    QFile::remove(Folder() + QStringLiteral("icon.jpg"));
    QFile::remove(cached);

    InMemoryAlbumList opened;
    const PlacedAlbum placed = PlaceAlbum(opened, ReadAlbumFile(AlbumFile()));
    EXPECT_EQ(placed.missingSongs, QStringList{Folder() + QStringLiteral("b.mp3")});
    EXPECT_EQ(placed.albumIcon, DefaultAlbumIconPath());
    const QString message = PlacedAlbumMessage(placed);
    EXPECT_TRUE(message.contains(Folder() + QStringLiteral("b.mp3"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("改用默认图标"))) << message.toStdString();
    ASSERT_EQ(opened.Count(), 3);
    // The gone picture keeps its path, so the build uses a default picture.
    EXPECT_EQ(opened.RowAt(0)->Data.PictureFile, Folder() + QStringLiteral("cover.png"));
    EXPECT_FALSE(opened.RowAt(0)->Data.Thumbnail);
    // The song's own picture is written to the cache again.
    EXPECT_EQ(opened.RowAt(2)->Data.PictureFile, cached);
    EXPECT_EQ(Bytes(cached), Bytes(TagFixture("cover.jpg")));
}

TEST(AlbumFileWrite, AFullDiskLeavesTheOldFileWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("x.pelorin"));
    AlbumDocument small;
    small.albumName = QStringLiteral("old");
    WriteAlbumFile(path, small);
    const QByteArray before = Bytes(path);

    AlbumDocument large;
    large.songs.resize(200);
    for (AlbumSong &song : large.songs) {
        song.SourceFile = QStringLiteral("/music/a.mp3");
        song.LyricsText = QString(1000, QLatin1Char('x'));
    }
    // A file size limit makes the writes fail the way a full disk does.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old;
    limit.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_THROW(WriteAlbumFile(path, large), AppError);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("x.pelorin")});
    EXPECT_THROW(WriteAlbumFile(folder.filePath(QStringLiteral("none/x.pelorin")), small), AppError);
}

} // namespace
