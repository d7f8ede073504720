// Whole builds through pelorin-build on the real packager and signer.
#include "cli_app.h"

#include "build/app_name.h"
#include "build/signing_key.h"
#include "support/test_folders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QString kSongs = QStringLiteral(PELORIN_TEST_DATA_DIR "/build/songs/");

QStringList OneSong()
{
    return {kSongs + QStringLiteral("song1.mp3")};
}

bool Empty(const QString &folder)
{
    const QDir dir(folder);
    return dir.exists() && dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QString Label(const QString &badging)
{
    const qsizetype at = badging.indexOf(QStringLiteral("application-label:'"));
    if (at < 0)
        return {};
    const qsizetype start = at + 19;
    return badging.mid(start, badging.indexOf(QStringLiteral("'\n"), start) - start);
}

QString Package(const QString &badging)
{
    const qsizetype start = badging.indexOf(QStringLiteral("package: name='")) + 15;
    return badging.mid(start, badging.indexOf(QLatin1Char('\''), start) - start);
}

QString Md5(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

TEST(PelorinBuildE2e, ChineseAlbumMatchesTheHandWrittenFiles)
{
    CliApp app;
    app.write(QStringLiteral("ini/Pelorin.ini"),
              "[Brisling]\nRandomID=0A1B2C3D4E\nAppID=\nColor=#ff112233\nPosition=1\n"
              "BackgroundColor=#000000\nSize=0x1E\n");
    app.write(QStringLiteral("info.tpl"), "\xEF\xBB\xBF\xE4\xB8\x93\xE8\xBE\x91\xE8\xAF\xB4\xE6\x98\x8E\n");
    const QString album = QStringLiteral("中文 专辑");
    const CliApp::Result result = app.Run(
        {QStringLiteral("--album"), album, kSongs + QStringLiteral("song1.mp3"), kSongs + QStringLiteral("song2.mp3"),
         kSongs + QStringLiteral("song3.m4a"), kSongs + QStringLiteral("cover.png"),
         kSongs + QStringLiteral("words.lrc")},
        QStringLiteral("zh_CN.UTF-8"));
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    const QString apk = app.file(QStringLiteral("output/") + album + QStringLiteral(".apk"));
    EXPECT_EQ(result.out, apk + QLatin1Char('\n'));
    // The first build of the installation says where its signing key is.
    EXPECT_EQ(result.err, SigningKeyMadeNotice(app.KeyFile()) + QLatin1Char('\n'));

    ASSERT_TRUE(CliApp::Verifies(apk));
    const QString badging = CliApp::Badging(apk);
    EXPECT_EQ(Package(badging), QStringLiteral("com.quorvane.dorvalith.m0a1b2c3d4eeb1caba97adfa7eca844ef995a8e8f41"));
    EXPECT_EQ(Label(badging), album);

    // The working folder as the packager found it, and the package itself.
    EXPECT_EQ(app.read(QStringLiteral("snapshot/AndroidManifest.xml")), BuildData(QStringLiteral("e2e/AndroidManifest.xml")));
    EXPECT_EQ(app.read(QStringLiteral("snapshot/res/values/strings.xml")), BuildData(QStringLiteral("e2e/strings.xml")));
    EXPECT_EQ(app.read(QStringLiteral("snapshot/res/raw/songs.json")), BuildData(QStringLiteral("e2e/songs.json")));
    EXPECT_EQ(CliApp::Unzip(apk, QStringLiteral("res/raw/songs.json")), BuildData(QStringLiteral("e2e/songs.json")));
    EXPECT_EQ(CliApp::Unzip(apk, QStringLiteral("assets/lrcs/lrc1.lrc")), BuildData(QStringLiteral("e2e/lrc1.lrc")));
    EXPECT_EQ(CliApp::Unzip(apk, QStringLiteral("assets/lrcs/lrc2.lrc")), BuildData(QStringLiteral("e2e/lrc2.lrc")));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("snapshot/assets/lrcs/lrc3.lrc"))));
    EXPECT_EQ(CliApp::Unzip(apk, QStringLiteral("assets/music/music3.m4a")), BuildData(QStringLiteral("songs/song3.m4a")));
    EXPECT_EQ(CliApp::Unzip(apk, QStringLiteral("assets/images/pic2.png")), BuildData(QStringLiteral("songs/cover.png")));
    EXPECT_EQ(CliApp::Unzip(apk, QStringLiteral("assets/images/pic3.jpg")), app.read(QStringLiteral("pic/pic3.jpg")));
    EXPECT_FALSE(CliApp::Unzip(apk, QStringLiteral("res/drawable-xhdpi-v4/icon.png")).isEmpty());

    EXPECT_EQ(app.read(QStringLiteral("output/") + album + QStringLiteral(".txt")), BuildData(QStringLiteral("e2e/report.txt")));
    EXPECT_TRUE(Empty(app.file(QStringLiteral("data/") + album)));
    EXPECT_TRUE(app.read(QStringLiteral("log/Pelorin") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                         + QStringLiteral(".log")).isEmpty());
}

TEST(PelorinBuildE2e, PackageNameFromAppIdOrFromTheInstallation)
{
    CliApp app;
    app.write(QStringLiteral("ini/Pelorin.ini"), "[Brisling]\nAppID= My.App \n");
    CliApp::Result result = app.Run(OneSong());
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(Package(CliApp::Badging(app.file(QStringLiteral("output/vizizizar.apk")))),
              QStringLiteral("com.quorvane.dorvalith.mmy.app"));

    // Without either key the identifier is made once and kept in the per-user store.
    app.write(QStringLiteral("ini/Pelorin.ini"), "[Brisling]\n");
    result = app.Run(OneSong());
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    const QString id = QSettings(app.file(QStringLiteral("config/Holvensk/Brisling.conf")), QSettings::IniFormat)
                           .value(QStringLiteral("radomid")).toString();
    ASSERT_EQ(id.size(), 10);
    EXPECT_EQ(Package(CliApp::Badging(app.file(QStringLiteral("output/vizizizar1.apk")))),
              QStringLiteral("com.quorvane.dorvalith.m") + id.toLower() + Md5("vizizizar1"));
    EXPECT_EQ(result.out, app.file(QStringLiteral("output/vizizizar1.apk\n")));
}

TEST(PelorinBuildE2e, ProposalsAndOverwriteAnswers)
{
    CliApp app;
    for (const char *name : {"vizizizar", "vizizizar1", "vizizizar2"}) {
        const CliApp::Result result = app.Run(OneSong());
        ASSERT_EQ(result.code, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, app.file(QStringLiteral("output/") + QLatin1String(name) + QStringLiteral(".apk\n")));
        EXPECT_TRUE(Empty(app.file(QStringLiteral("data/") + QLatin1String(name))));
    }

    // An existing working folder is reused …
    QFile::remove(app.file(QStringLiteral("output/vizizizar1.apk")));
    CliApp::Result result = app.Run({QStringLiteral("--album"), QStringLiteral("vizizizar1"), OneSong()[0]});
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_TRUE(QFile::exists(app.file(QStringLiteral("output/vizizizar1.apk"))));

    // … unless overwriting is refused.
    QFile::remove(app.file(QStringLiteral("calls")));
    result = app.Run({QStringLiteral("--no-overwrite"), QStringLiteral("--album=vizizizar2"), OneSong()[0]});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("vizizizar2已经存在，未覆盖（--no-overwrite）\n"));
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("calls"))));
}

TEST(PelorinBuildE2e, PackagerExitingTwoStopsBeforeTheSigner)
{
    CliApp app;
    app.SetJava("echo \"$1\" >> \"" + app.file(QStringLiteral("calls")).toUtf8() + "\"; exit 2\n");
    const CliApp::Result result = app.Run(OneSong());
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("生成apk失败\n"));
    EXPECT_EQ(app.read(QStringLiteral("calls")), "-jar\n");
    EXPECT_TRUE(app.read(QStringLiteral("log/Pelorin") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                         + QStringLiteral(".log")).endsWith("\tBuild apk fail:2\r\n"));
    EXPECT_TRUE(Empty(app.file(QStringLiteral("data/vizizizar"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output/vizizizar.txt"))));
}

TEST(PelorinBuildE2e, MissingJavaFailsWithMinusOne)
{
    CliApp app;
    app.SetJava({});
    const CliApp::Result result = app.Run(OneSong());
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("生成apk失败\n"));
    EXPECT_TRUE(app.read(QStringLiteral("log/Pelorin") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                         + QStringLiteral(".log")).endsWith("\tBuild apk fail:-1\r\n"));
}

// The key lives in the per-user data folder: an application folder deleted
// and staged anew signs with the same certificate, and a key that an earlier
// version kept in s/Quenlow/ is moved out of the application folder and used.
TEST(PelorinBuildE2e, SigningKeyOutlivesTheApplicationFolder)
{
    QTemporaryDir home;
    QString certificate;
    QString key;
    {
        CliApp app(home.path());
        key = app.KeyFile();
        const CliApp::Result result = app.Run(OneSong());
        ASSERT_EQ(result.code, 0) << result.err.toStdString();
        certificate = CliApp::Certificate(app.file(QStringLiteral("output/vizizizar.apk")));
        ASSERT_FALSE(certificate.isEmpty());
        EXPECT_EQ(FileMode(key), 0600);
        EXPECT_EQ(FileMode(QFileInfo(key).absolutePath()), 0700);
        EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("s/Quenlow/signing-key.p12"))));
    }
    {
        CliApp app(home.path());
        const CliApp::Result result = app.Run(OneSong());
        ASSERT_EQ(result.code, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        EXPECT_EQ(CliApp::Certificate(app.file(QStringLiteral("output/vizizizar.apk"))), certificate);
    }

    CliApp app;
    const QString old = app.file(QStringLiteral("s/Quenlow/signing-key.p12"));
    ASSERT_TRUE(QFile::rename(key, old));
    const CliApp::Result result = app.Run(OneSong());
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(result.err, SigningKeyMovedNotice(old, app.KeyFile()) + QLatin1Char('\n'));
    EXPECT_EQ(CliApp::Certificate(app.file(QStringLiteral("output/vizizizar.apk"))), certificate);
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(FileMode(app.KeyFile()), 0600);
}

class AlbumNameBuildTest : public ::testing::TestWithParam<const char *> {};

TEST_P(AlbumNameBuildTest, TitleIsTheNameAsTyped)
{
    CliApp app;
    const QString album = QString::fromUtf8(GetParam());
    const CliApp::Result result = app.Run({QStringLiteral("--album"), album, OneSong()[0]});
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    const QString apk = app.file(QStringLiteral("output/") + album + QStringLiteral(".apk"));
    EXPECT_EQ(result.out, apk + QLatin1Char('\n'));
    ASSERT_TRUE(CliApp::Verifies(apk));
    EXPECT_EQ(Label(CliApp::Badging(apk)), album);
    EXPECT_TRUE(Empty(app.file(QStringLiteral("data/") + album)));
}

INSTANTIATE_TEST_SUITE_P(Names, AlbumNameBuildTest, ::testing::Values(
    " My  Album ", ",lib,", "Rock'n'Roll & Co", "@home 100%", "中文", "%s%n 100%"));
// One real build, from a saved album whose first song brings its own picture:
// its songs.json is the one a build straight from the files stages, and its
// first picture is the song's embedded one, byte for byte.
TEST(PelorinBuildE2e, OpenedAlbumBuildsAsTheFilesDoWithTheEmbeddedPicture)
{
    CliApp app;
    QDir().mkpath(app.file(QStringLiteral("album")));
    QFile::copy(QStringLiteral(PELORIN_TEST_DATA_DIR "/tags/apic_jpeg.mp3"), app.file(QStringLiteral("album/a.mp3")));
    for (const char *name : {"song1.mp3", "song1.jpg", "song1.lrc", "song3.m4a"})
        QFile::copy(kSongs + QLatin1String(name), app.file(QStringLiteral("album/") + QLatin1String(name)));
    const QStringList files{app.file(QStringLiteral("album/a.mp3")), app.file(QStringLiteral("album/song1.mp3")),
                            app.file(QStringLiteral("album/song3.m4a"))};
    const QStringList named{QStringLiteral("--album"), QStringLiteral("专辑")};

    // Straight from the files, stopped before packaging: what was staged.
    app.write(QStringLiteral("stop-before-packaging"), "");
    ASSERT_EQ(app.Run(named + files).code, 1);
    const QByteArray staged = app.read(QStringLiteral("snapshot/res/raw/songs.json"));
    ASSERT_FALSE(staged.isEmpty());
    QFile::remove(app.file(QStringLiteral("stop-before-packaging")));

    const QString albumFile = app.file(QStringLiteral("album/x.pelorin"));
    ASSERT_EQ(app.Run(QStringList{QStringLiteral("--save"), albumFile} + named + files).code, 0);
    const CliApp::Result result = app.Run({QStringLiteral("--open"), albumFile});
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    const QString apk = app.file(QStringLiteral("output/专辑.apk"));
    EXPECT_EQ(result.out, apk + QLatin1Char('\n'));
    ASSERT_TRUE(CliApp::Verifies(apk));
    EXPECT_EQ(CliApp::Unzip(apk, QStringLiteral("res/raw/songs.json")), staged);
    EXPECT_EQ(CliApp::Unzip(apk, QStringLiteral("assets/images/pic1.jpg")),
              BuildData(QStringLiteral("../tags/cover.jpg")));
    EXPECT_EQ(CliApp::Unzip(apk, QStringLiteral("assets/images/pic2.jpg")), BuildData(QStringLiteral("songs/song1.jpg")));
}
} // namespace
