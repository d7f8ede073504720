#include "support/test_folders.h"

#include "intake/attach_files.h"
#include "intake/dropped_files.h"

#include "album/in_memory_album_list.h"
#include "platform/app_error.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QString kSongs = QStringLiteral(PELORIN_TEST_DATA_DIR "/build/songs/");

class AttachFilesTest : public ::testing::Test
{
protected:
    QString Path(const QString &name) const { return folder.filePath(name); }
    QString Picture(const QString &name) const
    {
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::blue);
        image.save(Path(name));
        return Path(name);
    }
    QString Lyrics(const QString &name, const QByteArray &bytes) const
    {
        QFile file(Path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return Path(name);
    }
    // Rows 1..count; the rows listed in `withPicture` (1-based) have one.
    void Rows(int count, std::initializer_list<int> withPicture = {})
    {
        for (int i = 1; i <= count; ++i) {
            TOrbData &song = list.Record(list.InsertAfter(nullptr));
            song.SourceFile = Path(QStringLiteral("s%1.mp3").arg(i));
            for (int n : withPicture) {
                if (n == i)
                    song.PictureFile = QStringLiteral("/old/picture.jpg");
            }
        }
    }
    QString PictureOf(int row) const { return QFileInfo(list.Record(list.RowAt(row - 1)).PictureFile).fileName(); }
    QString LyricsOf(int row) const { return list.Record(list.RowAt(row - 1)).LyricsText; }

    QTemporaryDir folder;
    InMemoryAlbumList list;
};

TEST_F(AttachFilesTest, PicturesFillFreeRowsFromTheFocusedRow)
{
    for (bool focused : {true, false}) {
        list.DeleteAll();
        Rows(5, {1, 3});
        if (focused)
            list.SetFocused(list.RowAt(0));
        AttachPictures(list, {Picture(QStringLiteral("c.png")), Picture(QStringLiteral("A.png")),
                              Picture(QStringLiteral("b.png"))});
        EXPECT_EQ(PictureOf(2), QStringLiteral("A.png"));
        EXPECT_EQ(PictureOf(4), QStringLiteral("b.png"));
        EXPECT_EQ(PictureOf(5), QStringLiteral("c.png"));
        EXPECT_NE(list.Record(list.RowAt(1)).Thumbnail, nullptr);
    }
}

TEST_F(AttachFilesTest, RefusedPictureLeavesItsRowForTheNext)
{
    Rows(5, {1, 3});
    AttachPictures(list, {Picture(QStringLiteral("a.png")), Path(QStringLiteral("m.png")),
                          Picture(QStringLiteral("b.png")), Lyrics(QStringLiteral("z.txt"), "no picture")});
    EXPECT_EQ(PictureOf(2), QStringLiteral("a.png"));
    EXPECT_EQ(PictureOf(4), QStringLiteral("b.png"));
    EXPECT_EQ(PictureOf(5), QString());
}

TEST_F(AttachFilesTest, SurplusPicturesAndEmptyListAreIgnored)
{
    AttachPictures(list, {Picture(QStringLiteral("a.png"))});
    EXPECT_EQ(list.Count(), 0);
    Rows(1);
    list.SetFocused(list.RowAt(0));
    AttachPictures(list, {Picture(QStringLiteral("a.png")), Picture(QStringLiteral("b.png"))});
    EXPECT_EQ(PictureOf(1), QStringLiteral("a.png"));
}

TEST_F(AttachFilesTest, LyricsStartAtTheFocusedRowAndUseUpRows)
{
    Rows(4);
    list.Record(list.RowAt(2)).LyricsText = QStringLiteral("kept");
    list.SetFocused(list.RowAt(1));
    AttachLyrics(list, {Lyrics(QStringLiteral("y.txt"), "second"), Lyrics(QStringLiteral("x.lrc"), "\r\n \tfirst  ")});
    EXPECT_EQ(LyricsOf(1), QString()); // before the focus: never considered
    EXPECT_EQ(LyricsOf(2), QStringLiteral("first  \r\n"));
    EXPECT_EQ(LyricsOf(3), QStringLiteral("kept"));
    EXPECT_EQ(LyricsOf(4), QStringLiteral("second\r\n"));

    // A file that gives no text still uses up its row.
    list.DeleteAll();
    Rows(2);
    AttachLyrics(list, {Path(QStringLiteral("a-missing.lrc")), Lyrics(QStringLiteral("b.lrc"), "words")});
    EXPECT_EQ(LyricsOf(1), QString());
    EXPECT_EQ(LyricsOf(2), QStringLiteral("words\r\n"));
}

TEST_F(AttachFilesTest, DroppedFilesAreSortedByKindAndFoldersIgnored)
{
    QDir(folder.path()).mkdir(QStringLiteral("album.mp3"));
    const DroppedFiles files = SortDroppedFiles(
        {Path(QStringLiteral("album.mp3")), Path(QStringLiteral("x.MP3")), Path(QStringLiteral("x.jpg")),
         Path(QStringLiteral("y.lrc")), Path(QStringLiteral("z.wav")), Path(QStringLiteral("t.TXT")),
         Path(QStringLiteral("noext"))});
    EXPECT_EQ(files.songs, QStringList{Path(QStringLiteral("x.MP3"))});
    EXPECT_EQ(files.pictures, QStringList{Path(QStringLiteral("x.jpg"))});
    EXPECT_EQ(files.lyrics, (QStringList{Path(QStringLiteral("y.lrc")), Path(QStringLiteral("t.TXT"))}));
}

TEST(AddDroppedFiles, SongsThenPicturesThenLyrics)
{
    ScopedLocale locale(QStringLiteral("zh_CN.UTF-8"));
    InMemoryAlbumList list;
    // song1 finds its own picture and lyrics beside it; the dropped cover and
    // words go to the next rows without them.
    AddDroppedFiles(list, {kSongs + QStringLiteral("words.lrc"), kSongs + QStringLiteral("song2.mp3"),
                           kSongs + QStringLiteral("cover.png"), kSongs + QStringLiteral("song1.mp3"),
                           kSongs + QStringLiteral("song3.m4a"), kSongs});
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.RepaintCount(), 1);
    const TOrbData &first = list.Record(list.RowAt(0));
    const TOrbData &second = list.Record(list.RowAt(1));
    const TOrbData &third = list.Record(list.RowAt(2));
    EXPECT_EQ(first.SongName, QStringLiteral("晨曲"));
    EXPECT_EQ(first.PictureFile, kSongs + QStringLiteral("song1.jpg"));
    EXPECT_EQ(first.LyricsText, QStringLiteral("[00:00.00]晨曲\r\n[00:01.00]第一句歌词"));
    EXPECT_EQ(second.PictureFile, kSongs + QStringLiteral("cover.png"));
    EXPECT_EQ(second.LyricsText, QStringLiteral("[00:00.50]第二首的歌词\r\n[00:01.50]最后一句  \r\n"));
    EXPECT_EQ(third.SongName, QStringLiteral("Third"));
    EXPECT_TRUE(third.PictureFile.isEmpty());
    EXPECT_TRUE(third.LyricsText.isEmpty());
}
} // namespace
