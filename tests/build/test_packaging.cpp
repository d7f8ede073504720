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
                             "-o \"%1output/Morning.apk\"  --force")
                  .arg(a, classPath));
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
    ASSERT_EQ(signer.arguments.size(), 9);
    EXPECT_EQ(signer.arguments[3].split(QLatin1Char(':')).size(), 10);
    EXPECT_FALSE(signer.arguments[3].contains(QStringLiteral(",lib,")));
    EXPECT_EQ(signer.arguments[5], a + QStringLiteral("data/,lib,/dist/MainActivity.apk"));
    EXPECT_EQ(signer.arguments.mid(6),
              (QStringList{QStringLiteral("-o"), a + QStringLiteral("output/,lib,.apk"), QStringLiteral("--force")}));
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

// A stopped tool and what it started end: by SIGTERM when they heed it, by
// SIGKILL after the grace period when they do not.
TEST(RunConsoleCommand, CancelEndsTheToolAndEverythingItStarted)
{
    struct Case
    {
        const char *name;
        const char *ignore; // the shell's trap
        int code;
    };
    for (const Case &c : {Case{"heeds", "", 128 + 15}, Case{"ignores", "trap '' TERM;", 128 + 9}}) {
        QTemporaryDir folder;
        const QString pids = folder.filePath(QStringLiteral("pids"));
        BuildMonitor monitor;
        QObject::connect(&monitor, &BuildMonitor::toolOutput, &monitor, [&] { monitor.Cancel(); });
        QString output;
        const int code = RunConsoleCommand(
            folder.path(),
            Shell(QStringLiteral("%1 sleep 60 & echo $! $$ > '%2'; echo started; wait; wait").arg(
                QLatin1String(c.ignore), pids)),
            SW_HIDE, output, &monitor);
        EXPECT_EQ(code, c.code) << c.name;
        QFile file(pids);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
        for (const QByteArray &pid : file.readAll().trimmed().split(' '))
            EXPECT_FALSE(ProcessAlive(pid.toLongLong())) << c.name << " " << pid.toStdString();
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

// Exit code 0 is believed only with a new, non-empty package; temporary
// files of the signer's run are removed, earlier ones are not ours.
TEST_F(BuildAndSignTest, SuccessNeedsANewPackage)
{
    struct Case
    {
        const char *name;
        QByteArray signer; // what the stand-in does with "$out" before exiting 0
        bool signedOk;
    };
    const Case cases[] = {
        {"writes nothing", ":", false},
        {"writes an empty file", ": > \"$out\"", false},
        {"leaves the old package", ":", false},
        {"writes a new package", "echo new > \"$out.tmp\"; mv \"$out.tmp\" \"$out\"", true},
    };
    app.write(QStringLiteral("output/.A.apk1.part"), "an earlier run's");
    for (const Case &c : cases) {
        if (QByteArray(c.name) == "leaves the old package")
            app.write(QStringLiteral("output/A.apk"), "old");
        else
            app.remove(QStringLiteral("output/A.apk"));
        WriteScript(app.file(QStringLiteral("s/jre6/bin/java")),
                    "[ \"$1\" = -jar ] && exit 0\nout=\"$8\"\n"
                    "dir=$(dirname \"$out\"); : > \"$dir/.A.apk42.aligned\"; : > \"$dir/.A.apk7.part\"\n"
                    + c.signer + "\nexit 0\n");
        EXPECT_EQ(BuildAndSignApk(QStringLiteral("A")), c.signedOk) << c.name;
        EXPECT_EQ(ReadLog().endsWith("\tSign Apk Fail\r\n"), !c.signedOk) << c.name;
        EXPECT_EQ(FilesUnder(app.file(QStringLiteral("output"))).filter(QStringLiteral(".A.apk")),
                  QStringList{QStringLiteral(".A.apk1.part")}) << c.name;
        app.remove(QStringLiteral("log"));
        QDir().mkpath(app.file(QStringLiteral("log")));
    }
}

TEST_F(BuildAndSignTest, CancelledPackagingLogsNoFailure)
{
    WriteScript(app.file(QStringLiteral("s/jre6/bin/java")), "echo packaging; exec sleep 30\n");
    BuildMonitor monitor;
    QObject::connect(&monitor, &BuildMonitor::toolOutput, &monitor, [&] { monitor.Cancel(); });
    EXPECT_FALSE(BuildAndSignApk(QStringLiteral("A"), &monitor));
    EXPECT_TRUE(ReadLog().isEmpty());
}
} // namespace
