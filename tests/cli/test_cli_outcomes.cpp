// pelorin-build with stand-in tools: what it refuses, how it fails and
// stops, and the text it writes under each locale.
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
const QString kSong = QStringLiteral(PELORIN_TEST_DATA_DIR "/build/songs/song1.mp3");

// The "package" is the manifest the packager got; signing copies it.
QByteArray StandInTools(const QByteArray &packager = {}, const QByteArray &signer = "cp \"$in\" \"$out\"")
{
    return "for a; do [ \"$prev\" = -o ] && out=\"$a\"; case \"$a\" in */dist/MainActivity.apk) in=\"$a\";; "
           "esac; "
           "prev=\"$a\"; done\nif [ \"$1\" = -jar ]; then "
        + packager
        + "\n mkdir -p \"$5/dist\"; "
          "cp \"$5/AndroidManifest.xml\" \"$5/dist/MainActivity.apk\"; exit 0; fi\n"
        + signer + "\n";
}

QString PackageOf(const QByteArray &manifest)
{
    return QRegularExpression(QStringLiteral(" package=\"([^\"]*)\""))
        .match(QString::fromUtf8(manifest))
        .captured(1);
}

bool EmptyFolder(const QString &folder)
{
    return QDir(folder).exists()
        && QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QByteArray Log(const CliApp &app)
{
    return app.read(
        QStringLiteral("log/Pelorin%1.log").arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))));
}

// Two albums are two apps on the phone, and the report reads back whole.
TEST(PelorinBuildOutcome, NamesAndReportKeepEveryCharacterUnderEachLocale)
{
    // LANG, the platform's locale override for tests, the encoding expected.
    const std::tuple<const char *, const char *, int> locales[]
        = {{"C.UTF-8", "", 65001}, {"zh_CN.UTF-8", "", 65001}, {"C.UTF-8", "zh_CN.GBK", 936}};
    for (const auto &[lang, override, codePage] : locales) {
        CliApp app;
        app.SetJava(StandInTools());
        QFile::copy(QStringLiteral(PELORIN_APP_DIR "/info.tpl"), app.file(QStringLiteral("info.tpl")));
        app.environment.insert(QStringLiteral("PELORIN_LOCALE"), QLatin1String(override));
        QStringList packages;
        for (const QString &album : {QStringLiteral("我的专辑"), QStringLiteral("你的专辑")}) {
            const CliApp::Result result
                = app.Run({QStringLiteral("--album"), album, kSong}, QLatin1String(lang));
            ASSERT_EQ(result.code, 0) << result.err.toStdString();
            packages << PackageOf(app.read(QStringLiteral("output/") + album + QStringLiteral(".apk")));
            const QByteArray md5
                = QCryptographicHash::hash(TextToBytes(album, codePage), QCryptographicHash::Md5);
            EXPECT_EQ(packages.last(),
                      QStringLiteral("com.quorvane.dorvalith.m0a1b2c3d4e") + QLatin1String(md5.toHex()));
            EXPECT_EQ(
                app.read(QStringLiteral("output/") + album + QStringLiteral(".txt")),
                TextToBytes(QStringLiteral("本专辑由 Pelorin 生成。\r\n歌曲列表：\r\n1. 晨曲-歌手甲\r\n"),
                            codePage));
        }
        EXPECT_NE(packages[0], packages[1]) << lang << override;
    }
}

class AppIdTest : public ::testing::TestWithParam<std::string>
{
};

TEST_P(AppIdTest, OnlyAPackageNameAndroidTakesIsBuilt)
{
    CliApp app;
    app.SetJava(StandInTools());
    const QString appId = QString::fromStdString(GetParam());
    // With its mark: unmarked settings are read in the legacy code page.
    app.write(QStringLiteral("ini/Pelorin.ini"), "\xEF\xBB\xBF[Brisling]\nAppID=" + appId.toUtf8() + "\n");
    const CliApp::Result result = app.Run({kSong});
    if (appId == QLatin1String("abc_1")) {
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        EXPECT_EQ(PackageOf(app.read(QStringLiteral("output/vizizizar.apk"))),
                  QStringLiteral("com.quorvane.dorvalith.mabc_1"));
        return;
    }
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("设置 AppID 的值“%1”不能用作安卓应用的包名").arg(appId)))
        << result.err.toStdString();
    EXPECT_TRUE(EmptyFolder(app.file(QStringLiteral("data"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output"))));
}

INSTANTIATE_TEST_SUITE_P(Values, AppIdTest,
                         ::testing::Values("a.1b", "my-app", "x y", "中文", "a..b", std::string(300, 'q'),
                                           "abc_1"));

// As a song a pipe is refused by name; as the settings file it reads as none.
TEST(PelorinBuildOutcome, PipesAreAnsweredNotOpened)
{
    CliApp app;
    app.SetJava(StandInTools());
    for (const char *pipe : {"x.mp3", "ini/Pelorin.ini"}) {
        QFile::remove(app.file(QLatin1String(pipe)));
        ASSERT_EQ(::mkfifo(QFile::encodeName(app.file(QLatin1String(pipe))).constData(), 0600), 0);
    }
    CliApp::Result result = app.Run({kSong, app.file(QStringLiteral("x.mp3"))});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
              QStringLiteral("以下歌曲文件已不存在或不是普通文件，请删除或重新加入后再生成：\n%1\n")
                  .arg(app.file(QStringLiteral("x.mp3"))));
    EXPECT_TRUE(EmptyFolder(app.file(QStringLiteral("data"))));
    EXPECT_TRUE(Log(app).contains("Cannot open file \"" + app.file(QStringLiteral("ini/Pelorin.ini")).toUtf8()
                                  + "\". Not a regular file"));
}

TEST(PelorinBuildOutcome, SignerWithoutAPackageIsAFailure)
{
    CliApp app;
    app.SetJava(StandInTools({}, "exit 0"));
    const CliApp::Result result = app.Run({kSong});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, QStringLiteral("生成apk失败\n"));
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(Log(app).endsWith("\tSign Apk Fail\r\n"));
}

TEST(PelorinBuildOutcome, SongsLargerThanTheWorkingFoldersDiskFailTheBuild)
{
    CliApp app;
    app.SetJava(StandInTools());
    const QString data = app.file(QStringLiteral("data"));
    if (::geteuid() != 0
        || QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                              QStringLiteral("size=1m"), QStringLiteral("tmpfs"), data})
            != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    struct Unmount
    {
        QString folder;
        ~Unmount() { QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), folder}); }
    } unmount{data};
    app.write(QStringLiteral("big.mp3"),
              BuildData(QStringLiteral("songs/song1.mp3")) + QByteArray(2 << 20, '\0'));
    const CliApp::Result result = app.Run({app.file(QStringLiteral("big.mp3"))});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
              QStringLiteral("无法把“%1”复制到工作文件夹：磁盘空间不足\n")
                  .arg(app.file(QStringLiteral("big.mp3"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output/vizizizar.apk"))));
    EXPECT_TRUE(EmptyFolder(app.file(QStringLiteral("data/vizizizar"))));
}

class StopSignalTest : public ::testing::TestWithParam<int>
{
};

TEST_P(StopSignalTest, StopsThePackagerAndWhatItStartedAndCleansUp)
{
    CliApp app;
    const QByteArray pids = app.file(QStringLiteral("pids")).toUtf8();
    app.SetJava(StandInTools("sleep 60 & echo $! $$ > \"" + pids + ".new\"; mv \"" + pids + ".new\" \"" + pids
                             + "\"; wait"));
    QProcess build;
    app.Start(build, {kSong});
    for (int i = 0; i < 1200 && !QFile::exists(QString::fromUtf8(pids)); ++i)
        QThread::msleep(50);
    ::kill(pid_t(build.processId()), GetParam());
    ASSERT_TRUE(build.waitForFinished(60000));
    EXPECT_EQ(build.exitCode(), 128 + GetParam());
    EXPECT_EQ(QString::fromUtf8(build.readAllStandardError()), QStringLiteral("已取消生成\n"));
    for (const QByteArray &pid : app.read(QStringLiteral("pids")).trimmed().split(' '))
        EXPECT_FALSE(ProcessAlive(pid.toLongLong())) << pid.toStdString();
    EXPECT_TRUE(EmptyFolder(app.file(QStringLiteral("data/vizizizar"))));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output"))));
    EXPECT_TRUE(Log(app).endsWith("\tBuild cancelled\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignalTest, ::testing::Values(SIGTERM, SIGINT));
} // namespace
