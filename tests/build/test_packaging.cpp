#include "build_test_support.h"
#include "support/process_alive.h"
#include "support/test_folders.h"

#include "build/build_monitor.h"
#include "build/console_command.h"
#include "build/packaging.h"
#include "platform/shell_open.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
ConsoleCommand Shell(const QString &script)
{
    return {QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}, script};
}

TEST(PackagingCommands, TextsForTheNotes)
{
    TestAppFolder app;
    const QString a = app.path();
    EXPECT_EQ(PackagerCommand(QStringLiteral("Morning")).text,
              QStringLiteral("\"%1s/jre6/bin/java\" -jar \"%1s/apktool.jar\" b -f \"%1data/Morning\"").arg(a));
    const QString lib = a + QStringLiteral("s/Quenlow/lib/");
    const QString classPath =
        QStringList{QStringLiteral("p-rename-1.0.jar"), QStringLiteral("jasmin-p2.5.jar"), QStringLiteral("dx.jar"),
                    QStringLiteral("dex-translator-0.0.9.8.jar"), QStringLiteral("dex-tools-0.0.0.4.jar"),
                    QStringLiteral("dex-reader-1.9.jar"), QStringLiteral("dex-ir-1.6.jar"),
                    QStringLiteral("commons-lite-1.9.jar"), QStringLiteral("commons-cli-1.2.jar"),
                    QStringLiteral("asm-all-3.3.1.jar")}
            .replaceInStrings(QRegularExpression(QStringLiteral("^")), lib)
            .join(QLatin1Char(':'))
        + QLatin1Char(':');
    EXPECT_EQ(SignerCommand(QStringLiteral("Morning")).text,
              QStringLiteral("\"%1s/jre6/bin/java\" -Xms512m -Xmx1024m -cp \"%2\" "
                             "\"com.googlecode.dex2jar.tools.ApkSign\" \"%1data/Morning/dist/MainActivity.apk\" "
                             "-o \"%1output/Morning.apk\"  --force --key \"%3/Holvensk/Brisling/signing-key.p12\"")
                  .arg(a, classPath, qEnvironmentVariable("XDG_DATA_HOME")));
}

TEST(PackagingCommands, ArgumentsKeepTheAlbumNameWhole)
{
    TestAppFolder app;
    const QString a = app.path();
    const ConsoleCommand packager = PackagerCommand(QStringLiteral(" my ,lib, 'album' "));
    EXPECT_EQ(packager.program, a + QStringLiteral("s/jre6/bin/java"));
    EXPECT_EQ(packager.arguments,
              (QStringList{QStringLiteral("-jar"), a + QStringLiteral("s/apktool.jar"), QStringLiteral("b"),
                           QStringLiteral("-f"), a + QStringLiteral("data/ my ,lib, 'album' ")}));
    const ConsoleCommand signer = SignerCommand(QStringLiteral(",lib,"));
    ASSERT_EQ(signer.arguments.size(), 11);
    EXPECT_EQ(signer.arguments[3].split(QLatin1Char(':')).size(), 10);
    EXPECT_FALSE(signer.arguments[3].contains(QStringLiteral(",lib,")));
    EXPECT_EQ(signer.arguments[5], a + QStringLiteral("data/,lib,/dist/MainActivity.apk"));
    EXPECT_EQ(signer.arguments.mid(6),
              (QStringList{QStringLiteral("-o"), a + QStringLiteral("output/,lib,.apk"), QStringLiteral("--force"),
                           QStringLiteral("--key"),
                           qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Holvensk/Brisling/signing-key.p12")}));
    EXPECT_TRUE(signer.text.contains(QStringLiteral("\"%1data/,lib,/dist/MainActivity.apk\"").arg(a)));
    EXPECT_EQ(ToolsFolder(), a + QStringLiteral("s"));
}

TEST(RunConsoleCommand, MergesOutputAndReturnsTheExitCode)
{
    QTemporaryDir folder;
    QString output = QStringLiteral("old");
    const int code = RunConsoleCommand(folder.path(),
                                       Shell(QStringLiteral("pwd; echo 错误 >&2; cat; exit 3")), SW_HIDE, output);
    EXPECT_EQ(code, 3);
    EXPECT_EQ(output, folder.path() + QStringLiteral("\n错误\n"));
}

TEST(RunConsoleCommand, MissingProgramGivesMinusOneAndKeepsTheOutput)
{
    QString output = QStringLiteral("old");
    const ConsoleCommand command{QStringLiteral("/nonexistent/java"), {}, QStringLiteral("java")};
    EXPECT_EQ(RunConsoleCommand(QDir::tempPath(), command, SW_HIDE, output), -1);
    EXPECT_EQ(output, QStringLiteral("old"));
}

TEST(RunConsoleCommand, MonitorHearsOutputAndCancelKillsTheTool)
{
    BuildMonitor monitor;
    QString heard;
    QObject::connect(&monitor, &BuildMonitor::toolOutput, &monitor, [&](const QString &piece) {
        heard += piece;
        monitor.Cancel();
    });
    QElapsedTimer timer;
    timer.start();
    QString output;
    const int code = RunConsoleCommand(QDir::tempPath(), Shell(QStringLiteral("echo started; exec sleep 30")),
                                       SW_HIDE, output, &monitor);
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(code, 128 + 15); // asked to end with SIGTERM
    EXPECT_EQ(heard, QStringLiteral("started\n"));
    EXPECT_EQ(output, QStringLiteral("started\n"));
}

// What the tool started ends with it; a tool deaf to SIGTERM is killed after
// the grace period.
TEST(RunConsoleCommand, CancelEndsTheToolAndEverythingItStarted)
{
    for (const auto &[trap, code] : {std::pair{"", 128 + 15}, std::pair{"trap '' TERM;", 128 + 9}}) {
        QTemporaryDir folder;
        BuildMonitor monitor;
        QObject::connect(&monitor, &BuildMonitor::toolOutput, &monitor, [&] { monitor.Cancel(); });
        QString output;
        const QString script = QStringLiteral("%1 sleep 60 & echo $! $$ > pids; echo started; wait").arg(QLatin1String(trap));
        EXPECT_EQ(RunConsoleCommand(folder.path(), Shell(script), SW_HIDE, output, &monitor), code) << trap;
        QFile pids(folder.filePath(QStringLiteral("pids")));
        ASSERT_TRUE(pids.open(QIODevice::ReadOnly));
        for (const QByteArray &pid : pids.readAll().trimmed().split(' '))
            EXPECT_FALSE(ProcessAlive(pid.toLongLong())) << trap << pid.toStdString();
    }
}

TEST(RunConsoleCommand, EventLoopKeepsRunningWhileWaiting)
{
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] { ++ticks; });
    timer.start(20);
    QString output;
    RunConsoleCommand(QDir::tempPath(), Shell(QStringLiteral("sleep 0.5")), SW_HIDE, output);
    EXPECT_GE(ticks, 5);
}

TEST(ToolEnvironment, JavaOpensChinesePathsUnderAMissingLocale)
{
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("Check.java"));
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("public class Check { public static void main(String[] a) throws Exception {\n"
               "  java.nio.file.Files.createDirectories(java.nio.file.Paths.get(a[0]));\n"
               "  System.out.print(System.getProperty(\"sun.jnu.encoding\")); } }\n");
    file.close();
    const QByteArray oldLang = qgetenv("LANG");
    qputenv("LANG", "zh_CN.UTF-8");
    const QString made = folder.filePath(QStringLiteral("中文专辑"));
    QString output;
    const int code = RunConsoleCommand(folder.path(),
                                       {QStringLiteral("/usr/bin/java"), {source, made}, QString()}, SW_HIDE, output);
    qputenv("LANG", oldLang);
    EXPECT_EQ(code, 0) << output.toStdString();
    EXPECT_EQ(output, QStringLiteral("UTF-8"));
    EXPECT_TRUE(QDir(made).exists());
}

// A Java runtime stand-in that records its command lines, and fails or
// succeeds as the test says, to check what BuildAndSignApk does with them.
class BuildAndSignTest : public ::testing::Test
{
protected:
    void SetUp() override { QDir().mkpath(app.file(QStringLiteral("data/A/dist"))); }
    void Java(const QByteArray &packagerExit, const QByteArray &signerExit)
    {
        WriteScript(app.file(QStringLiteral("s/jre6/bin/java")),
                    "echo \"$@\" >> \"" + app.file(QStringLiteral("calls")).toUtf8() + "\"\n"
                    "if [ \"$1\" = -jar ]; then echo packaging; exit " + packagerExit + "; fi\n"
                    "out=\"$8\"; [ -d \"$(dirname \"$out\")\" ] || exit 9\n"
                    "echo signed > \"$out\"; exit " + signerExit + "\n");
    }
    QList<QByteArray> Calls() const { return app.read(QStringLiteral("calls")).split('\n'); }

    TestAppFolder app;
};

TEST_F(BuildAndSignTest, BothRunsSucceedAndTheOutputFolderIsMadeFirst)
{
    Java("0", "0");
    app.remove(QStringLiteral("output"));
    BuildMonitor monitor;
    QStringList steps;
    QString heard;
    QObject::connect(&monitor, &BuildMonitor::stepStarted, &monitor, [&](const QString &t) { steps << t; });
    QObject::connect(&monitor, &BuildMonitor::toolOutput, &monitor, [&](const QString &t) { heard += t; });
    EXPECT_TRUE(BuildAndSignApk(QStringLiteral("A"), &monitor));
    EXPECT_EQ(app.read(QStringLiteral("output/A.apk")), "signed\n");
    EXPECT_EQ(Calls().size(), 3);
    EXPECT_EQ(steps, (QStringList{QStringLiteral("正在打包..."), QStringLiteral("正在签名...")}));
    EXPECT_EQ(heard, QStringLiteral("packaging\n"));
    EXPECT_TRUE(ReadLog().isEmpty());
}

TEST_F(BuildAndSignTest, SignerFailureIsLogged)
{
    Java("0", "1");
    EXPECT_FALSE(BuildAndSignApk(QStringLiteral("A")));
    EXPECT_TRUE(ReadLog().endsWith("\tSign Apk Fail\r\n"));
}
} // namespace
