#include "platform/locale_info.h"

#include <QMutex>
#include <QMutexLocker>

#include <cstdlib>
#include <optional>

namespace {

struct LanguageEntry
{
    const char *prefix;   // language, or language_TERRITORY
    quint32 localeId;
    int codePage;
};

// Longest prefixes first: territories before their bare language.
constexpr LanguageEntry kLanguages[] = {
    {"zh_CN", 0x0804, 936}, {"zh_SG", 0x1004, 936},
    {"zh_TW", 0x0404, 950}, {"zh_HK", 0x0C04, 950}, {"zh_MO", 0x1404, 950},
    {"zh", 0x0804, 936},
    {"ja", 0x0411, 932}, {"ko", 0x0412, 949}, {"th", 0x041E, 874},
    {"ru", 0x0419, 1251}, {"uk", 0x0422, 1251}, {"be", 0x0423, 1251},
    {"bg", 0x0402, 1251}, {"sr", 0x0C1A, 1251}, {"mk", 0x042F, 1251},
    {"pl", 0x0415, 1250}, {"cs", 0x0405, 1250}, {"sk", 0x041B, 1250},
    {"hu", 0x040E, 1250}, {"ro", 0x0418, 1250}, {"hr", 0x041A, 1250},
    {"sl", 0x0424, 1250},
    {"el", 0x0408, 1253}, {"tr", 0x041F, 1254}, {"he", 0x040D, 1255},
    {"ar", 0x0401, 1256}, {"lt", 0x0427, 1257}, {"lv", 0x0426, 1257},
    {"et", 0x0425, 1257}, {"vi", 0x042A, 1258},
    {"de", 0x0407, 1252}, {"fr", 0x040C, 1252}, {"es", 0x0C0A, 1252},
    {"it", 0x0410, 1252}, {"pt", 0x0416, 1252}, {"nl", 0x0413, 1252},
    {"en_GB", 0x0809, 1252}, {"en", 0x0409, 1252},
};

struct CharsetEntry
{
    const char *name; // upper case, without "-" and "_"
    int codePage;
};

constexpr CharsetEntry kCharsets[] = {
    {"UTF8", 65001}, {"GBK", 936}, {"GB2312", 936}, {"EUCCN", 936}, {"CP936", 936},
    {"GB18030", 54936}, {"BIG5", 950}, {"BIG5HKSCS", 950}, {"CP950", 950},
    {"EUCKR", 949}, {"CP949", 949}, {"SJIS", 932}, {"SHIFTJIS", 932}, {"CP932", 932},
    {"EUCJP", 51932},
    {"TIS620", 874}, {"CP1250", 1250}, {"CP1251", 1251}, {"CP1252", 1252},
    {"CP1253", 1253}, {"CP1254", 1254}, {"CP1255", 1255}, {"CP1256", 1256},
    {"CP1257", 1257}, {"ISO88591", 28591}, {"ISO885915", 28605}, {"KOI8R", 20866},
};

// The code page of a charset named in a locale ("UTF-8", "utf8", "GBK" …),
// or `fallback` for none or one that is not known.
int CharsetCodePage(QString charset, int fallback)
{
    charset = charset.toUpper().remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    for (const CharsetEntry &entry : kCharsets) {
        if (charset == QLatin1String(entry.name))
            return entry.codePage;
    }
    return fallback;
}

QString NameFromEnvironment()
{
    for (const char *variable : {"PELORIN_LOCALE", "LC_ALL", "LC_CTYPE", "LANG"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return QString::fromLocal8Bit(value);
    }
    return QStringLiteral("C");
}

QMutex g_mutex;
std::optional<LocaleInfo> g_locale;

} // namespace

LocaleInfo LocaleFromName(const QString &rawName)
{
    // "zh_CN.UTF-8@modifier" -> "zh_CN" and the charset "UTF-8"
    QString name = rawName;
    QString charset;
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        charset = name.mid(dot + 1).section(QLatin1Char('@'), 0, 0);
    for (QChar cut : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = name.indexOf(cut);
        if (at >= 0)
            name.truncate(at);
    }
    name.replace(QLatin1Char('-'), QLatin1Char('_'));

    LocaleInfo info;
    info.name = name.isEmpty() ? QStringLiteral("C") : name;
    info.localeId = 0x0409;
    info.ansiCodePage = 1252;
    for (const LanguageEntry &entry : kLanguages) {
        const QString prefix = QLatin1String(entry.prefix);
        const bool matches = prefix.contains(QLatin1Char('_'))
            ? name.startsWith(prefix, Qt::CaseInsensitive)
            : (name.compare(prefix, Qt::CaseInsensitive) == 0
               || name.startsWith(prefix + QLatin1Char('_'), Qt::CaseInsensitive));
        if (matches) {
            info.localeId = entry.localeId;
            info.ansiCodePage = entry.codePage;
            break;
        }
    }
    info.nativeCodePage = CharsetCodePage(charset, info.ansiCodePage);
    return info;
}

const LocaleInfo &CurrentLocale()
{
    QMutexLocker lock(&g_mutex);
    if (!g_locale)
        g_locale = LocaleFromName(NameFromEnvironment());
    return *g_locale;
}

void OverrideLocale(const QString &name)
{
    QMutexLocker lock(&g_mutex);
    if (name.isEmpty())
        g_locale.reset();
    else
        g_locale = LocaleFromName(name);
}

int AnsiCodePage()
{
    return CurrentLocale().ansiCodePage;
}

int NativeCodePage()
{
    return CurrentLocale().nativeCodePage;
}

quint32 ThreadLocaleId()
{
    return CurrentLocale().localeId;
}

QLocale RegionalLocale()
{
    const QString name = CurrentLocale().name;
    if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QLocale::c();
    return QLocale(name);
}

namespace {
// The first character of a format pattern that is neither a pattern letter
// nor a quote nor a blank.
QChar SeparatorIn(const QString &format, QChar fallback)
{
    for (QChar c : format) {
        if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace())
            return c;
    }
    return fallback;
}
}

QChar DateSeparator()
{
    return SeparatorIn(RegionalLocale().dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
}

QChar TimeSeparator()
{
    return SeparatorIn(RegionalLocale().timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
}

QChar DecimalSeparator()
{
    const QString s = RegionalLocale().decimalPoint();
    return s.size() == 1 ? s.front() : QLatin1Char('.');
}

QChar ThousandsSeparator()
{
    const QString s = RegionalLocale().groupSeparator();
    return s.size() == 1 ? s.front() : QLatin1Char(',');
}
