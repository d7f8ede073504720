// Feeds arbitrary bytes to the settings reader as the settings file: the first
// byte picks the locale (and with it the code page of a file without a
// byte-order mark), the rest is the file. Checks that reading never fails and
// that the values keep the reader's rules.
#include "settings/profile_reader.h"
#include "settings/pt_info.h"

#include "platform/app_folder.h"
#include "platform/locale_info.h"
#include "platform/text_trim.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {
const char *const kLocales[] = {"zh_CN", "zh_TW", "en_US", "ja_JP", "ru_RU", "zh_CN.GBK", "ko_KR"};
constexpr qsizetype kMaxValueLength = 2047;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void RequireValue(const QString &value, bool trimmed)
{
    Require(value.size() <= kMaxValueLength);
    Require(!value.contains(QLatin1Char('\n')));
    if (trimmed)
        Require(TrimText(value) == value);
}

bool Same(const TPtInfo &a, const TPtInfo &b)
{
    return a.PresetRandomId == b.PresetRandomId && a.AppId == b.AppId && a.TextColor == b.TextColor
        && a.LrcPosition == b.LrcPosition && a.BackgroundColor == b.BackgroundColor
        && a.TextSize == b.TextSize;
}

QString g_iniFile;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A scratch application folder, so that a logged error lands there.
    static std::unique_ptr<QTemporaryDir> folder(new QTemporaryDir);
    SetApplicationIdentity(folder->path(), QStringLiteral("Pelorin"));
    QDir(folder->path()).mkpath(QStringLiteral("ini"));
    QDir(folder->path()).mkpath(QStringLiteral("log"));
    g_iniFile = IniFilePath();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    OverrideLocale(QLatin1StringView(kLocales[data[0] % std::size(kLocales)]));
    {
        QFile file(g_iniFile);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    }

    TPtInfo settings;
    PtInfo = &settings;
    LoadSettings(QString());
    PtInfo = nullptr;
    RequireValue(settings.PresetRandomId, true);
    RequireValue(settings.AppId, true);
    RequireValue(settings.TextColor, false);
    RequireValue(settings.LrcPosition, false);
    RequireValue(settings.BackgroundColor, false);

    // A plain decimal size is taken as written; anything absent gives 30.
    const std::optional<QString> sizeValue = ProfileReader(g_iniFile).value(QStringLiteral("Brisling"), QStringLiteral("Size"));
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,9}$"));
    if (!sizeValue)
        Require(settings.TextSize == 30);
    else if (decimal.match(sizeValue->trimmed()).hasMatch())
        Require(settings.TextSize == sizeValue->trimmed().toInt());

    // The same file, read again by path, gives the same values.
    TPtInfo again;
    LoadSettingsInto(again, g_iniFile);
    Require(Same(settings, again));
    return 0;
}
