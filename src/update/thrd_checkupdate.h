#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <thread>

// The background update check of one run. Created without running; the
// identifier is set, then Start() runs the check on its own thread. The
// outcome reaches the window only as the NewVersion signal, delivered queued
// on the window's thread, and through update.info.
//
// Destroying the object (e.g. when the program quits) cancels a request that
// is still waiting; the thread is joined when it ends within a moment and is
// otherwise left to finish on its own, touching nothing of its owner.
class ThrdCheckupdate : public QObject
{
    Q_OBJECT

public:
    explicit ThrdCheckupdate(QObject *parent = nullptr);
    ~ThrdCheckupdate() override;

    // The copy of RandomId sent as the request's Referer; set before Start().
    QString RandomId;

    void Start();

    // Waits up to `ms` milliseconds for the check to end; true when it has.
    bool Wait(int ms);

signals:
    // WM_NEWVERSION: 1 when update.info was replaced, 2 without a new address.
    void NewVersion(int wParam);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};
