// Pictures and lyrics that songs carry inside their tags.
#include "tag_fixtures.h"

#include "album/in_memory_album_list.h"
#include "intake/add_songs.h"
#include "intake/attach_files.h"
#include "intake/song_reading.h"
#include "media/picture_cache.h"
#include "media/song_extras.h"
#include "media/synced_lyrics.h"
#include "platform/user_cache_folder.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ExtrasCase
{
    const char *song;
    const char *locale;
    const char *picture; // the fixture whose bytes it carries, or "" for none
    const char *lyrics;
};

void PrintTo(const ExtrasCase &c, std::ostream *out)
{
    *out << c.song << " " << c.locale;
}

class EmbeddedExtras : public ::testing::TestWithParam<ExtrasCase>
{
};

TEST_P(EmbeddedExtras, PictureAndLyrics)
{
    const ExtrasCase &c = GetParam();
    ScopedLocale locale(QLatin1String(c.locale));
    const SongExtras extras = ReadSongExtras(TagFixture(c.song), true, true);
    const QString picture = QString::fromUtf8(c.picture);
    if (picture.isEmpty()) {
        EXPECT_FALSE(extras.picture);
    } else {
        ASSERT_TRUE(extras.picture);
        EXPECT_EQ(extras.picture->bytes, Bytes(TagFixture(c.picture)));
        EXPECT_EQ(extras.picture->extension, QLatin1Char('.') + QFileInfo(picture).suffix());
    }
    EXPECT_EQ(extras.lyrics, QString::fromUtf8(c.lyrics));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, EmbeddedExtras, ::testing::Values(
    ExtrasCase{"apic_jpeg.mp3", "C.UTF-8", "cover.jpg", ""},
    ExtrasCase{"apic_png.mp3", "C.UTF-8", "cover.png", ""},
    ExtrasCase{"apic_two.mp3", "C.UTF-8", "cover.jpg", ""}, // the front cover, not the first picture
    ExtrasCase{"covr_lyr.m4a", "C.UTF-8", "cover.jpg", "[00:01.00]封面歌第一行\r\n[00:02.00]封面歌第二行"},
    // The tag holds the Chinese lyrics first, then the English ones.
    ExtrasCase{"uslt_two_languages.mp3", "C.UTF-8", "", "第一句中文\r\n第二句中文"},
    ExtrasCase{"uslt_two_languages.mp3", "en_US.UTF-8", "", "First English line\r\nSecond English line"},
    ExtrasCase{"uslt_two_languages.mp3", "zh_CN.UTF-8", "", "第一句中文\r\n第二句中文"},
    ExtrasCase{"sylt.mp3", "C.UTF-8", "", "[00:01.00]第一行\r\n[00:02.50]第二行\r\n[01:01.23]第三行"},
    ExtrasCase{"apic_truncated.mp3", "C.UTF-8", "", ""},
    ExtrasCase{"apic_wrong_mime.mp3", "C.UTF-8", "", ""},
    ExtrasCase{"apic_empty.mp3", "C.UTF-8", "", ""},
    ExtrasCase{"apic_link.mp3", "C.UTF-8", "", ""},
    ExtrasCase{"covr_truncated.m4a", "C.UTF-8", "", ""},
    ExtrasCase{"loop.m4a", "C.UTF-8", "", ""},
    ExtrasCase{"truncated_in_tag.mp3", "C.UTF-8", "", ""}));

struct LrcCase
{
    const char *label;
    QList<SyncedText> pieces;
    const char *lrc;
};

void PrintTo(const LrcCase &c, std::ostream *out)
{
    *out << c.label;
}

class SyncedToLrc : public ::testing::TestWithParam<LrcCase>
{
};

TEST_P(SyncedToLrc, Lines)
{
    EXPECT_EQ(SyncedLyricsToLrc(GetParam().pieces), QString::fromUtf8(GetParam().lrc));
}

INSTANTIATE_TEST_SUITE_P(Pieces, SyncedToLrc, ::testing::Values(
    LrcCase{"syllables_with_leading_breaks",
            {{1000, QStringLiteral("Hel")}, {1200, QStringLiteral("lo")}, {2000, QStringLiteral("\nworld")}},
            "[00:01.00]Hello\r\n[00:02.00]world"},
    LrcCase{"trailing_breaks_time_the_next_piece",
            {{1000, QStringLiteral("one\r\n")}, {3000, QStringLiteral("two")}},
            "[00:01.00]one\r\n[00:03.00]two"},
    LrcCase{"blank_pieces_and_long_songs", {{5000, QStringLiteral(" ")}, {6000999, QStringLiteral("end")}},
            "[100:00.99]end"}));

// A song carrying a picture of `bytes` bytes: an ID3v2.4 tag with one APIC
// frame of a real JPEG padded with zeros, before a copy of a real MP3.
QByteArray SongWithPictureOf(qsizetype bytes)
{
    QByteArray picture = Bytes(TagFixture("cover.jpg"));
    picture.append(QByteArray(bytes - picture.size(), '\0'));
    const QByteArray body = QByteArray("\x00image/jpeg\x00\x03\x00", 14) + picture;
    auto syncSafe = [](qsizetype value) {
        QByteArray out(4, '\0');
        for (int i = 3; i >= 0; --i, value >>= 7)
            out[i] = char(value & 0x7F);
        return out;
    };
    const QByteArray frame = "APIC" + syncSafe(body.size()) + QByteArray(2, '\0') + body;
    return QByteArray("ID3\x04\x00\x00", 6) + syncSafe(frame.size()) + frame + Bytes(TagFixture("untagged.mp3"));
}

class SongsWithPictures : public ::testing::Test
{
protected:
    SongsWithPictures() { SetUserCacheFolder(m_cache.path()); }
    ~SongsWithPictures() override { SetUserCacheFolder(QString()); }

    QString Copy(const char *fixture, const QString &name) { return CopyFixture(fixture, m_songs.path(), name); }

    QTemporaryDir m_songs;
    QTemporaryDir m_cache;
};

TEST_F(SongsWithPictures, EmbeddedPictureIsWrittenOnceIntoTheCache)
{
    const TOrbData first = ReadSongRecord(Copy("apic_jpeg.mp3", QStringLiteral("a.mp3")));
    const TOrbData second = ReadSongRecord(Copy("apic_jpeg.mp3", QStringLiteral("b.mp3")));
    EXPECT_TRUE(IsCachedPicture(first.PictureFile));
    EXPECT_TRUE(first.PictureFile.endsWith(QStringLiteral(".jpg")));
    EXPECT_EQ(second.PictureFile, first.PictureFile);
    EXPECT_EQ(Bytes(first.PictureFile), Bytes(TagFixture("cover.jpg")));
    EXPECT_EQ(QDir(PictureCacheFolder()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(SongsWithPictures, CompanionFilesWinOverEmbeddedOnes)
{
    const QString song = Copy("apic_jpeg.mp3", QStringLiteral("a.mp3"));
    const QString picture = Copy("cover.png", QStringLiteral("a.png"));
    Copy("uslt_two_languages.mp3", QStringLiteral("b.mp3"));
    Copy("lyrics_utf8.lrc", QStringLiteral("b.lrc"));
    EXPECT_EQ(ReadSongRecord(song).PictureFile, picture);
    EXPECT_EQ(ReadSongRecord(m_songs.filePath(QStringLiteral("b.mp3"))).LyricsText,
              QStringLiteral("[00:01.00]第一行歌词\r\n[00:02.00]第二行歌词"));
    EXPECT_FALSE(QDir(PictureCacheFolder()).exists());
}

TEST_F(SongsWithPictures, AttachedPictureReplacesTheEmbeddedOne)
{
    InMemoryAlbumList list;
    AddSongFile(list, Copy("apic_png.mp3", QStringLiteral("a.mp3")));
    AddSongFile(list, Copy("untagged.mp3", QStringLiteral("b.mp3")));
    const QString picture = Copy("cover.jpg", QStringLiteral("chosen.jpg"));
    AttachPictures(list, {picture});
    EXPECT_EQ(list.RowAt(0)->Data.PictureFile, picture);
    EXPECT_TRUE(list.RowAt(1)->Data.PictureFile.isEmpty());
}

TEST_F(SongsWithPictures, AFiftyMegabytePictureIsLeftOut)
{
    const QString song = m_songs.filePath(QStringLiteral("huge.mp3"));
    QFile file(song);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(SongWithPictureOf(50 * 1024 * 1024));
    file.close();
    EXPECT_FALSE(ReadSongExtras(song, true, true).picture);
    InMemoryAlbumList list;
    AddSongFile(list, song);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.RowAt(0)->Data.PictureFile.isEmpty());
    EXPECT_FALSE(list.RowAt(0)->Data.Thumbnail);
    // Below the limit the same frame gives its picture.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(SongWithPictureOf(64 * 1024));
    file.close();
    EXPECT_TRUE(ReadSongExtras(song, true, false).picture);
}

} // namespace
