#include "build_test_support.h"
#include "support/test_folders.h"

#include "build/assets.h"
#include "build/step_failure.h"

#include "album/in_memory_album_list.h"
#include "platform/app_error.h"
#include "settings/pt_info.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {
TPtInfo Settings()
{
    TPtInfo settings;
    settings.TextColor = QStringLiteral("#ffffffff");
    settings.LrcPosition = QStringLiteral("2");
    settings.BackgroundColor = QStringLiteral("#ffffcc");
    settings.TextSize = 30;
    return settings;
}

TEST(SongsJson, OneSongHasSeventeenLines)
{
    SongEntry song{QStringLiteral("晨曲"), QStringLiteral("music/music1.mp3"), QStringLiteral("images/pic1.jpg"),
                   QStringLiteral("lrcs/lrc1.lrc"), QStringLiteral("歌手"), QStringLiteral("专辑"),
                   QStringLiteral("2秒")};
    const QByteArray expected =
        "\xEF\xBB\xBF[\r\n{\r\n"
        "\"songName\": \"\xE6\x99\xA8\xE6\x9B\xB2\",\r\n"
        "\"sourcePath\": \"music/music1.mp3\",\r\n"
        "\"textColor\": \"#ffffffff\",\r\n"
        "\"textSize\": \"30\",\r\n"
        "\"imagePath\": \"images/pic1.jpg\",\r\n"
        "\"lrcPath\": \"lrcs/lrc1.lrc\",\r\n"
        "\"lrcPosition\": \"2\",\r\n"
        "\"singer\": \"\xE6\xAD\x8C\xE6\x89\x8B\",\r\n"
        "\"album\": \"\xE4\xB8\x93\xE8\xBE\x91\",\r\n"
        "\"duration\": \"2\xE7\xA7\x92\",\r\n"
        "\"backgroundColor\": \"#ffffcc\",\r\n"
        "\"songInfo\": \"\",\r\n"
        "\"displayStyle\": \"bing\"\r\n"
        "}\r\n]\r\n";
    EXPECT_EQ(SongsJson({song}, Settings()), expected);
}

TEST(SongsJson, OnlyTheLastSongLosesItsComma)
{
    SongEntry song;
    const QList<QByteArray> lines = SongsJson({song, song, song}, Settings()).split('\n');
    EXPECT_EQ(lines.count("},\r"), 2);
    EXPECT_EQ(lines.count("}\r"), 1);
    EXPECT_EQ(lines.size(), 1 + 3 * 15 + 1 + 1); // the split leaves an empty piece after the last CR LF
}

TEST(SongsJson, EveryValueIsAValidJsonString)
{
    TPtInfo settings = Settings();
    settings.TextColor = QStringLiteral("#ff\"00\\");
    SongEntry song;
    song.SongName = QStringLiteral("Say \"Hi\"\\Back\tand\nnew\x01line/");
    song.Singer = QStringLiteral("\u2028sep");
    song.Album = QStringLiteral("Tabs\tAnd Quotes");
    const QByteArray bytes = SongsJson({song}, settings);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.mid(3), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonObject object = document.array().at(0).toObject();
    EXPECT_EQ(object.value(QStringLiteral("songName")).toString(), song.SongName);
    EXPECT_EQ(object.value(QStringLiteral("singer")).toString(), song.Singer);
    EXPECT_EQ(object.value(QStringLiteral("album")).toString(), song.Album);
    EXPECT_EQ(object.value(QStringLiteral("textColor")).toString(), settings.TextColor);
    EXPECT_TRUE(bytes.contains("\"songName\": \"Say \\\"Hi\\\"\\\\Back\\tand\\nnew\\u0001line/\","));
}

class StageAssetsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings = Settings();
        PtInfo = &settings;
        for (const char *folder : {"res/raw", "assets/music", "assets/images", "assets/lrcs"})
            QDir().mkpath(app.file(QStringLiteral("data/A/") + QLatin1String(folder)));
        for (int i = 0; i < 10; ++i)
            app.write(QStringLiteral("pic/pic%1.jpg").arg(i), "default " + QByteArray::number(i));
    }
    void TearDown() override { PtInfo = nullptr; }

    AlbumRow *AddSong(const QString &source, const QString &picture = {}, const QString &lyrics = {})
    {
        AlbumRow *row = list.InsertAfter(nullptr);
        TOrbData &song = list.Record(row);
        song.SongName = QStringLiteral("Song %1").arg(list.Count());
        song.SourceFile = source;
        song.PictureFile = picture;
        song.LyricsText = lyrics;
        return row;
    }
    QJsonArray Catalogue() const
    {
        return QJsonDocument::fromJson(app.read(QStringLiteral("data/A/res/raw/songs.json")).mid(3)).array();
    }

    TestAppFolder app;
    TPtInfo settings;
    InMemoryAlbumList list;
};

TEST_F(StageAssetsTest, SongsPicturesAndLyricsGetNumberedNames)
{
    app.write(QStringLiteral("in/a.MP3"), "song a");
    app.write(QStringLiteral("in/b.m4a"), "song b");
    app.write(QStringLiteral("in/c.mp3"), "song c");
    app.write(QStringLiteral("in/cover.PNG"), "cover");
    app.write(QStringLiteral("in/gone.jpg"), "gone");
    AddSong(app.file(QStringLiteral("in/a.MP3")), app.file(QStringLiteral("in/cover.PNG")),
            QStringLiteral("line 1\r\n歌词 2\r\n"));
    AddSong(app.file(QStringLiteral("in/b.m4a")), app.file(QStringLiteral("in/gone.jpg")));
    AddSong(app.file(QStringLiteral("in/c.mp3")), QString(), QStringLiteral("only\nLF"));
    app.remove(QStringLiteral("in/gone.jpg")); // deleted after it was attached

    ASSERT_TRUE(StageAssets(QStringLiteral("A"), list));
    EXPECT_EQ(FilesUnder(app.file(QStringLiteral("data/A"))),
              (QStringList{QStringLiteral("assets/images/pic1.PNG"), QStringLiteral("assets/images/pic2.jpg"),
                           QStringLiteral("assets/images/pic3.jpg"), QStringLiteral("assets/lrcs/lrc1.lrc"),
                           QStringLiteral("assets/lrcs/lrc3.lrc"), QStringLiteral("assets/music/music1.MP3"),
                           QStringLiteral("assets/music/music2.m4a"), QStringLiteral("assets/music/music3.mp3"),
                           QStringLiteral("res/raw/songs.json")}));
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/music/music2.m4a")), "song b");
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/images/pic1.PNG")), "cover");
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/images/pic2.jpg")), "default 2");
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/images/pic3.jpg")), "default 3");
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/lrcs/lrc1.lrc")),
              "\xEF\xBB\xBFline 1\r\n\xE6\xAD\x8C\xE8\xAF\x8D 2\r\n");
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/lrcs/lrc3.lrc")), "\xEF\xBB\xBFonly\r\nLF\r\n");

    const QJsonArray catalogue = Catalogue();
    ASSERT_EQ(catalogue.size(), 3);
    EXPECT_EQ(catalogue[0].toObject().value(QStringLiteral("sourcePath")).toString(), QStringLiteral("music/music1.MP3"));
    EXPECT_EQ(catalogue[0].toObject().value(QStringLiteral("imagePath")).toString(), QStringLiteral("images/pic1.PNG"));
    EXPECT_EQ(catalogue[1].toObject().value(QStringLiteral("lrcPath")).toString(), QStringLiteral("lrcs/lrc2.lrc"));
    EXPECT_EQ(catalogue[1].toObject().value(QStringLiteral("imagePath")).toString(), QStringLiteral("images/pic2.jpg"));
}

TEST_F(StageAssetsTest, DefaultPicturesCycleByPosition)
{
    app.write(QStringLiteral("in/s.mp3"), "s");
    for (int i = 0; i < 11; ++i)
        AddSong(app.file(QStringLiteral("in/s.mp3")));
    ASSERT_TRUE(StageAssets(QStringLiteral("A"), list));
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/images/pic1.jpg")), "default 1");
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/images/pic10.jpg")), "default 0");
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/images/pic11.jpg")), "default 1");
}

// No catalogue that names a file the package lacks.
TEST_F(StageAssetsTest, MissingSongEndsTheStepNamingIt)
{
    AddSong(app.file(QStringLiteral("in/missing.mp3")));
    try {
        StageAssets(QStringLiteral("A"), list);
        ADD_FAILURE() << "staged";
    } catch (const BuildStepFailure &failure) {
        EXPECT_EQ(failure.message(),
                  QStringLiteral("无法把“%1”复制到工作文件夹：文件不存在").arg(app.file(QStringLiteral("in/missing.mp3"))));
    }
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("data/A/res/raw/songs.json"))));
}

TEST_F(StageAssetsTest, StagedSongsReplaceOldFilesAndLeaveSourcesAlone)
{
    app.write(QStringLiteral("in/a.mp3"), "the song");
    app.write(QStringLiteral("data/A/assets/music/music1.mp3"), "a file left by the template");
    AddSong(app.file(QStringLiteral("in/a.mp3")));
    ASSERT_TRUE(StageAssets(QStringLiteral("A"), list));
    EXPECT_EQ(app.read(QStringLiteral("data/A/assets/music/music1.mp3")), "the song");
    app.remove(QStringLiteral("data/A"));
    EXPECT_EQ(app.read(QStringLiteral("in/a.mp3")), "the song");
}

TEST_F(StageAssetsTest, MissingFoldersRaiseTheCreateError)
{
    app.write(QStringLiteral("in/a.mp3"), "a");
    AddSong(app.file(QStringLiteral("in/a.mp3")), QString(), QStringLiteral("words"));
    app.remove(QStringLiteral("data/A/assets/lrcs"));
    try {
        StageAssets(QStringLiteral("A"), list);
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Cannot create file \"%1\". No such file or directory")
                                       .arg(app.file(QStringLiteral("data/A/assets/lrcs/lrc1.lrc"))));
    }
    list.Record(list.First()).LyricsText.clear();
    app.remove(QStringLiteral("data/A/res/raw"));
    EXPECT_THROW(StageAssets(QStringLiteral("A"), list), AppError);
}

} // namespace
