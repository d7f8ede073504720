#pragma once

#include <QObject>

#include <functional>

class QEvent;

// Sees every event of `target` before the target does. The hook returns true
// to swallow the event. The hook lives as long as the target.
using EventHook = std::function<bool(QEvent *event)>;
void InstallEventHook(QObject *target, EventHook hook);

class EventHookFilter : public QObject
{
    Q_OBJECT

public:
    EventHookFilter(QObject *target, EventHook hook);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EventHook m_hook;
};
