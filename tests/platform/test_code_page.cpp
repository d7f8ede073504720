#include "platform/code_page.h"
#include "platform/locale_info.h"
#include "platform/text_chinese_locale.h"
#include "platform/text_code_page.h"

#include "lyrics/test_bytes.h"
#include "support/test_folders.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, ChineseCodePagesRoundTrip)
{
    const QString text = QStringLiteral("你好, 世界");
    EXPECT_EQ(TextToBytes(text, 936), QByteArray("\xC4\xE3\xBA\xC3, \xCA\xC0\xBD\xE7"));
    EXPECT_EQ(BytesToText(TextToBytes(text, 936), 936), text);
    EXPECT_EQ(TextToBytes(QStringLiteral("你好"), 950), QByteArray("\xA7\x41\xA6\x6E"));
    EXPECT_EQ(BytesToText("\xA7\x41\xA6\x6E", 950), QStringLiteral("你好"));
}

TEST(CodePage, UnmappedCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(TextToBytes(QStringLiteral("a你é"), 1252), QByteArray("a?\xE9"));
    EXPECT_EQ(TextToBytes(QStringLiteral("😀"), 936), QByteArray("?"));
}

TEST(CodePage, DecodingKeepsZeroBytesAndNeverFails)
{
    EXPECT_EQ(BytesToText(QByteArray("a\0b", 3), 1252), QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));
    EXPECT_EQ(BytesToText("\xFF\xFE", 65001), QString(QChar(0xFFFD)) + QChar(0xFFFD));
    EXPECT_FALSE(BytesToText("\x81", 936).isEmpty());
}

TEST(CodePage, UnknownCodePageFallsBackToWestern)
{
    EXPECT_TRUE(ConverterName(12345).isEmpty());
    EXPECT_EQ(BytesToText("\xE9", 12345), QStringLiteral("é"));
}

TEST(AnsiToWide, DecodesUpToTheFirstZeroByte)
{
    EXPECT_EQ(AnsiToWide(Hex("c4e3bac3"), 936), QStringLiteral("你好"));
    EXPECT_EQ(AnsiToWide(Hex("c4e300bac3"), 936), QStringLiteral("你"));
    EXPECT_EQ(AnsiToWide(Hex("a741a66e"), 950), QStringLiteral("你好"));
    EXPECT_EQ(AnsiToWide(Hex("e4bda0"), 65001), QStringLiteral("你"));
    EXPECT_EQ(AnsiToWide(Hex("e4bd"), 65001), QString(QChar(0xFFFD)));
    EXPECT_EQ(AnsiToWide(Hex("e9"), 1252), QStringLiteral("é"));
    EXPECT_EQ(AnsiToWide(QByteArray(), 936), QString());
}

TEST(WideToAnsi, EncodesUpToTheFirstZeroCharacter)
{
    EXPECT_EQ(WideToAnsi(QStringLiteral("你好"), 936).toHex(), QByteArray("c4e3bac3"));
    EXPECT_EQ(WideToAnsi(QStringLiteral("你好"), 950).toHex(), QByteArray("a741a66e"));
    EXPECT_EQ(WideToAnsi(QStringLiteral("你") + QChar(0) + QStringLiteral("好"), 936).toHex(),
              QByteArray("c4e3"));
    EXPECT_EQ(WideToAnsi(QStringLiteral("aあb"), 950), QByteArray("a?b"));
    EXPECT_EQ(WideToAnsi(QStringLiteral("😀"), 936), QByteArray("?"));
}

struct LocaleCase
{
    const char *name;
    bool simplified;
    bool traditional;
};

class ChineseLocaleTable : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(ChineseLocaleTable, FollowsTheLocaleOfTheEnvironment)
{
    ScopedLocale locale(QString::fromLatin1(GetParam().name));
    EXPECT_EQ(SimplifiedChineseLocale(), GetParam().simplified);
    EXPECT_EQ(TraditionalChineseLocale(), GetParam().traditional);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, ChineseLocaleTable,
    ::testing::Values(LocaleCase{"zh_CN.UTF-8", true, false}, LocaleCase{"zh_SG", true, false},
                      LocaleCase{"zh_TW.Big5", false, true}, LocaleCase{"zh_HK", false, true},
                      LocaleCase{"zh_MO", false, false}, LocaleCase{"ja_JP", false, false},
                      LocaleCase{"en_US", false, false}, LocaleCase{"C", false, false}),
    [](const ::testing::TestParamInfo<LocaleCase> &info) {
        return CaseName(info.param.name);
    });

TEST(ChineseLocale, ComesFromTheLocaleVariables)
{
    // With no override the predicates read LC_ALL, LC_CTYPE, then LANG.
    qputenv("LC_ALL", "zh_TW.UTF-8");
    OverrideLocale(QString());
    EXPECT_TRUE(TraditionalChineseLocale());
    qunsetenv("LC_ALL");
    qputenv("LC_CTYPE", "zh_SG.UTF-8");
    OverrideLocale(QString());
    EXPECT_TRUE(SimplifiedChineseLocale());
    qunsetenv("LC_CTYPE");
    OverrideLocale(QString());
}

} // namespace
