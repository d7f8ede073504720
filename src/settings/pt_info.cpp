#include "settings/pt_info.h"

#include "settings/log.h"
#include "settings/profile_reader.h"

#include "platform/app_folder.h"
#include "platform/text_trim.h"

#include <exception>

TPtInfo *PtInfo = nullptr;

namespace {
const QString kSection = QStringLiteral("Brisling");
}

QString IniFilePath()
{
    QString name = ExecutableName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return ApplicationFolder() + QStringLiteral("ini/") + name + QStringLiteral(".ini");
}

void LoadSettings(const QString &path)
{
    if (PtInfo)
        LoadSettingsInto(*PtInfo, path);
}

void LoadSettingsInto(TPtInfo &info, const QString &path)
{
    try {
        const ProfileReader reader(path.isEmpty() ? IniFilePath() : path);
        if (!reader.Problem().isEmpty())
            WriteLog(reader.Problem());
        auto text = [&](const char *key, const QString &fallback) {
            return reader.value(kSection, QLatin1String(key)).value_or(fallback);
        };
        info.PresetRandomId = TrimText(text("RandomID", {}));
        info.AppId = TrimText(text("AppID", {}));
        info.TextColor = text("Color", QStringLiteral("#ffffffff"));
        info.LrcPosition = text("Position", QStringLiteral("2"));
        info.BackgroundColor = text("BackgroundColor", QStringLiteral("#ffffcc"));
        info.TextSize = reader.integer(kSection, QStringLiteral("Size"), 30);
    } catch (const std::exception &error) {
        WriteLog(QString::fromUtf8(error.what()));
    }
}
