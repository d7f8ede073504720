#include "update/request_cancel.h"

#include <curl/curl.h>

void RequestCancel::Cancel()
{
    std::lock_guard lock(m_mutex);
    m_cancelled = true;
    if (m_multi)
        curl_multi_wakeup(static_cast<CURLM *>(m_multi));
}

bool RequestCancel::IsCancelled() const
{
    std::lock_guard lock(m_mutex);
    return m_cancelled;
}

bool RequestCancel::Attach(void *multiHandle)
{
    std::lock_guard lock(m_mutex);
    if (m_cancelled)
        return false;
    m_multi = multiHandle;
    return true;
}

void RequestCancel::Detach()
{
    std::lock_guard lock(m_mutex);
    m_multi = nullptr;
}
