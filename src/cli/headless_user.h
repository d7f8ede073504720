#pragma once

#include "build/build_user.h"

#include <QStringList>

#include <optional>

// The answers of pelorin-build: the album name given with --album, else the
// proposed one, as if OK were pressed; an existing album folder is
// overwritten unless told otherwise. Every message the window would have
// shown is kept for standard error.
class HeadlessUser : public IBuildUser
{
public:
    HeadlessUser(std::optional<QString> albumName, bool overwrite)
        : m_albumName(std::move(albumName)), m_overwrite(overwrite)
    {
    }

    bool InputAlbumName(const QString &caption, const QString &prompt, QString &name) override;
    Answer AskOverwrite(const QString &question) override;
    void ShowInformation(const QString &text) override;
    void ShowError(const QString &message) override;
    void OpenOutputFolder(const QString &folder) override;
    void BuildStarted(BuildMonitor &monitor) override;
    void BuildEnded() override;

    // Cancels the running build, or the next one as soon as it starts. The
    // build hears of signals at each step: pending events are taken then.
    void Stop();

    const QStringList &Messages() const { return m_messages; }

private:
    bool RefusesOverwrite(const QString &name);

    std::optional<QString> m_albumName;
    bool m_overwrite;
    QStringList m_messages;
    BuildMonitor *m_monitor = nullptr;
    bool m_stopRequested = false;
};
