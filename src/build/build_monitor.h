#pragma once

#include <QObject>
#include <QString>

// Follows one build: the steps announce themselves and the external tools'
// output through it, and a front end may ask it to stop the build. The
// front end shows what it hears; the steps look at IsCancelled().
class BuildMonitor : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void StepStarted(const QString &title) { emit stepStarted(title); }
    void ToolOutput(const QString &text) { emit toolOutput(text); }

    // Stops the running tool and makes the build end as a failed one.
    void Cancel();
    bool IsCancelled() const { return m_cancelled; }

signals:
    void stepStarted(const QString &title);
    void toolOutput(const QString &text);
    void cancelRequested();

private:
    bool m_cancelled = false;
};

// The same calls for an optional monitor.
inline void AnnounceStep(BuildMonitor *monitor, const QString &title)
{
    if (monitor)
        monitor->StepStarted(title);
}
