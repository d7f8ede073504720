#include "cli/headless_user.h"

#include "build/album_naming.h"
#include "build/build_monitor.h"

#include <QCoreApplication>

bool HeadlessUser::InputAlbumName(const QString &, const QString &, QString &name)
{
    if (m_albumName)
        name = *m_albumName;
    return !RefusesOverwrite(name);
}

IBuildUser::Answer HeadlessUser::AskOverwrite(const QString &)
{
    return m_overwrite ? Answer::Yes : Answer::Cancel;
}

bool HeadlessUser::RefusesOverwrite(const QString &name)
{
    // The window's dialog takes a name whose folder exists and the build
    // empties that folder; --no-overwrite keeps it.
    if (m_overwrite || !AlbumFolderExists(name))
        return false;
    m_messages.append(name + QStringLiteral("已经存在，未覆盖（--no-overwrite）"));
    return true;
}

void HeadlessUser::ShowInformation(const QString &text)
{
    m_messages.append(text);
}

void HeadlessUser::ShowError(const QString &message)
{
    // A line on standard error, not a box: no closing full stop is added.
    m_messages.append(message);
}

void HeadlessUser::OpenOutputFolder(const QString &)
{
}

void HeadlessUser::BuildStarted(BuildMonitor &monitor)
{
    m_monitor = &monitor;
    QObject::connect(&monitor, &BuildMonitor::stepStarted, &monitor,
                     [] { QCoreApplication::processEvents(); });
    QCoreApplication::processEvents();
    if (m_stopRequested)
        monitor.Cancel();
}

void HeadlessUser::BuildEnded()
{
    m_monitor = nullptr;
}

void HeadlessUser::Stop()
{
    m_stopRequested = true;
    if (m_monitor)
        m_monitor->Cancel();
}
