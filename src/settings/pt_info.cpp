#include "settings/pt_info.h"

#include "profile_reader.h"
#include "settings/log.h"

#include "platform/app_folder.h"

#include <exception>

TPtInfo *PtInfo = nullptr;

namespace {
const QString kSection = QStringLiteral("Brisling");

// Text with leading and trailing white space and control characters removed.
QString TrimmedValue(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}
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
        auto text = [&](const char *key, const QString &fallback) {
            return reader.value(kSection, QLatin1String(key)).value_or(fallback);
        };
        info.PresetRandomId = TrimmedValue(text("RandomID", {}));
        info.AppId = TrimmedValue(text("AppID", {}));
        info.TextColor = text("Color", QStringLiteral("#ffffffff"));
        info.LrcPosition = text("Position", QStringLiteral("2"));
        info.BackgroundColor = text("BackgroundColor", QStringLiteral("#ffffcc"));
        info.TextSize = reader.integer(kSection, QStringLiteral("Size"), 30);
    } catch (const std::exception &error) {
        WriteLog(QString::fromUtf8(error.what()));
    }
}
