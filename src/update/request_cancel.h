#pragma once

#include <mutex>

// Lets one thread stop a request that another thread is waiting on. Cancel()
// wakes the waiting request at once; a request started after Cancel() sends
// nothing.
class RequestCancel
{
public:
    void Cancel();
    bool IsCancelled() const;

    // Used by the request while it waits: Attach returns false when the
    // request is already cancelled; after Detach, Cancel no longer touches it.
    bool Attach(void *multiHandle);
    void Detach();

private:
    mutable std::mutex m_mutex;
    bool m_cancelled = false;
    void *m_multi = nullptr;
};
