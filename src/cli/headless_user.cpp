#include "cli/headless_user.h"

#include "build/album_naming.h"

#include "album/album_globals.h"
#include "platform/app_error.h"

bool HeadlessUser::InputAlbumName(const QString &, const QString &, QString &name)
{
    // The dialog would refuse the name and wait; here nobody can type another.
    const QString problem = AlbumNameProblem(name);
    if (!problem.isEmpty()) {
        m_messages.append(problem);
        return false;
    }
    return true;
}

IBuildUser::Answer HeadlessUser::AskOverwrite(const QString &)
{
    if (m_overwrite)
        return Answer::Yes;
    m_messages.append(AlbumName + QStringLiteral("已经存在，未覆盖（--no-overwrite）"));
    return Answer::Cancel;
}

void HeadlessUser::ShowInformation(const QString &text)
{
    m_messages.append(text);
}

void HeadlessUser::ShowError(const QString &message)
{
    m_messages.append(ErrorBoxText(message));
}

void HeadlessUser::OpenOutputFolder(const QString &)
{
}
