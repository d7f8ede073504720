#include "platform/app_error.h"
#include "platform/app_folder.h"
#include "platform/shell_open.h"

#include "support/test_folders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(ApplicationTitle, CutsAtTheFirstDotAndLowersTheRest)
{
    TestAppFolder app(QStringLiteral("AlbumTool.exe"));
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("Albumtool"));
    SetApplicationIdentity(app.path(), QStringLiteral("Pelorin"));
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("Pelorin"));
    SetApplicationIdentity(app.path(), QStringLiteral("my.tool.bin"));
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("my"));
}

TEST(ApplicationFolder, EndsWithSlashAndDefaultsToTheExecutablesFolder)
{
    EXPECT_TRUE(ApplicationFolder().endsWith(QLatin1Char('/')));
    EXPECT_EQ(ExecutableName(), QStringLiteral("test_platform"));
}

TEST(ErrorBoxText, AppendsADotUnlessTheMessageEndsInOne)
{
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Disk full")), QStringLiteral("Disk full."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Done.")), QStringLiteral("Done."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Why?")), QStringLiteral("Why?."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("path \"x\"")), QStringLiteral("path \"x\""));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("失败")), QStringLiteral("失败."));
}

TEST(OpenWithShell, PassesTheWholeTarget)
{
    QString opened;
    SetShellOpenHandler([&](const QString &target) { opened = target; });
    const QString longPath = QStringLiteral("/tmp/") + QString(200, QLatin1Char('x'));
    OpenWithShell(longPath, QString(), QString(), 1);
    EXPECT_EQ(opened, longPath);
    SetShellOpenHandler({});
}

} // namespace
