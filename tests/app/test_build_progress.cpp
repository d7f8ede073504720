// The build's progress window: the step and a bar first, the tools' output
// folded away under "详细信息".
#include "app/build_progress.h"

#include "build/build_monitor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(BuildProgress, LeadsWithTheStepAndKeepsTheToolsOutputFolded)
{
    QWidget window;
    BuildMonitor monitor;
    BuildProgress progress(monitor, &window);
    progress.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&progress));

    EXPECT_EQ(progress.DetailsButton()->text(), QStringLiteral("详细信息"));
    EXPECT_FALSE(progress.DetailsButton()->isChecked());
    EXPECT_FALSE(progress.Output()->isVisible());
    EXPECT_EQ(progress.Bar()->value(), 0);

    monitor.StepStarted(QStringLiteral("正在准备文件..."));
    monitor.StepStarted(QStringLiteral("正在打包..."));
    monitor.ToolOutput(QStringLiteral("I: Using Apktool 2.7.0\n"));
    EXPECT_EQ(progress.StepLabel()->text(), QStringLiteral("正在打包..."));
    EXPECT_EQ(progress.Bar()->value(), 2);
    EXPECT_FALSE(progress.Output()->isVisible());
    EXPECT_EQ(progress.Output()->toPlainText(), QStringLiteral("I: Using Apktool 2.7.0\n"));

    const int foldedHeight = progress.height();
    QTest::mouseClick(progress.DetailsButton(), Qt::LeftButton);
    EXPECT_TRUE(progress.Output()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return progress.height() > foldedHeight + 200; }));
    QTest::mouseClick(progress.DetailsButton(), Qt::LeftButton);
    EXPECT_FALSE(progress.Output()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return progress.height() == foldedHeight; }));

    // More steps than a build announces keep the bar full, not past it.
    for (int i = 0; i < BuildProgress::kStepCount + 2; ++i)
        monitor.StepStarted(QStringLiteral("正在清理旧文件..."));
    EXPECT_EQ(progress.Bar()->value(), progress.Bar()->maximum());
}

} // namespace
