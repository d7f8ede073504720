#pragma once

#include <QString>
#include <QStringList>

class BuildMonitor;

// An external command: what is started (never through a shell) and the same
// command as one quoted line for the notes.
struct ConsoleCommand
{
    QString program;
    QStringList arguments;
    QString text;
};

// How long a stopped tool may take to end before it is killed, in ms.
constexpr int kToolStopGraceMs = 5000;

// Runs the command in `directory` with no standard input, standard output and
// errors merged into `output`, and waits for it while the event loop keeps
// running, so a window stays responsive. The monitor, when given, hears the
// output as it arrives and can stop the command: the command and everything
// it started get SIGTERM, then SIGKILL after kToolStopGraceMs, and the call
// returns only when none of them is left (or a moment after the kill). Returns the exit code; -1
// when the program could not be started (`output` is then left as it was);
// 128 + the signal number when it was killed. `show` is accepted for the
// callers' sake: no console window exists here.
int RunConsoleCommand(const QString &directory, const ConsoleCommand &command, int show,
                      QString &output, BuildMonitor *monitor = nullptr);
