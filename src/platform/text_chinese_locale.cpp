#include "platform/text_chinese_locale.h"

#include "platform/locale_info.h"

namespace {

constexpr quint32 kChinese = 0x04;

quint32 PrimaryLanguage(quint32 locale) { return locale & 0x3FF; }
quint32 SubLanguage(quint32 locale) { return (locale >> 10) & 0x3F; }

} // namespace

bool SimplifiedChineseLocale()
{
    const quint32 locale = ThreadLocaleId();
    const quint32 sub = SubLanguage(locale);
    return PrimaryLanguage(locale) == kChinese && (sub == 2 || sub == 4); // PRC, Singapore
}

bool TraditionalChineseLocale()
{
    const quint32 locale = ThreadLocaleId();
    const quint32 sub = SubLanguage(locale);
    return PrimaryLanguage(locale) == kChinese && (sub == 1 || sub == 3); // Taiwan, Hong Kong
}
