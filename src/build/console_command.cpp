#include "build/console_command.h"

#include "build/build_monitor.h"

#include "platform/tool_environment.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringDecoder>

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
