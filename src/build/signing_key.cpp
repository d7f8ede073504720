#include "build/signing_key.h"

#include "build/file_errors.h"

#include "platform/app_error.h"
#include "platform/app_folder.h"
#include "platform/private_file.h"
#include "platform/user_data_folder.h"
#include "settings/log.h"

#include <QFile>
#include <QFileInfo>

namespace {
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString BackupAdvice()
{
    return QStringLiteral(
        "以后更新已经装在手机上的专辑，必须用同一个密钥签名；密钥丢失后，这些专辑就再也无法更新。"
        "请把它备份到安全的地方（菜单“专辑 > 备份签名密钥...”，或 pelorin-build --export-key 文件）。");
}

QByteArray ReadKey(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CannotOpenFileError(path, file.errorString());
    return file.readAll();
}

void MoveOldKey(const QString &from, const QString &to)
{
    const QByteArray key = ReadKey(from);
    const QString reason = WritePrivateFile(to, key, false);
    if (!reason.isEmpty()) {
        // Made by another run at the same moment: that key is the one in use.
        if (QFileInfo::exists(to))
            return;
        throw AppError(QStringLiteral("无法把签名密钥 %1 移到 %2：%3").arg(from, to, reason));
    }
    if (ReadKey(to) != key)
        throw AppError(QStringLiteral("签名密钥 %1 的副本 %2 与原文件不同，原文件未删除").arg(from, to));
    QFile::remove(from);
    WriteLog(QStringLiteral("Signing key moved from %1 to %2").arg(from, to));
}
} // namespace

QString SigningKeyFile()
{
    return UserDataFolder() + QStringLiteral("/signing-key.p12");
}

QString OldSigningKeyFile()
{
    return ApplicationFolder() + QStringLiteral("s/Quenlow/signing-key.p12");
}

void SettleSigningKey()
{
    const QString key = SigningKeyFile();
    const QString old = OldSigningKeyFile();
    if (!MakePrivateFolder(UserDataFolder()))
        throw AppError(QStringLiteral("无法创建文件夹 %1").arg(UserDataFolder()));
    if (QFileInfo::exists(key)) {
        const QFileDevice::Permissions allowed = kOwnerOnly | QFileDevice::ReadUser | QFileDevice::WriteUser;
        if ((QFile::permissions(key) & ~allowed).toInt() != 0)
            QFile::setPermissions(key, kOwnerOnly);
        // A second copy of the same key has no business in the application
        // folder, which may be shared; a different one is left for the person.
        if (QFileInfo::exists(old) && ReadKey(old) == ReadKey(key))
            QFile::remove(old);
        return;
    }
    if (QFileInfo::exists(old))
        MoveOldKey(old, key);
}

QString ExistingSigningKey()
{
    SettleSigningKey();
    const QString key = SigningKeyFile();
    if (!QFileInfo::exists(key))
        throw AppError(QStringLiteral("还没有签名密钥：第一次生成专辑时才会创建。"));
    return key;
}

void ExportSigningKey(const QString &target, bool replace)
{
    const QString key = ExistingSigningKey();
    const QFileInfo info(target);
    if (info.isDir())
        throw AppError(QStringLiteral("%1 是文件夹，请给出文件名").arg(target));
    if (info.exists() && !replace)
        throw AppError(QStringLiteral("%1 已经存在，未覆盖").arg(target));
    if (info.absoluteFilePath() == QFileInfo(key).absoluteFilePath())
        return;
    const QString reason = WritePrivateFile(target, ReadKey(key), replace);
    if (!reason.isEmpty())
        throw AppError(QStringLiteral("无法保存签名密钥到 %1：%2").arg(target, reason));
}

QString SigningKeyMadeNotice(const QString &key)
{
    return QStringLiteral("已生成签名密钥，保存在：\n%1\n").arg(key) + BackupAdvice();
}

QString SigningKeyMovedNotice(const QString &from, const QString &to)
{
    return QStringLiteral("签名密钥已从 %1 移到：\n%2\n").arg(from, to) + BackupAdvice();
}

SigningKeyWatch::SigningKeyWatch()
    : m_hadKey(QFileInfo::exists(SigningKeyFile()))
    , m_hadOldKey(QFileInfo::exists(OldSigningKeyFile()))
{
}

QString SigningKeyWatch::Notice() const
{
    if (m_hadKey || !QFileInfo::exists(SigningKeyFile()))
        return {};
    return m_hadOldKey ? SigningKeyMovedNotice(OldSigningKeyFile(), SigningKeyFile())
                       : SigningKeyMadeNotice(SigningKeyFile());
}
