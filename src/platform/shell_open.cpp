#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
std::function<void(const QString &)> g_handler;

QUrl UrlFor(const QString &target)
{
    const QUrl url(target.trimmed());
    // Addresses ("http://…", "mailto: …") go as they are; everything else is a local path.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}
}

void OpenWithShell(const QString &target, const QString &, const QString &, int)
{
    if (g_handler) {
        g_handler(target);
        return;
    }
    QDesktopServices::openUrl(UrlFor(target));
}

void SetShellOpenHandler(std::function<void(const QString &)> handler)
{
    g_handler = std::move(handler);
}
