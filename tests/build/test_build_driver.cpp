#include "build_test_support.h"
#include "scripted_user.h"
#include "support/test_folders.h"

#include "build/build_checks.h"
#include "build/build_driver.h"

#include "album/album_globals.h"
#include "album/in_memory_album_list.h"
#include "settings/pt_info.h"
#include "settings/random_id.h"


#include <gtest/gtest.h>

namespace {
const QString kSongs = QStringLiteral(PELORIN_TEST_DATA_DIR "/build/songs/");

// The driver over the real template and steps; the Java runtime is a script
// so that the tools' results can be chosen.
class BuildDriverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CopyTree(QStringLiteral(PELORIN_SOURCE_DIR "/template"), app.file(QStringLiteral("tpl")));
        for (const char *folder : {"res/raw", "assets/music", "assets/images", "assets/lrcs"})
            QDir().mkpath(app.file(QStringLiteral("tpl/") + QLatin1String(folder)));
        for (int i = 0; i < 10; ++i)
            QFile::copy(kSongs + QStringLiteral("song1.jpg"), app.file(QStringLiteral("pic/pic%1.jpg").arg(i)));
        app.write(QStringLiteral("ini/Pelorin.ini"), "[Brisling]\nColor=#ff00ff00\n");
        PtInfo = &settings;
        RandomId = QStringLiteral("0123456789");
        AlbumIconFile = kSongs + QStringLiteral("cover.png");
        TOrbData &song = list.Record(list.InsertAfter(nullptr));
        song.SongName = QStringLiteral("晨曲");
        song.Singer = QStringLiteral("歌手甲");
        song.SourceFile = kSongs + QStringLiteral("song1.mp3");
    }
    void TearDown() override
    {
        PtInfo = nullptr;
        RandomId.clear();
        AlbumIconFile.clear();
    }
    void Java(const QByteArray &packager)
    {
        WriteScript(app.file(QStringLiteral("s/jre6/bin/java")),
                    "if [ \"$1\" = -jar ]; then " + packager + "; fi\n"
                    "cp \"$6\" \"$8\"\n");
    }
    // The packager's own job, done by the script: the APK in dist/.
    static QByteArray Package() { return "mkdir -p \"$5/dist\"; echo apk > \"$5/dist/MainActivity.apk\"; exit 0"; }
    bool WorkFolderEmpty(const QString &album) const
    {
        const QDir folder(app.file(QStringLiteral("data/") + album));
        return folder.exists() && folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    TestAppFolder app;
    TPtInfo settings;
    InMemoryAlbumList list;
    QString AlbumName; // what the window remembers between builds
    ScriptedUser user;
};

TEST_F(BuildDriverTest, EmptyListOnlyTellsThePerson)
{
    list.DeleteAll();
    const BuildResult result = RunBuild(list, user, AlbumName);
    EXPECT_EQ(result.outcome, BuildOutcome::NoSongs);
    EXPECT_EQ(user.events, QStringList{QStringLiteral("info:请首先加入歌曲")});
    EXPECT_TRUE(QDir(app.file(QStringLiteral("data"))).isEmpty());
    EXPECT_TRUE(settings.TextColor.isEmpty()); // the settings were not read
}

TEST_F(BuildDriverTest, CancelledNameTouchesNothing)
{
    user.names = {std::nullopt};
    EXPECT_EQ(RunBuild(list, user, AlbumName).outcome, BuildOutcome::NameCancelled);
    EXPECT_TRUE(QDir(app.file(QStringLiteral("data"))).isEmpty());
}

TEST_F(BuildDriverTest, SuccessfulBuildReportsOpensAndEmpties)
{
    Java(Package());
    app.remove(QStringLiteral("output"));
    user.names = {QStringLiteral("Morning")};
    const BuildResult result = RunBuild(list, user, AlbumName);
    ASSERT_EQ(result.outcome, BuildOutcome::Succeeded) << result.failure.toStdString();
    EXPECT_EQ(result.apkPath, app.file(QStringLiteral("output/Morning.apk")));
    EXPECT_EQ(app.read(QStringLiteral("output/Morning.apk")), "apk\n");
    EXPECT_TRUE(app.read(QStringLiteral("output/Morning.txt")).endsWith(QStringLiteral("1. 晨曲-歌手甲\r\n").toUtf8()));
    EXPECT_EQ(user.events.mid(1),
              (QStringList{QStringLiteral("started"), QStringLiteral("open:") + app.file(QStringLiteral("output/")),
                           QStringLiteral("ended")}));
    EXPECT_EQ(user.steps,
              (QStringList{QStringLiteral("正在准备文件..."), QStringLiteral("正在设置应用名称..."),
                           QStringLiteral("正在生成图标..."), QStringLiteral("正在复制歌曲..."),
                           QStringLiteral("正在打包..."), QStringLiteral("正在签名..."),
                           QStringLiteral("正在写入说明..."), QStringLiteral("正在清理旧文件...")}));
    EXPECT_TRUE(WorkFolderEmpty(QStringLiteral("Morning")));
    EXPECT_EQ(settings.TextColor, QStringLiteral("#ff00ff00")); // reloaded for the build

    // The next build of the run asks whether to overwrite; Yes builds again.
    user.events.clear();
    user.answers = {IBuildUser::Answer::Yes};
    EXPECT_EQ(RunBuild(list, user, AlbumName).outcome, BuildOutcome::Succeeded);
    EXPECT_EQ(user.events.first(), QStringLiteral("ask:Morning已经存在，要覆盖么?"));
}

TEST_F(BuildDriverTest, StepErrorIsShownAndLeavesTheWorkingFolder)
{
    Java(Package());
    app.remove(QStringLiteral("tpl/res/values/strings.xml"));
    user.names = {QStringLiteral("Morning")};
    const BuildResult result = RunBuild(list, user, AlbumName);
    EXPECT_EQ(result.outcome, BuildOutcome::Error);
    EXPECT_TRUE(user.events.contains(
        QStringLiteral("error:Cannot open file \"%1\". No such file or directory")
            .arg(app.file(QStringLiteral("data/Morning/res/values/strings.xml")))));
    EXPECT_TRUE(QFile::exists(app.file(QStringLiteral("data/Morning/AndroidManifest.xml"))));
    EXPECT_EQ(user.events.last(), QStringLiteral("ended"));
}
// Refused before the working folder is touched: nothing staged, no tool run.
TEST_F(BuildDriverTest, UnbuildableAlbumIsRefusedWithTheReason)
{
    Java(Package());
    app.write(QStringLiteral("output/Earlier.apk"), "kept");
    struct Case
    {
        const char *ini;
        int missingSongs; // rows whose files are gone
        QString told;     // the start of the message
    };
    const Case cases[] = {
        {"AppID=a.1b\n", 0, QStringLiteral("设置 AppID 的值“a.1b”不能用作安卓应用的包名")},
        {"AppID=my-app\n", 0, QStringLiteral("设置 AppID 的值“my-app”")},
        {"", 1, QStringLiteral("以下歌曲文件已不存在或不是普通文件，请删除或重新加入后再生成：\n")
                    + app.file(QStringLiteral("in/gone1.mp3"))},
        {"", 12, QStringLiteral("以下歌曲文件已不存在或不是普通文件，请删除或重新加入后再生成：\n")
                     + app.file(QStringLiteral("in/gone1.mp3"))},
    };
    for (const Case &c : cases) {
        app.write(QStringLiteral("ini/Pelorin.ini"), QByteArray("[Brisling]\n") + c.ini);
        for (int i = 1; i <= c.missingSongs; ++i) {
            app.write(QStringLiteral("in/gone%1.mp3").arg(i), "added, then deleted");
            TOrbData &song = list.Record(list.InsertAfter(nullptr));
            song.SourceFile = app.file(QStringLiteral("in/gone%1.mp3").arg(i));
            app.remove(QStringLiteral("in/gone%1.mp3").arg(i));
        }
        user = ScriptedUser();
        user.names = {QStringLiteral("Morning")};
        AlbumName.clear();
        const BuildResult result = RunBuild(list, user, AlbumName);
        EXPECT_EQ(result.outcome, BuildOutcome::Refused);
        const QStringList told = user.events.filter(QStringLiteral("info:"));
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told[0].startsWith(QStringLiteral("info:") + c.told)) << told[0].toStdString();
        if (c.missingSongs > kMaxListedSongs) {
            EXPECT_FALSE(told[0].contains(QStringLiteral("gone11.mp3")));
            EXPECT_TRUE(told[0].endsWith(QStringLiteral("gone10.mp3\n……另有 2 首")));
        }
        EXPECT_TRUE(QDir(app.file(QStringLiteral("data"))).isEmpty());
        EXPECT_EQ(FilesUnder(app.file(QStringLiteral("output"))), QStringList{QStringLiteral("Earlier.apk")});
        for (AlbumRow *row = list.Next(list.First()); row; row = list.Next(row))
            list.SetSelected(row, true);
        list.DeleteSelected();
    }

    app.write(QStringLiteral("ini/Pelorin.ini"), "[Brisling]\nAppID=abc_1\n");
    user = ScriptedUser();
    user.names = {QStringLiteral("Morning")};
    AlbumName.clear();
    EXPECT_EQ(RunBuild(list, user, AlbumName).outcome, BuildOutcome::Succeeded);
}

// Failures after the start end the build as failed, with the working
// folder emptied and nothing claimed as built.
TEST_F(BuildDriverTest, FailuresAreToldAndEmptyTheWorkingFolder)
{
    struct Case
    {
        const char *name;
        QByteArray packager;
        QByteArray signer;
        const char *removed;
        QString told;
        QByteArray logged;
    };
    const Case cases[] = {
        {"no package", Package(), "exit 0", nullptr, QStringLiteral("info:生成apk失败"), "\tSign Apk Fail\r\n"},
        {"copy fails", Package(), "cp \"$6\" \"$8\"", "pic/pic1.jpg",
         QStringLiteral("info:无法把“%1”复制到工作文件夹：文件不存在").arg(app.file(QStringLiteral("pic/pic1.jpg"))), ""},
    };
    for (const Case &c : cases) {
        WriteScript(app.file(QStringLiteral("s/jre6/bin/java")),
                    "if [ \"$1\" = -jar ]; then " + c.packager + "; fi\n" + c.signer + "\n");
        if (c.removed)
            app.remove(QLatin1String(c.removed));
        user = ScriptedUser();
        user.names = {QStringLiteral("Morning")};
        user.answers = {IBuildUser::Answer::Yes};
        const BuildResult result = RunBuild(list, user, AlbumName);
        EXPECT_EQ(result.outcome, BuildOutcome::StepFailed) << c.name;
        EXPECT_TRUE(result.apkPath.isEmpty()) << c.name;
        EXPECT_EQ(user.events.filter(QStringLiteral("info:")), QStringList{c.told}) << c.name;
        EXPECT_FALSE(user.events.contains(QStringLiteral("open:") + app.file(QStringLiteral("output/")))) << c.name;
        EXPECT_TRUE(WorkFolderEmpty(QStringLiteral("Morning"))) << c.name;
        EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output/Morning.apk")))) << c.name;
        EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("output/Morning.txt")))) << c.name;
        EXPECT_TRUE(ReadLog().endsWith(c.logged)) << c.name;
    }
}

TEST_F(BuildDriverTest, CancelDuringPackagingIsLoggedAsSuch)
{
    Java("echo packaging; exec sleep 30");
    user.names = {QStringLiteral("Morning")};
    user.onStarted = [](BuildMonitor &monitor) {
        QObject::connect(&monitor, &BuildMonitor::toolOutput, &monitor, [&monitor] { monitor.Cancel(); });
    };
    const BuildResult result = RunBuild(list, user, AlbumName);
    EXPECT_EQ(result.outcome, BuildOutcome::Cancelled);
    EXPECT_TRUE(user.events.filter(QStringLiteral("info:")).isEmpty());
    EXPECT_TRUE(ReadLog().endsWith("\tBuild cancelled\r\n"));
    EXPECT_FALSE(ReadLog().contains("Build apk fail"));
    EXPECT_TRUE(WorkFolderEmpty(QStringLiteral("Morning")));
}
} // namespace
