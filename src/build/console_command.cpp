#include "build/console_command.h"

#include "build/build_monitor.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringDecoder>

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

bool IsUsableUtf8Locale(const QString &name)
{
    if (name.isEmpty())
        return false;
    const locale_t locale = ::newlocale(LC_CTYPE_MASK, name.toLocal8Bit().constData(), locale_t(0));
    if (locale == locale_t(0))
        return false;
    const char *codeset = ::nl_langinfo_l(CODESET, locale);
    const bool utf8 = codeset && std::strcmp(codeset, "UTF-8") == 0;
    ::freelocale(locale);
    return utf8;
}

QProcessEnvironment ToolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The locale of the character type, as the C library resolves it.
    QString name;
    for (const char *variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        name = environment.value(QLatin1String(variable));
        if (!name.isEmpty())
            break;
    }
    if (!IsUsableUtf8Locale(name))
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}

int RunConsoleCommand(const QString &directory, const ConsoleCommand &command, int,
                      QString &output, BuildMonitor *monitor)
{
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(directory);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessEnvironment(ToolEnvironment());

    QString collected;
    QStringDecoder decoder(QStringDecoder::Utf8);
    auto drain = [&] {
        const QString piece = decoder.decode(process.readAllStandardOutput());
        if (piece.isEmpty())
            return;
        collected += piece;
        if (monitor)
            monitor->ToolOutput(piece);
    };

    QEventLoop loop;
    bool failedToStart = false;
    bool finished = false;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, drain);
    QObject::connect(&process, &QProcess::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failedToStart = true;
            loop.quit();
        }
    });
    if (monitor)
        QObject::connect(monitor, &BuildMonitor::cancelRequested, &loop, [&] { process.kill(); });

    if (monitor && monitor->IsCancelled())
        return -1;
    process.start();
    if (!failedToStart && !finished)
        loop.exec();
    if (failedToStart)
        return -1;
    drain();
    output = collected;
    if (process.exitStatus() == QProcess::CrashExit)
        return 128 + process.exitCode();
    return process.exitCode();
}
