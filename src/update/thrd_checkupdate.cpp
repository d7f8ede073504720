#include "update/thrd_checkupdate.h"

#include "update/request_cancel.h"
#include "update/update_check.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#if defined(__linux__)
#include <pthread.h>
#endif

namespace {
// How long quitting may wait for a cancelled request to wind down.
constexpr auto kQuitWait = std::chrono::milliseconds(2000);

void NameThisThread()
{
#if defined(__linux__)
    pthread_setname_np(pthread_self(), "chkupdate");
#endif
}
}

// What the owner and the worker share; it lives as long as either holds it.
struct ThrdCheckupdate::Shared
{
    std::mutex mutex;
    std::condition_variable ended;
    bool finished = false;
    ThrdCheckupdate *owner = nullptr; // cleared when the owner goes away
    RequestCancel cancel;
};

ThrdCheckupdate::ThrdCheckupdate(QObject *parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
}

ThrdCheckupdate::~ThrdCheckupdate()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->owner = nullptr;
    }
    m_shared->cancel.Cancel();
    if (!m_thread.joinable())
        return;
    if (Wait(int(kQuitWait.count())))
        m_thread.join();
    else
        m_thread.detach();
}

void ThrdCheckupdate::Start()
{
    if (m_thread.joinable())
        return;
    // Everything the worker needs is copied now; afterwards it shares only
    // the cancel flag and the signal with this object.
    const QString randomId = RandomId;
    const QString updateInfoPath = UpdateInfoPath();
    m_thread = std::thread([shared = m_shared, randomId, updateInfoPath] {
        NameThisThread();
        RunUpdateCheck(
            randomId, updateInfoPath,
            [&shared](int wParam) {
                std::lock_guard lock(shared->mutex);
                if (shared->owner)
                    emit shared->owner->NewVersion(wParam);
            },
            &shared->cancel);
        {
            std::lock_guard lock(shared->mutex);
            shared->finished = true;
        }
        shared->ended.notify_all();
    });
}

bool ThrdCheckupdate::Wait(int ms)
{
    if (!m_thread.joinable())
        return true;
    std::unique_lock lock(m_shared->mutex);
    return m_shared->ended.wait_for(lock, std::chrono::milliseconds(ms),
                                    [this] { return m_shared->finished; });
}
