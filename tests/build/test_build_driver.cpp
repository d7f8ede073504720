#include "build_test_support.h"
#include "scripted_user.h"
#include "support/test_folders.h"

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
TEST_F(BuildDriverTest, SongsGoneSinceAddingAreListedAndNothingIsStaged)
{
    Java(Package());
    for (int i = 1; i <= 12; ++i) {
        list.Record(list.InsertAfter(nullptr)).SourceFile = app.file(QStringLiteral("gone%1.mp3").arg(i));
        app.write(QStringLiteral("gone%1.mp3").arg(i), "added, then deleted");
        app.remove(QStringLiteral("gone%1.mp3").arg(i));
    }
    user.names = {QStringLiteral("Morning")};
    EXPECT_EQ(RunBuild(list, user, AlbumName).outcome, BuildOutcome::Refused);
    QStringList listed;
    for (int i = 1; i <= 10; ++i)
        listed << app.file(QStringLiteral("gone%1.mp3").arg(i));
    EXPECT_TRUE(user.events.contains(QStringLiteral("info:以下歌曲文件已不存在或不是普通文件，请删除或重新加入后再生成：\n")
                                     + listed.join(QLatin1Char('\n')) + QStringLiteral("\n……另有 2 首")));
    EXPECT_TRUE(QDir(app.file(QStringLiteral("data"))).isEmpty());
}
} // namespace
