#include "platform/tool_environment.h"

#include <gtest/gtest.h>

namespace {

struct LocaleCase
{
    const char *lang;
    const char *lcAll;
    const char *expectedLcAll; // nullptr: not set by us
};

class ToolEnvironmentTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(ToolEnvironmentTest, JavaGetsAnInstalledUtf8Locale)
{
    const QByteArray oldLang = qgetenv("LANG");
    const QByteArray oldLcAll = qgetenv("LC_ALL");
    qputenv("LANG", GetParam().lang);
    qputenv("LC_ALL", GetParam().lcAll);
    const QProcessEnvironment environment = ToolEnvironment();
    qputenv("LANG", oldLang);
    qputenv("LC_ALL", oldLcAll);
    if (GetParam().expectedLcAll)
        EXPECT_EQ(environment.value(QStringLiteral("LC_ALL")), QLatin1String(GetParam().expectedLcAll));
    else
        EXPECT_EQ(environment.value(QStringLiteral("LC_ALL")), QLatin1String(GetParam().lcAll));
}

INSTANTIATE_TEST_SUITE_P(Locales, ToolEnvironmentTest, ::testing::Values(
    LocaleCase{"zh_CN.UTF-8", "", "C.UTF-8"},   // not installed here
    LocaleCase{"C.UTF-8", "", nullptr},
    LocaleCase{"C", "", "C.UTF-8"},            // installed, but not UTF-8
    LocaleCase{"zh_CN.UTF-8", "C.UTF-8", nullptr}));

} // namespace
