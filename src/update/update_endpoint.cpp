#include "update/update_endpoint.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex g_hostMutex;
QString g_testHost;
}

QString UpdateEndpointHost()
{
    {
        QMutexLocker lock(&g_hostMutex);
        if (!g_testHost.isEmpty())
            return g_testHost;
    }
    const QString fromEnvironment = qEnvironmentVariable("PELORIN_UPDATE_HOST").trimmed();
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStringLiteral(PELORIN_UPDATE_HOST);
}

void SetUpdateEndpointHost(const QString &host)
{
    QMutexLocker lock(&g_hostMutex);
    g_testHost = host;
}

QString UpdateCheckUrl()
{
    const QString path = QStringLiteral("/checkupdate/index.html?v=%1")
                             .arg(QString::fromUtf16(kUpdateVersionCode));
    return QStringLiteral("http://") + UpdateEndpointHost() + path;
}
