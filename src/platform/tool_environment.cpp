#include "platform/tool_environment.h"

#include <cstring>
#include <langinfo.h>
#include <locale.h>

bool IsUsableUtf8Locale(const QString &name)
{
    if (name.isEmpty())
        return false;
    const locale_t locale = ::newlocale(LC_CTYPE_MASK, name.toLocal8Bit().constData(), locale_t(0));
    if (locale == locale_t(0))
        return false;
    const char *codeset = ::nl_langinfo_l(CODESET, locale);
    const bool utf8 = codeset && std::strcmp(codeset, "UTF-8") == 0;
    ::freelocale(locale);
    return utf8;
}

QProcessEnvironment ToolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The locale of the character type, as the C library resolves it.
    QString name;
    for (const char *variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        name = environment.value(QLatin1String(variable));
        if (!name.isEmpty())
            break;
    }
    if (!IsUsableUtf8Locale(name))
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}
