#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

// SIGINT and SIGTERM as a request to stop rather than an end on the spot:
// the handler only notes the signal, and `onStop` runs with its number the
// next time the event loop runs (the build runs it while a tool works and
// at every step). A second signal that arrives before the first was taken
// ends the program the default way, for a user who really means it.
// One instance at a time; the default handling returns when it is destroyed.
class StopSignals
{
public:
    explicit StopSignals(std::function<void(int signal)> onStop);
    ~StopSignals();
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    // The signal taken so far, 0 when none.
    int Received() const { return m_received; }

private:
    void Take();

    std::function<void(int)> m_onStop;
    std::unique_ptr<QSocketNotifier> m_notifier;
    int m_received = 0;
};
