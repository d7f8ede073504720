#include "build/album_naming.h"

#include "build/build_folders.h"
#include "build/build_user.h"

#include <QFileInfo>

namespace {
const QString kProposalStem = QStringLiteral("vizizizar");
constexpr int kLastProposalNumber = 10000;
// The longest file name the file system takes, in bytes of its UTF-8 form.
constexpr int kMaxFileNameBytes = 255;

bool IsRefusedCharacter(QChar c)
{
    return c.category() == QChar::Other_Control
        || QStringView(u"/\\:*?\"<>|").contains(c);
}
} // namespace

QString AlbumNameCaption()
{
    return QStringLiteral("为这张专辑起一个名字吧!");
}

QString AlbumNamePrompt()
{
    return QStringLiteral("请输入：");
}

QString AlbumNameProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("专辑名称不能为空");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("专辑名称不能是“.”或“..”");
    for (const QChar c : name) {
        if (IsRefusedCharacter(c))
            return QStringLiteral("专辑名称不能包含控制字符或下列字符：/ \\ : * ? \" < > |");
    }
    if (name.size() > kAlbumNameMaxLength
        || (name + QStringLiteral(".apk")).toUtf8().size() > kMaxFileNameBytes)
        return QStringLiteral("专辑名称太长，请缩短");
    return {};
}

bool AlbumFolderExists(const QString &name)
{
    return QFileInfo(DataFolder() + QLatin1Char('/') + name).isDir();
}

QString ProposeAlbumName()
{
    if (!AlbumFolderExists(kProposalStem))
        return kProposalStem;
    for (int number = 1; number <= kLastProposalNumber; ++number) {
        const QString name = kProposalStem + QString::number(number);
        if (!AlbumFolderExists(name))
            return name;
    }
    return {};
}

bool AskAlbumName(IBuildUser &user, QString &albumName)
{
    while (!albumName.isEmpty()) {
        if (!AlbumFolderExists(albumName))
            return true;
        switch (user.AskOverwrite(albumName + QStringLiteral("已经存在，要覆盖么?"))) {
        case IBuildUser::Answer::Yes:
            return true;
        case IBuildUser::Answer::No:
            albumName.clear();
            break;
        case IBuildUser::Answer::Cancel:
            return false;
        }
    }

    QString name = ProposeAlbumName();
    if (!user.InputAlbumName(AlbumNameCaption(), AlbumNamePrompt(), name))
        return false;
    // The one check of a name, whichever front end answered: the steps empty
    // and write folders named after it.
    const QString problem = AlbumNameProblem(name);
    if (!problem.isEmpty()) {
        user.ShowError(problem);
        return false;
    }
    albumName = name;
    return true;
}
