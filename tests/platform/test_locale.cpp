#include "platform/locale_info.h"

#include "support/test_folders.h"

#include <gtest/gtest.h>

namespace {

struct LocaleCase
{
    const char *name;
    quint32 localeId;
    int codePage;
};

void PrintTo(const LocaleCase &c, std::ostream *out) { *out << '"' << c.name << '"'; }

class LocaleNames : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleNames, MapToWindowsIdentifiers)
{
    const LocaleInfo info = LocaleFromName(QLatin1String(GetParam().name));
    EXPECT_EQ(info.localeId, GetParam().localeId) << GetParam().name;
    EXPECT_EQ(info.ansiCodePage, GetParam().codePage) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, LocaleNames, ::testing::Values(
    LocaleCase{"zh_CN.UTF-8", 0x0804, 936}, LocaleCase{"zh_SG", 0x1004, 936},
    LocaleCase{"zh_TW.Big5", 0x0404, 950}, LocaleCase{"zh_HK.UTF-8@x", 0x0C04, 950},
    LocaleCase{"zh_MO", 0x1404, 950}, LocaleCase{"ja_JP.UTF-8", 0x0411, 932},
    LocaleCase{"ko_KR", 0x0412, 949}, LocaleCase{"ru_RU.UTF-8", 0x0419, 1251},
    LocaleCase{"C.UTF-8", 0x0409, 1252}, LocaleCase{"POSIX", 0x0409, 1252},
    LocaleCase{"de_DE", 0x0407, 1252}, LocaleCase{"", 0x0409, 1252},
    LocaleCase{"zhx_CN", 0x0409, 1252}));

// What the program writes in: the charset the locale names, else the legacy
// code page of its language.
TEST(LocaleNames, CharsetGivesTheNativeEncoding)
{
    const std::pair<const char *, int> cases[] = {
        {"C.UTF-8", 65001}, {"zh_CN.utf8", 65001}, {"zh_TW.UTF-8@x", 65001}, {"zh_CN.GBK", 936},
        {"zh_CN.GB18030", 54936}, {"zh_TW.BIG5", 950}, {"zh_CN", 936}, {"C", 1252}, {"", 1252},
        {"de_DE.ISO-8859-1", 28591}, {"ru_RU.strange", 1251}};
    for (const auto &[name, codePage] : cases)
        EXPECT_EQ(LocaleFromName(QLatin1String(name)).nativeCodePage, codePage) << name;
}

TEST(CurrentLocale, OverrideWinsAndCanBeUndone)
{
    {
        ScopedLocale locale(QStringLiteral("zh_TW.UTF-8"));
        EXPECT_EQ(AnsiCodePage(), 950);
        EXPECT_EQ(ThreadLocaleId(), 0x0404u);
    }
    // The test environment runs under LANG=C.UTF-8.
    EXPECT_EQ(AnsiCodePage(), 1252);
}

TEST(RegionalSeparators, FollowTheLocaleWithFallbacks)
{
    {
        ScopedLocale locale(QStringLiteral("de_DE"));
        EXPECT_EQ(DateSeparator(), QLatin1Char('.'));
        EXPECT_EQ(DecimalSeparator(), QLatin1Char(','));
        EXPECT_EQ(ThousandsSeparator(), QLatin1Char('.'));
    }
    {
        ScopedLocale locale(QStringLiteral("C"));
        EXPECT_EQ(DateSeparator(), QLatin1Char('/'));
        EXPECT_EQ(TimeSeparator(), QLatin1Char(':'));
        EXPECT_EQ(DecimalSeparator(), QLatin1Char('.'));
    }
}

} // namespace
