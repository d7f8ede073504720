#include "cli_app.h"

#include "build/album_naming.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QString kSongs = QStringLiteral(PELORIN_TEST_DATA_DIR "/build/songs/");

bool Empty(const QString &folder)
{
    return QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

TEST(PelorinBuild, ListShowsTheRowsOfTheDrop)
{
    CliApp app;
    const CliApp::Result result =
        app.Run({QStringLiteral("--list"), kSongs + QStringLiteral("song2.mp3"), kSongs + QStringLiteral("words.lrc"),
                 kSongs + QStringLiteral("cover.png"), kSongs + QStringLiteral("song1.mp3"), kSongs},
                QStringLiteral("zh_CN.UTF-8"));
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    const QString expected =
        QStringLiteral("晨曲\t歌手甲\t2秒\t8K\t%1song1.mp3\t%1song1.jpg\t测试专辑\t"
                       "[00:00.00]晨曲\\r\\n[00:01.00]第一句歌词\n"
                       "Say \"Hi\"\\\\Back\tBand\t2秒\t8K\t%1song2.mp3\t%1cover.png\tTabs\\tAnd Quotes\t"
                       "[00:00.50]第二首的歌词\\r\\n[00:01.50]最后一句  \\r\\n\n")
            .arg(kSongs);
    EXPECT_EQ(result.out, expected);
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    EXPECT_TRUE(Empty(app.file(QStringLiteral("data"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("calls"))));
}

TEST(PelorinBuild, ListsAFileOfZerosNamedAsASongAsASongWithoutDuration)
{
    CliApp app;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("静音-无名.mp3"));
    QFile zeros(path);
    ASSERT_TRUE(zeros.open(QIODevice::WriteOnly));
    ASSERT_TRUE(zeros.resize(64LL * 1024 * 1024)); // sparse
    zeros.close();

    const CliApp::Result result = app.Run({QStringLiteral("--list"), path});
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    // Title and singer from the file name, no duration, the size, no album.
    EXPECT_EQ(result.out, QStringLiteral("静音\t无名\t\t64.00M\t%1\t\t\t\n").arg(path));
}

struct UsageCase
{
    std::vector<const char *> arguments;
    int code;
};

class UsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageTest, BadUsageExitsWithTwo)
{
    CliApp app;
    QStringList arguments;
    for (const char *argument : GetParam().arguments)
        arguments << QString::fromUtf8(argument).replace(QStringLiteral("SONGS/"), kSongs);
    const CliApp::Result result = app.Run(arguments);
    EXPECT_EQ(result.code, GetParam().code) << result.err.toStdString();
    if (GetParam().code == 2) {
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, UsageTest, ::testing::Values(
    UsageCase{{}, 2},
    UsageCase{{"--bogus", "SONGS/song1.mp3"}, 2},
    UsageCase{{"SONGS/song1.mp3", "--album"}, 2},
    UsageCase{{"--list", "SONGS/none.mp3"}, 2},
    UsageCase{{"--export-key"}, 2},
    UsageCase{{"--export-key", "key.p12", "SONGS/song1.mp3"}, 2},
    UsageCase{{"--help"}, 0},
    UsageCase{{"--list", "--", "SONGS/song1.mp3"}, 0}));

// --export-key saves a copy of the key from the per-user data folder, or of
// one an earlier version left in s/Quenlow/ (which then moves), and never
// replaces a file.
struct ExportCase
{
    const char *name;
    const char *keyAt;    // relative to the data home, or "app:" + relative to the application folder
    QByteArray existing;  // at the target before; empty: none
    int code;
    const char *err;      // with TARGET for the target's path
};

void PrintTo(const ExportCase &c, std::ostream *out)
{
    *out << c.name;
}

class ExportKeyTest : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ExportKeyTest, CopyEqualsTheKey)
{
    const ExportCase &c = GetParam();
    CliApp app;
    const QString keyAt = QString::fromUtf8(c.keyAt);
    if (keyAt.startsWith(QStringLiteral("app:")))
        app.write(keyAt.mid(4), "the key");
    else if (!keyAt.isEmpty())
        app.write(QStringLiteral("data-home/") + keyAt, "the key");
    if (!c.existing.isEmpty())
        app.write(QStringLiteral("backup.p12"), c.existing);
    const QString target = app.file(QStringLiteral("backup.p12"));
    const CliApp::Result result = app.Run({QStringLiteral("--export-key"), target});
    EXPECT_EQ(result.code, c.code);
    EXPECT_EQ(result.err, QString::fromUtf8(c.err).replace(QStringLiteral("TARGET"), target));
    if (c.code == 0) {
        EXPECT_EQ(result.out, target + QLatin1Char('\n'));
        EXPECT_EQ(app.read(QStringLiteral("backup.p12")), "the key");
        EXPECT_EQ(FileMode(target), 0600);
        EXPECT_EQ(app.read(QStringLiteral("data-home/Holvensk/Brisling/signing-key.p12")), "the key");
        EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("s/Quenlow/signing-key.p12"))));
    } else {
        EXPECT_EQ(app.read(QStringLiteral("backup.p12")), c.existing);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ExportKeyTest, ::testing::Values(
    ExportCase{"KeyInTheDataFolder", "Holvensk/Brisling/signing-key.p12", {}, 0, ""},
    ExportCase{"KeyOnlyInTheOldPlace", "app:s/Quenlow/signing-key.p12", {}, 0, ""},
    ExportCase{"TargetExists", "Holvensk/Brisling/signing-key.p12", "mine", 1, "TARGET 已经存在，未覆盖\n"},
    ExportCase{"NoKeyYet", "", {}, 1, "还没有签名密钥：第一次生成专辑时才会创建。\n"}),
    [](const auto &info) { return std::string(info.param.name); });

class RefusedNameTest : public ::testing::TestWithParam<const char *> {};

TEST_P(RefusedNameTest, NameIsRefusedWithTheDialogsText)
{
    CliApp app;
    const QString name = QString::fromUtf8(GetParam());
    const CliApp::Result result = app.Run({QStringLiteral("--album"), name, kSongs + QStringLiteral("song1.mp3")});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, AlbumNameProblem(name) + QLatin1Char('\n'));
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(Empty(app.file(QStringLiteral("data"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("calls"))));
}

INSTANTIATE_TEST_SUITE_P(Names, RefusedNameTest, ::testing::Values(
    "", ".", "..", "../output", "a\\b", "a<b", "say \"hi\"", "x|y", "a:b", "star*", "tab\there",
    "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
    "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
    "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"));

TEST(PelorinBuild, NoSongsIsTold)
{
    CliApp app;
    const CliApp::Result result = app.Run({kSongs + QStringLiteral("cover.png")});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("请首先加入歌曲\n"));
    EXPECT_TRUE(Empty(app.file(QStringLiteral("data"))));
}

TEST(PelorinBuild, IconThatIsNoPictureIsRefusedBeforeBuilding)
{
    CliApp app;
    const CliApp::Result result = app.Run(
        {QStringLiteral("--icon"), kSongs + QStringLiteral("words.lrc"), kSongs + QStringLiteral("song1.mp3")});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("Unknown picture file extension (.lrc)\n"));
    EXPECT_TRUE(Empty(app.file(QStringLiteral("data"))));
}
// An album folder inside the test's application folder: songs with
// companion files, a dropped picture and lyrics, and a song that brings its
// own picture and lyrics.
QStringList AlbumFolder(const CliApp &app, const QString &folder)
{
    const QString tags = QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/");
    const QStringList sources{kSongs + QStringLiteral("song1.mp3"), kSongs + QStringLiteral("song1.jpg"),
                              kSongs + QStringLiteral("song1.lrc"), kSongs + QStringLiteral("song2.mp3"),
                              kSongs + QStringLiteral("cover.png"), kSongs + QStringLiteral("words.lrc"),
                              tags + QStringLiteral("apic_jpeg.mp3"), tags + QStringLiteral("sylt.mp3")};
    QDir().mkpath(app.file(folder));
    QStringList files;
    for (const QString &source : sources) {
        // The song with its own picture comes last, so the dropped picture
        // goes to a row without one.
        QString name = QFileInfo(source).fileName();
        if (name == QStringLiteral("apic_jpeg.mp3"))
            name = QStringLiteral("zz_cover.mp3");
        QFile::copy(source, app.file(folder + name));
        if (!name.endsWith(QStringLiteral(".jpg")) && name != QStringLiteral("song1.lrc"))
            files.append(app.file(folder + name));
    }
    return files;
}

TEST(PelorinBuild, SavedAlbumOpensWithTheSameRowsAlsoWhenItsFolderMoved)
{
    CliApp app;
    const QStringList files = AlbumFolder(app, QStringLiteral("album/"));
    const CliApp::Result listed = app.Run(QStringList{QStringLiteral("--list")} + files);
    ASSERT_EQ(listed.code, 0) << listed.err.toStdString();
    // The embedded picture in the cache and the lyrics from the tags are listed.
    const QString cache = app.file(QStringLiteral("cache/Pelorin/pictures/"));
    EXPECT_TRUE(listed.out.contains(QStringLiteral("\t") + cache)) << listed.out.toStdString();
    EXPECT_TRUE(listed.out.contains(QStringLiteral("[00:01.00]第一行\\r\\n[00:02.50]第二行")))
        << listed.out.toStdString();

    const QString albumFile = app.file(QStringLiteral("album/x.pelorin"));
    CliApp::Result result = app.Run(QStringList{QStringLiteral("--save"), albumFile} + files);
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, albumFile + QLatin1Char('\n'));
    result = app.Run({QStringLiteral("--open"), albumFile, QStringLiteral("--list")});
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, listed.out);

    ASSERT_TRUE(QDir().rename(app.file(QStringLiteral("album")), app.file(QStringLiteral("moved"))));
    result = app.Run({QStringLiteral("--open"), app.file(QStringLiteral("moved/x.pelorin")), QStringLiteral("--list")});
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    EXPECT_EQ(result.out, QString(listed.out).replace(app.file(QStringLiteral("album/")), app.file(QStringLiteral("moved/"))));

    // A song that is gone is told of (by the path it was saved with) and
    // left out; a bad album file is refused.
    QFile::remove(app.file(QStringLiteral("moved/song2.mp3")));
    result = app.Run({QStringLiteral("--open"), app.file(QStringLiteral("moved/x.pelorin")), QStringLiteral("--list")});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.err, QStringLiteral("下列歌曲文件已经不存在，没有加入列表：\n")
                              + app.file(QStringLiteral("album/song2.mp3\n")));
    app.write(QStringLiteral("moved/x.pelorin"), "{\"format\": \"pelorin-album\", \"version\": 2}");
    result = app.Run({QStringLiteral("--open"), app.file(QStringLiteral("moved/x.pelorin"))});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("文件的格式版本是2"))) << result.err.toStdString();
    EXPECT_TRUE(Empty(app.file(QStringLiteral("data"))));
}


} // namespace
