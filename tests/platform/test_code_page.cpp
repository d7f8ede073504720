#include "platform/code_page.h"

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

} // namespace
