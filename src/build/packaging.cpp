#include "build/packaging.h"

#include "build/build_folders.h"
#include "build/build_monitor.h"
#include "build/signing_key.h"
#include "build/work_folder.h"

#include "platform/app_folder.h"
#include "platform/shell_open.h"
#include "settings/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {
// The signer's class path: ",lib," stands for the library folder. Entries are
// separated by the platform's separator, each one followed by it.
const QString kClassPath = QStringLiteral(
    ",lib,p-rename-1.0.jar:,lib,jasmin-p2.5.jar:,lib,dx.jar:,lib,dex-translator-0.0.9.8.jar:"
    ",lib,dex-tools-0.0.0.4.jar:,lib,dex-reader-1.9.jar:,lib,dex-ir-1.6.jar:"
    ",lib,commons-lite-1.9.jar:,lib,commons-cli-1.2.jar:,lib,asm-all-3.3.1.jar:");

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString JavaProgram()
{
    return ApplicationFolder() + QStringLiteral("s/jre6/bin/java");
}

QString ClassPath()
{
    return QString(kClassPath).replace(QStringLiteral(",lib,"),
                                       ApplicationFolder() + QStringLiteral("s/Quenlow/lib/"));
}

bool Cancelled(const BuildMonitor *monitor)
{
    return monitor && monitor->IsCancelled();
}

// What identifies one version of a file: a signer that ends with code 0 has
// written a new one only when this changed.
struct FileVersion
{
    bool exists = false;
    qint64 size = 0;
    quint64 inode = 0;
    qint64 modifiedNs = 0;

    bool operator==(const FileVersion &) const = default;
};

FileVersion VersionOf(const QString &path)
{
    FileVersion version;
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return version;
    version.exists = true;
    version.size = status.st_size;
    version.inode = status.st_ino;
    version.modifiedNs = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    return version;
}

// The signer's temporary files beside the package: "." + file name + a
// number + ".aligned" or ".part".
QStringList SignerLeftovers(const QString &signedApk)
{
    const QFileInfo apk(signedApk);
    const QString prefix = QLatin1Char('.') + apk.fileName();
    QStringList files;
    // Compared by hand: the album name may hold wildcard characters.
    for (const QFileInfo &file :
         QDir(apk.absolutePath()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = file.fileName();
        if (name.startsWith(prefix)
            && (name.endsWith(QStringLiteral(".aligned")) || name.endsWith(QStringLiteral(".part"))))
            files.append(file.absoluteFilePath());
    }
    return files;
}
} // namespace

QString ToolsFolder()
{
    QString folder = ApplicationFolder();
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder + QStringLiteral("/s");
}

QString SignedApkPath(const QString &album)
{
    return OutputFile(album, QStringLiteral(".apk"));
}

ConsoleCommand PackagerCommand(const QString &album)
{
    const QString jar = ApplicationFolder() + QStringLiteral("s/apktool.jar");
    const QString folder = WorkFolder(album);
    return {JavaProgram(),
            {QStringLiteral("-jar"), jar, QStringLiteral("b"), QStringLiteral("-f"), folder},
            Quoted(JavaProgram()) + QStringLiteral(" -jar ") + Quoted(jar) + QStringLiteral(" b -f ")
                + Quoted(folder)};
}

ConsoleCommand SignerCommand(const QString &album)
{
    const QString classPath = ClassPath();
    const QString mainClass = QStringLiteral("com.googlecode.dex2jar.tools.ApkSign");
    const QString unsignedApk = WorkFolder(album) + QStringLiteral("/dist/MainActivity.apk");
    const QString signedApk = SignedApkPath(album);
    const QString key = SigningKeyFile();
    // The class path argument goes without the empty entry its closing
    // separator would add (the current folder).
    QString classPathArgument = classPath;
    classPathArgument.chop(1);
    return {JavaProgram(),
            {QStringLiteral("-Xms512m"), QStringLiteral("-Xmx1024m"), QStringLiteral("-cp"),
             classPathArgument, mainClass, unsignedApk, QStringLiteral("-o"), signedApk,
             QStringLiteral("--force"), QStringLiteral("--key"), key},
            Quoted(JavaProgram()) + QStringLiteral(" -Xms512m -Xmx1024m -cp ") + Quoted(classPath)
                + QLatin1Char(' ') + Quoted(mainClass) + QLatin1Char(' ') + Quoted(unsignedApk)
                + QStringLiteral(" -o ") + Quoted(signedApk) + QStringLiteral("  --force --key ")
                + Quoted(key)};
}

bool BuildAndSignApk(const QString &album, BuildMonitor *monitor)
{
    QString output;
    const ConsoleCommand packager = PackagerCommand(album);
    Trace(packager.text);
    AnnounceStep(monitor, QStringLiteral("正在打包..."));
    int code = RunConsoleCommand(ToolsFolder(), packager, SW_HIDE, output, monitor);
    if (Cancelled(monitor))
        return false;
    if (code != 0) {
        WriteLog(QStringLiteral("Build apk fail:") + QString::number(code));
        Trace(output);
        return false;
    }
    Trace(QStringLiteral("Aft cmd1"));

    // A fresh installation may have no output folder yet.
    OutputFolder(album);
    SettleSigningKey();
    const ConsoleCommand signer = SignerCommand(album);
    Trace(signer.text);
    AnnounceStep(monitor, QStringLiteral("正在签名..."));
    const QString signedApk = SignedApkPath(album);
    const FileVersion before = VersionOf(signedApk);
    const QStringList earlierLeftovers = SignerLeftovers(signedApk);
    code = RunConsoleCommand(ToolsFolder(), signer, SW_HIDE, output, monitor);
    // A signer that was killed leaves its temporary files; those of this
    // run go, anything older is not ours to judge.
    for (const QString &file : SignerLeftovers(signedApk)) {
        if (!earlierLeftovers.contains(file))
            QFile::remove(file);
    }
    if (Cancelled(monitor))
        return false;
    // Only a package that this run wrote counts, whatever the exit code.
    const FileVersion after = VersionOf(signedApk);
    if (code != 0 || !after.exists || after.size == 0 || after == before) {
        WriteLog(QStringLiteral("Sign Apk Fail"));
        return false;
    }
    Trace(QStringLiteral("Aft cmd2"));
    return true;
}
