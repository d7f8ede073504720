// pelorin-build's answers with stand-in tools: what it refuses, how it fails,
// how it stops, and the text it writes under each locale.
#include "cli_app.h"

#include "platform/code_page.h"
#include "support/process_alive.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace {
const QString kSongs = QStringLiteral(PELORIN_TEST_DATA_DIR "/build/songs/");

// The tools' stand-in: the "package" is the manifest the packager was
// given, and signing copies it to the output. `packager` runs first.
QByteArray StandInTools(const QByteArray &packager = {}, const QByteArray &signer = "cp \"$in\" \"$out\"")
{
    return "for a; do [ \"$prev\" = -o ] && out=\"$a\"; case \"$a\" in */dist/MainActivity.apk) in=\"$a\";; esac; "
           "prev=\"$a\"; done\n"
           "if [ \"$1\" = -jar ]; then " + packager + "\n mkdir -p \"$5/dist\"; "
           "cp \"$5/AndroidManifest.xml\" \"$5/dist/MainActivity.apk\"; exit 0; fi\n" + signer + "\n";
}

QString PackageOf(const QByteArray &manifest)
{
    static const QRegularExpression package(QStringLiteral(" package=\"([^\"]*)\""));
    return package.match(QString::fromUtf8(manifest)).captured(1);
}

bool EmptyFolder(const QString &folder)
{
    const QDir dir(folder);
    return dir.exists() && dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

QByteArray Log(const CliApp &app)
{
    return app.read(QStringLiteral("log/Pelorin") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                    + QStringLiteral(".log"));
}

void MakeFifo(const QString &path)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

struct LocaleCase
{
    const char *name;
    const char *lang;
    const char *override; // PELORIN_LOCALE, the platform's locale for tests
    int codePage; // of the report and the digested album name
};

void PrintTo(const LocaleCase &c, std::ostream *out) { *out << c.name; }

class LocaleBuild : public ::testing::TestWithParam<LocaleCase> {};

// Two albums are two apps on the phone, and the report reads back whole.
TEST_P(LocaleBuild, NamesAndReportKeepEveryCharacter)
{
    const LocaleCase &c = GetParam();
    CliApp app;
    app.SetJava(StandInTools());
    QFile::copy(QStringLiteral(PELORIN_APP_DIR "/info.tpl"), app.file(QStringLiteral("info.tpl")));
    if (*c.override)
        app.environment.insert(QStringLiteral("PELORIN_LOCALE"), QLatin1String(c.override));
    const auto encode = [&c](const QString &text) { return TextToBytes(text, c.codePage); };
    QStringList packages;
    for (const QString &album : {QStringLiteral("我的专辑"), QStringLiteral("你的专辑")}) {
        const CliApp::Result result =
            app.Run({QStringLiteral("--album"), album, kSongs + QStringLiteral("song1.mp3")}, QLatin1String(c.lang));
        ASSERT_EQ(result.code, 0) << result.err.toStdString();
        const QByteArray digest = QCryptographicHash::hash(encode(album), QCryptographicHash::Md5).toHex();
        packages << PackageOf(app.read(QStringLiteral("output/") + album + QStringLiteral(".apk")));
        EXPECT_EQ(packages.last(), QStringLiteral("com.quorvane.dorvalith.m0a1b2c3d4e") + QLatin1String(digest));
        const QByteArray expected = encode(QStringLiteral("本专辑由 Pelorin 生成。\r\n歌曲列表：\r\n1. 晨曲-歌手甲\r\n"));
        EXPECT_EQ(app.read(QStringLiteral("output/") + album + QStringLiteral(".txt")), expected);
    }
    EXPECT_NE(packages[0], packages[1]);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleBuild, ::testing::Values(
    LocaleCase{"C_UTF8", "C.UTF-8", "", 65001},
    LocaleCase{"zh_CN_UTF8", "zh_CN.UTF-8", "", 65001},
    LocaleCase{"zh_CN_GBK", "C.UTF-8", "zh_CN.GBK", 936}),
    [](const auto &info) { return std::string(info.param.name); });

class AppIdTest : public ::testing::TestWithParam<std::string> {};

TEST_P(AppIdTest, PackageNameAndroidRefusesStopsBeforeStaging)
{
    CliApp app;
    app.SetJava(StandInTools());
    const QString appId = QString::fromStdString(GetParam());
    // With its mark: unmarked settings are read in the legacy code page.
    app.write(QStringLiteral("ini/Pelorin.ini"),
              "\xEF\xBB\xBF[Brisling]\nRandomID=0A1B2C3D4E\nAppID=" + appId.toUtf8() + "\n");
    const CliApp::Result result = app.Run({kSongs + QStringLiteral("song1.mp3")});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("设置 AppID 的值“%1”不能用作安卓应用的包名").arg(appId)))
        << result.err.toStdString();
    EXPECT_TRUE(EmptyFolder(app.file(QStringLiteral("data"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output"))));
}

INSTANTIATE_TEST_SUITE_P(Values, AppIdTest, ::testing::Values(
    "a.1b", "my-app", "x y", "中文", "a..b", std::string(300, 'q')));

TEST(PelorinBuildOutcome, AcceptedAppIdBuilds)
{
    CliApp app;
    app.SetJava(StandInTools());
    app.write(QStringLiteral("ini/Pelorin.ini"), "[Brisling]\nAppID=abc_1\n");
    const CliApp::Result result = app.Run({kSongs + QStringLiteral("song1.mp3")});
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(PackageOf(app.read(QStringLiteral("output/vizizizar.apk"))), QStringLiteral("com.quorvane.dorvalith.mabc_1"));
}

// A pipe never holds the build: as a song it is refused by name, in place
// of the settings file it reads as no settings.
TEST(PelorinBuildOutcome, PipesAreAnsweredNotOpened)
{
    CliApp app;
    app.SetJava(StandInTools());
    MakeFifo(app.file(QStringLiteral("x.mp3")));
    CliApp::Result result = app.Run({kSongs + QStringLiteral("song1.mp3"), app.file(QStringLiteral("x.mp3"))});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("以下歌曲文件已不存在或不是普通文件，请删除或重新加入后再生成：\n%1\n")
                              .arg(app.file(QStringLiteral("x.mp3"))));
    EXPECT_TRUE(EmptyFolder(app.file(QStringLiteral("data"))));

    QFile::remove(app.file(QStringLiteral("ini/Pelorin.ini")));
    MakeFifo(app.file(QStringLiteral("ini/Pelorin.ini")));
    result = app.Run({QStringLiteral("--list"), kSongs + QStringLiteral("song1.mp3")});
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("晨曲\t歌手甲")));
    EXPECT_TRUE(Log(app).contains("Cannot open file \"" + app.file(QStringLiteral("ini/Pelorin.ini")).toUtf8()
                                  + "\". Not a regular file"));
}

TEST(PelorinBuildOutcome, SignerWithoutAPackageIsAFailure)
{
    CliApp app;
    app.SetJava(StandInTools({}, "exit 0"));
    const CliApp::Result result = app.Run({kSongs + QStringLiteral("song1.mp3")});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("生成apk失败\n"));
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(Log(app).endsWith("\tSign Apk Fail\r\n"));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output/vizizizar.txt"))));
    EXPECT_TRUE(EmptyFolder(app.file(QStringLiteral("data/vizizizar"))));
}

// The working folder on a file system too small for the songs.
TEST(PelorinBuildOutcome, FullDiskEndsTheBuildWithTheReason)
{
    CliApp app;
    app.SetJava(StandInTools());
    const QString data = app.file(QStringLiteral("data"));
    if (::geteuid() != 0 || QProcess::execute(QStringLiteral("mount"),
                                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                               QStringLiteral("size=1m"), QStringLiteral("tmpfs"), data}) != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    struct Unmount
    {
        QString folder;
        ~Unmount() { QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), folder}); }
    } unmount{data};

    QByteArray song = BuildData(QStringLiteral("songs/song1.mp3"));
    song.append(QByteArray(2 * 1024 * 1024, '\0'));
    app.write(QStringLiteral("big.mp3"), song);
    const CliApp::Result result = app.Run({app.file(QStringLiteral("big.mp3"))});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("无法把“%1”复制到工作文件夹：磁盘空间不足\n").arg(app.file(QStringLiteral("big.mp3"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output/vizizizar.apk"))));
    EXPECT_TRUE(EmptyFolder(app.file(QStringLiteral("data/vizizizar"))));
}

class StopSignalTest : public ::testing::TestWithParam<int> {};

// The packager and what it started end, the working folder is emptied and
// the log says why.
TEST_P(StopSignalTest, StopsThePackagerAndCleansUp)
{
    CliApp app;
    const QString pids = app.file(QStringLiteral("pids"));
    app.SetJava(StandInTools("sleep 60 & echo $! $$ > \"" + pids.toUtf8() + ".new\"; mv \"" + pids.toUtf8()
                             + ".new\" \"" + pids.toUtf8() + "\"; wait"));
    QProcess build;
    app.Start(build, {kSongs + QStringLiteral("song1.mp3")});
    for (int i = 0; i < 1200 && !QFile::exists(pids); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(pids));
    ::kill(pid_t(build.processId()), GetParam());
    ASSERT_TRUE(build.waitForFinished(60000));
    EXPECT_EQ(build.exitCode(), 128 + GetParam());
    EXPECT_EQ(QString::fromUtf8(build.readAllStandardError()), QStringLiteral("已取消生成\n"));
    for (const QByteArray &pid : app.read(QStringLiteral("pids")).trimmed().split(' '))
        EXPECT_FALSE(ProcessAlive(pid.toLongLong())) << pid.toStdString();
    EXPECT_TRUE(EmptyFolder(app.file(QStringLiteral("data/vizizizar"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output"))));
    EXPECT_TRUE(Log(app).endsWith("\tBuild cancelled\r\n"));
    EXPECT_FALSE(Log(app).contains("Build apk fail"));
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignalTest, ::testing::Values(SIGTERM, SIGINT));
} // namespace
