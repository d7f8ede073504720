#include "update/update_check.h"

#include "update/update_endpoint.h"
#include "update/web_request.h"

#include "platform/app_folder.h"
#include "platform/code_page.h"
#include "platform/locale_info.h"
#include "platform/regular_file.h"
#include "settings/log.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

QString UpdateInfoPath()
{
    return ApplicationFolder() + QStringLiteral("update.info");
}

void RunUpdateCheck(const QString &randomId, const QString &updateInfoPath,
                    const std::function<void(int)> &postNewVersion, RequestCancel *cancel)
{
    const QString reply = WebRequest(QStringLiteral("GET"), UpdateCheckUrl(), QString(),
                                     QString(), QStringLiteral("orb"), randomId,
                                     QStringLiteral("*.*"), QString(), 0, cancel);
    if (reply.isEmpty())
        return;
    const QStringList lines = SplitLines(reply);
    if (lines.isEmpty())
        return;
    const QString &status = lines.first();
    if (status == QLatin1String("1")) {
        postNewVersion(1);
        WriteTextToFile(lines.join(QStringLiteral("\r\n")), updateInfoPath, false);
    } else if (status == QLatin1String("2")) {
        postNewVersion(2);
    }
}

QStringList ReadTextFileLines(const QString &path)
{
    if (!IsRegularFile(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QString text;
    if (auto encoding = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*encoding); // drops the byte-order mark
        text = decoder(bytes);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8(bytes);
        if (NativeCodePage() != 65001 || utf8.hasError())
            text = BytesToText(bytes, AnsiCodePage());
    }
    return SplitLines(text);
}

QString SavedUpdateAddress()
{
    const QStringList lines = ReadTextFileLines(UpdateInfoPath());
    if (lines.size() < 2)
        return {};
    const QString &address = lines.at(1);
    for (const QLatin1String scheme : {QLatin1String("http://"), QLatin1String("https://")}) {
        if (address.size() > scheme.size() && address.startsWith(scheme, Qt::CaseInsensitive))
            return address;
    }
    return {};
}
