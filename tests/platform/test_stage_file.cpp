#include "platform/stage_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace
