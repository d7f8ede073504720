#include "update/version_notice.h"

QString VersionNoticeCaption(int tickCount)
{
    const int marks = tickCount % 5 + 1;
    return QStringLiteral("有新版本了") + QString(marks, QLatin1Char('!'));
}
