#include "build/build_monitor.h"

void BuildMonitor::Cancel()
{
    if (m_cancelled)
        return;
    m_cancelled = true;
    emit cancelRequested();
}
