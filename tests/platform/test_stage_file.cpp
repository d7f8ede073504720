#include "platform/stage_file.h"

#include "platform/regular_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(StageFile, CopiesAcrossFileSystems)
{
    if (!QDir(QStringLiteral("/dev/shm")).exists())
        GTEST_SKIP() << "no second file system";
    QTemporaryDir other(QStringLiteral("/dev/shm/pelorin-XXXXXX"));
    QTemporaryDir here;
    const QString source = other.filePath(QStringLiteral("song.mp3"));
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("across");
    file.close();
    const QString target = here.filePath(QStringLiteral("music1.mp3"));
    EXPECT_NE(StageFile(source, target), StageMethod::Failed);
    QFile staged(target);
    ASSERT_TRUE(staged.open(QIODevice::ReadOnly));
    EXPECT_EQ(staged.readAll(), "across");
}

// A folder with one thing of each kind: a file, a folder, a pipe and links.
class FileKinds : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile file(Path("song.mp3"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("music");
        file.close();
        QDir(folder.path()).mkdir(QStringLiteral("folder"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.mp3")).constData(), 0600), 0);
        QFile::link(Path("song.mp3"), Path("link.mp3"));
        QFile::link(Path("pipe.mp3"), Path("pipe-link.mp3"));
    }
    QString Path(const char *name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
};

TEST_F(FileKinds, OnlyRegularFilesAreRegular)
{
    const std::pair<const char *, bool> cases[] = {
        {"song.mp3", true}, {"link.mp3", true}, {"folder", false}, {"pipe.mp3", false},
        {"pipe-link.mp3", false}, {"missing.mp3", false}};
    for (const auto &[name, regular] : cases)
        EXPECT_EQ(IsRegularFile(Path(name)), regular) << name;
    EXPECT_FALSE(IsRegularFile(QString()));
}

TEST_F(FileKinds, StagingRefusesWhatIsNoFileAndSaysWhy)
{
    struct Case
    {
        const char *source;
        const char *destination;
        const char *reason;
    };
    const Case cases[] = {
        {"missing.mp3", "out.mp3", "文件不存在"},
        {"pipe.mp3", "out.mp3", "不是普通文件"},       // would block on opening
        {"pipe-link.mp3", "out.mp3", "不是普通文件"},
        {"folder", "out.mp3", "不是普通文件"},
        {"song.mp3", "no-folder/out.mp3", "目标文件夹不存在"},
    };
    for (const Case &c : cases) {
        QString reason;
        EXPECT_EQ(StageFile(Path(c.source), Path(c.destination), &reason), StageMethod::Failed) << c.source;
        EXPECT_EQ(reason, QString::fromUtf8(c.reason)) << c.source;
        EXPECT_FALSE(QFile::exists(Path(c.destination))) << c.source;
    }
    EXPECT_NE(StageFile(Path("link.mp3"), Path("out.mp3")), StageMethod::Failed);
    QFile staged(Path("out.mp3"));
    ASSERT_TRUE(staged.open(QIODevice::ReadOnly));
    EXPECT_EQ(staged.readAll(), "music");
}

} // namespace
