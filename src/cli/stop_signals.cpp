#include "cli/stop_signals.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_pending = 0;

void OnSignal(int signal)
{
    if (g_pending) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_pending = signal;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

void Handle(int signal, void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}
} // namespace

StopSignals::StopSignals(std::function<void(int)> onStop) : m_onStop(std::move(onStop))
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { Take(); });
    Handle(SIGINT, OnSignal);
    Handle(SIGTERM, OnSignal);
}

StopSignals::~StopSignals()
{
    if (!m_notifier)
        return;
    Handle(SIGINT, SIG_DFL);
    Handle(SIGTERM, SIG_DFL);
    m_notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
    g_pending = 0;
}

void StopSignals::Take()
{
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        m_received = byte;
    g_pending = 0;
    if (m_received && m_onStop)
        m_onStop(m_received);
}
