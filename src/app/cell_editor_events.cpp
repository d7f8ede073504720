#include "app/cell_editor_events.h"

#include <QEvent>

EventHookFilter::EventHookFilter(QObject *target, EventHook hook)
    : QObject(target), m_hook(std::move(hook))
{
    target->installEventFilter(this);
}

bool EventHookFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && m_hook(event))
        return true;
    return QObject::eventFilter(watched, event);
}

void InstallEventHook(QObject *target, EventHook hook)
{
    new EventHookFilter(target, std::move(hook));
}
