#include "cli_app.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {
const QString kStaged = QStringLiteral(PELORIN_APP_DIR "/");

QString Output(const QString &program, const QStringList &arguments, int *code = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (code)
        *code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

void MakeExecutable(const QString &path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}
} // namespace

QByteArray BuildData(const QString &relative)
{
    QFile file(QStringLiteral(PELORIN_TEST_DATA_DIR "/build/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CliApp::CliApp(const QString &dataHome)
    : m_dataHome(dataHome.isEmpty() ? file(QStringLiteral("data-home")) : dataHome)
{
    for (const char *folder : {"log", "data", "ini", "pic", "s/jre6/bin", "s/Quenlow/lib"})
        QDir().mkpath(file(QLatin1String(folder)));
    QFile::copy(kStaged + QStringLiteral("pelorin-build"), file(QStringLiteral("pelorin-build")));
    MakeExecutable(file(QStringLiteral("pelorin-build")));
    QFile::link(kStaged + QStringLiteral("tpl"), file(QStringLiteral("tpl")));
    QFile::copy(kStaged + QStringLiteral("s/apktool.jar"), file(QStringLiteral("s/apktool.jar")));
    QDirIterator jars(kStaged + QStringLiteral("s/Quenlow/lib"), {QStringLiteral("*.jar")});
    while (jars.hasNext()) {
        const QFileInfo jar(jars.next());
        QFile::copy(jar.canonicalFilePath(), file(QStringLiteral("s/Quenlow/lib/") + jar.fileName()));
    }
    for (int i = 0; i < 10; ++i)
        QFile::copy(kStaged + QStringLiteral("pic/pic%1.jpg").arg(i), file(QStringLiteral("pic/pic%1.jpg").arg(i)));
    write(QStringLiteral("ini/Pelorin.ini"), "[Brisling]\nRandomID=0A1B2C3D4E\n");
    const QString java = QFileInfo(kStaged + QStringLiteral("s/jre6/bin/java")).canonicalFilePath();
    SetJava("echo \"$@\" >> \"" + file(QStringLiteral("calls")).toUtf8() + "\"\n"
            "if [ \"$1\" = -jar ]; then rm -rf \"" + file(QStringLiteral("snapshot")).toUtf8() + "\"; "
            "cp -r \"$5\" \"" + file(QStringLiteral("snapshot")).toUtf8() + "\"; fi\n"
            "if [ -e \"" + file(QStringLiteral("stop-before-packaging")).toUtf8() + "\" ]; then exit 2; fi\n"
            "exec \"" + java.toUtf8() + "\" \"$@\"\n");
}

QString CliApp::KeyFile() const
{
    return m_dataHome + QStringLiteral("/Holvensk/Brisling/signing-key.p12");
}

QString CliApp::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString CliApp::file(const QString &relative) const
{
    return path() + relative;
}

void CliApp::write(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(file(relative)).absolutePath());
    QFile out(file(relative));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(bytes);
}

QByteArray CliApp::read(const QString &relative) const
{
    QFile in(file(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void CliApp::SetJava(const QByteArray &script) const
{
    const QString java = file(QStringLiteral("s/jre6/bin/java"));
    QFile::remove(java);
    if (script.isEmpty())
        return;
    write(QStringLiteral("s/jre6/bin/java"), "#!/bin/sh\n" + script);
    MakeExecutable(java);
}

void CliApp::Start(QProcess &process, const QStringList &arguments, const QString &lang) const
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("LANG"), lang);
    variables.remove(QStringLiteral("LC_ALL"));
    variables.remove(QStringLiteral("LC_CTYPE"));
    // The installation identifier's per-user store lives in the test folder.
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), file(QStringLiteral("config")));
    variables.insert(QStringLiteral("XDG_DATA_HOME"), m_dataHome);
    // The cache of the songs' embedded pictures, too.
    variables.insert(QStringLiteral("XDG_CACHE_HOME"), file(QStringLiteral("cache")));
    for (auto it = environment.begin(); it != environment.end(); ++it)
        variables.insert(it.key(), it.value());
    process.setProcessEnvironment(variables);
    process.start(file(QStringLiteral("pelorin-build")), arguments);
    process.closeWriteChannel();
}

CliApp::Result CliApp::Run(const QStringList &arguments, const QString &lang) const
{
    QProcess process;
    Start(process, arguments, lang);
    process.waitForFinished(300000);
    Result result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QByteArray CliApp::Unzip(const QString &apk, const QString &entry)
{
    QProcess process;
    process.start(QStringLiteral("unzip"), {QStringLiteral("-p"), apk, entry});
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

QString CliApp::Badging(const QString &apk)
{
    return Output(QStringLiteral("aapt"), {QStringLiteral("dump"), QStringLiteral("badging"), apk});
}

bool CliApp::Verifies(const QString &apk)
{
    int code = -1;
    Output(QStringLiteral("apksigner"), {QStringLiteral("verify"), apk}, &code);
    return code == 0;
}

QString CliApp::Certificate(const QString &apk)
{
    const QString out = Output(QStringLiteral("apksigner"), {QStringLiteral("verify"), QStringLiteral("--print-certs"), apk});
    static const QRegularExpression digest(QStringLiteral("certificate SHA-256 digest: ([0-9a-f]+)"));
    return digest.match(out).captured(1);
}
