// The main window's side of the update check: the timer's ticks, the
// new-version notification and the new-version menu item.
#include "app/form_main.h"

#include "app/error_box.h"

#include "platform/shell_open.h"
#include "settings/random_id.h"
#include "update/thrd_checkupdate.h"
#include "update/update_check.h"
#include "update/version_notice.h"

#include <QAction>
#include <QTimer>

void TFormMain::ConnectUpdateAndAbout()
{
    connect(TimerVersion, &QTimer::timeout, this, &TFormMain::TimerVersionTimer);
    connect(MenuNVersion, &QAction::triggered, this, &TFormMain::MenuNVersionClick);
    connect(MenuAlbumAbout, &QAction::triggered, this, &TFormMain::N18Click);
}

void TFormMain::TimerVersionTimer()
{
    ++VersionTickCount;
    if (VersionTickCount == 1) {
        RunShowingErrors(this, [this] { StartUpdateCheck(); });
        return;
    }
    MenuNVersion->setText(VersionNoticeCaption(VersionTickCount));
}

void TFormMain::StartUpdateCheck()
{
    TimerVersion->stop();
    // A child of the window: it goes away with the window, cancelling a
    // request that still hangs, and its notification is queued to this thread.
    auto *check = new ThrdCheckupdate(this);
    check->RandomId = RandomId;
    connect(check, &ThrdCheckupdate::NewVersion, this, &TFormMain::WmNewVersion,
            Qt::QueuedConnection);
    check->Start();
}

void TFormMain::WmNewVersion(int)
{
    TimerVersion->start();
}

void TFormMain::MenuNVersionClick()
{
    RunShowingErrors(this, [] {
        const QString address = SavedUpdateAddress();
        if (!address.isEmpty())
            OpenWithShell(address, QString(), QString(), SW_SHOW);
    });
}
