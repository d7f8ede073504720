#include "build_test_support.h"
#include "support/test_folders.h"

#include "build/build_folders.h"
#include "build/build_monitor.h"
#include "build/work_folder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
class WorkFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app.write(QStringLiteral("tpl/AndroidManifest.xml"), "<manifest/>");
        app.write(QStringLiteral("tpl/res/values/strings.xml"), "<resources/>");
        QDir().mkpath(app.file(QStringLiteral("tpl/assets/music")));
    }
    QString work(const QString &album) const { return app.file(QStringLiteral("data/") + album); }

    TestAppFolder app;
};

TEST_F(WorkFolderTest, PreparingANewFolderCopiesTheTemplateContents)
{
    BuildMonitor monitor;
    QStringList titles;
    QObject::connect(&monitor, &BuildMonitor::stepStarted, &monitor,
                     [&](const QString &title) { titles << title; });
    ASSERT_TRUE(PrepareWorkFolder(QStringLiteral("专辑 One"), &monitor));
    EXPECT_EQ(FilesUnder(work(QStringLiteral("专辑 One"))),
              (QStringList{QStringLiteral("AndroidManifest.xml"), QStringLiteral("res/values/strings.xml")}));
    EXPECT_TRUE(QDir(work(QStringLiteral("专辑 One")) + QStringLiteral("/assets/music")).exists());
    EXPECT_EQ(titles, QStringList{QStringLiteral("正在准备文件...")});
    EXPECT_TRUE(ReadLog().isEmpty());
}

TEST_F(WorkFolderTest, PreparingAnOldFolderRemovesEverythingFirst)
{
    app.write(QStringLiteral("data/A/dist/MainActivity.apk"), "old");
    app.write(QStringLiteral("data/A/res/values/strings.xml"), "old strings");
    app.write(QStringLiteral("data/A/.hidden"), "old");
    BuildMonitor monitor;
    QStringList titles;
    QObject::connect(&monitor, &BuildMonitor::stepStarted, &monitor,
                     [&](const QString &title) { titles << title; });
    ASSERT_TRUE(PrepareWorkFolder(QStringLiteral("A"), &monitor));
    EXPECT_EQ(FilesUnder(work(QStringLiteral("A"))),
              (QStringList{QStringLiteral("AndroidManifest.xml"), QStringLiteral("res/values/strings.xml")}));
    EXPECT_EQ(app.read(QStringLiteral("data/A/res/values/strings.xml")), "<resources/>");
    EXPECT_EQ(titles, (QStringList{QStringLiteral("正在清理旧文件..."), QStringLiteral("正在准备文件...")}));
}

TEST_F(WorkFolderTest, MissingTemplateFailsWithLogLine)
{
    app.remove(QStringLiteral("tpl"));
    EXPECT_FALSE(PrepareWorkFolder(QStringLiteral("A")));
    EXPECT_TRUE(ReadLog().endsWith("\tcp tpl fail\r\n"));
}

TEST_F(WorkFolderTest, ClearingKeepsTheEmptyFolder)
{
    ASSERT_TRUE(PrepareWorkFolder(QStringLiteral("A")));
    ClearWorkFolder(work(QStringLiteral("A")));
    EXPECT_TRUE(QDir(work(QStringLiteral("A"))).exists());
    EXPECT_TRUE(QDir(work(QStringLiteral("A"))).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(WorkFolderTest, ClearingAMissingFolderDoesNothing)
{
    ClearWorkFolder(work(QStringLiteral("none")));
    EXPECT_FALSE(QFile::exists(work(QStringLiteral("none"))));
    EXPECT_TRUE(ReadLog().isEmpty());
}

TEST_F(WorkFolderTest, NothingOutsideTheAlbumFolderIsEverRemoved)
{
    app.write(QStringLiteral("output/kept.apk"), "apk");
    app.write(QStringLiteral("data/other/kept.txt"), "other album");
    app.write(QStringLiteral("outside/kept.txt"), "outside");
    ASSERT_TRUE(QFile::link(app.file(QStringLiteral("outside")), work(QStringLiteral("linked"))));
    ASSERT_TRUE(PrepareWorkFolder(QStringLiteral("A")));
    ASSERT_TRUE(QFile::link(app.file(QStringLiteral("outside")), work(QStringLiteral("A/link"))));

    ClearWorkFolder(app.file(QStringLiteral("output")));
    ClearWorkFolder(app.file(QStringLiteral("data")));
    ClearWorkFolder(work(QStringLiteral("linked")));
    ClearWorkFolder(work(QStringLiteral("A/..")));
    EXPECT_FALSE(PrepareWorkFolder(QStringLiteral("../output")));
    EXPECT_FALSE(PrepareWorkFolder(QString()));
    ClearWorkFolder(work(QStringLiteral("A"))); // removes the link, not what it points to

    EXPECT_EQ(app.read(QStringLiteral("output/kept.apk")), "apk");
    EXPECT_EQ(app.read(QStringLiteral("data/other/kept.txt")), "other album");
    EXPECT_EQ(app.read(QStringLiteral("outside/kept.txt")), "outside");
    EXPECT_FALSE(QFileInfo::exists(work(QStringLiteral("A/link"))));
    EXPECT_FALSE(QFileInfo(work(QStringLiteral("A/link"))).isSymLink());
}
TEST(BuildFolders, OutputFolderIsCreatedOnceAndEndsWithSlash)
{
    TestAppFolder app;
    app.remove(QStringLiteral("output"));
    const QString folder = OutputFolder(QStringLiteral("ignored"));
    EXPECT_EQ(folder, app.file(QStringLiteral("output/")));
    EXPECT_TRUE(QDir(folder).exists());
    app.write(QStringLiteral("output/keep.apk"), "x");
    EXPECT_EQ(OutputFolder(QString()), folder);
    EXPECT_EQ(app.read(QStringLiteral("output/keep.apk")), QByteArray("x"));
    EXPECT_EQ(DataFolder(), app.file(QStringLiteral("data")));
}

} // namespace
