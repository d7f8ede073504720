#include "build/console_command.h"

#include "build/build_monitor.h"

#include "platform/tool_environment.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStringDecoder>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {
// Signals the tool's process group; the tool itself when the group is not
// formed yet (the stop came between fork and exec).
void SignalTool(qint64 pid, int signal)
{
    if (pid <= 0)
        return;
    if (::kill(-pid_t(pid), signal) != 0 && errno == ESRCH)
        ::kill(pid_t(pid), signal);
}

bool GroupAlive(qint64 pid)
{
    return ::kill(-pid_t(pid), 0) == 0 || errno == EPERM;
}

// Waits with the event loop running until no process of the group is left
// or the deadline passes; true when the group is gone.
bool WaitForGroup(qint64 pid, const QDeadlineTimer &deadline)
{
    while (GroupAlive(pid)) {
        if (deadline.hasExpired())
            return false;
        QEventLoop pause;
        QTimer::singleShot(50, &pause, &QEventLoop::quit);
        pause.exec();
    }
    return true;
}
} // namespace

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
    // The tool and what it starts (the packager runs aapt) form a process
    // group of their own, so that a stop reaches every one of them.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });

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
    qint64 pid = 0;
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

    // A stop asks the tools to end (SIGTERM, and SIGCONT for one that was
    // suspended) so that they remove their temporary files; whatever is
    // left after the grace period is killed.
    QDeadlineTimer stopDeadline(QDeadlineTimer::Forever);
    QTimer killTimer;
    killTimer.setSingleShot(true);
    QObject::connect(&killTimer, &QTimer::timeout, &loop, [&] { SignalTool(pid, SIGKILL); });
    if (monitor) {
        QObject::connect(monitor, &BuildMonitor::cancelRequested, &loop, [&] {
            if (stopDeadline.isForever()) {
                stopDeadline.setRemainingTime(kToolStopGraceMs);
                SignalTool(pid, SIGTERM);
                SignalTool(pid, SIGCONT);
                killTimer.start(kToolStopGraceMs);
            }
        });
    }

    if (monitor && monitor->IsCancelled())
        return -1;
    process.start();
    pid = process.processId();
    if (!failedToStart && !finished)
        loop.exec();
    if (failedToStart)
        return -1;
    if (!stopDeadline.isForever() && !WaitForGroup(pid, stopDeadline)) {
        SignalTool(pid, SIGKILL);
        WaitForGroup(pid, QDeadlineTimer(1000));
    }
    drain();
    output = collected;
    if (process.exitStatus() == QProcess::CrashExit)
        return 128 + process.exitCode();
    return process.exitCode();
}
