#pragma once

#include "build/build_user.h"

#include <QStringList>

// The answers of pelorin-build: the proposed album name as if OK were
// pressed, "Yes" to overwriting unless told otherwise; every message the
// window would have shown is kept for standard error.
class HeadlessUser : public IBuildUser
{
public:
    explicit HeadlessUser(bool overwrite) : m_overwrite(overwrite) {}

    bool InputAlbumName(const QString &caption, const QString &prompt, QString &name) override;
    Answer AskOverwrite(const QString &question) override;
    void ShowInformation(const QString &text) override;
    void ShowError(const QString &message) override;
    void OpenOutputFolder(const QString &folder) override;

    const QStringList &Messages() const { return m_messages; }

private:
    bool m_overwrite;
    QStringList m_messages;
};
