#pragma once

#include <QString>

// The values of the settings file that shape the generated application.
class TPtInfo
{
public:
    QString PresetRandomId;
    QString AppId;
    QString TextColor;
    QString LrcPosition;
    QString BackgroundColor;
    qint32 TextSize = 0;
};

// The one settings object of the program; owned by the front end, which sets
// it before calling LoadSettings and clears it when it goes away.
extern TPtInfo *PtInfo;

// ApplicationFolder + "ini/" + executable name with ".ini" as extension.
QString IniFilePath();

// Fills the global settings object from the file (empty path: IniFilePath).
// Every call overwrites every field, with defaults for absent keys.
void LoadSettings(const QString &path);

// The same into a given object.
void LoadSettingsInto(TPtInfo &info, const QString &path);
