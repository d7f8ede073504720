#include "media/text_chinese_conversion.h"
#include "media/text_script_mapping.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

namespace {

// Reference bytes made with iconv (CP936, CP950).
const QByteArray kGbkSimplified = Hex("bcf2cce5d6d0cec4");   // 简体中文
const QByteArray kBig5Traditional = Hex("c2b2c5e9a4a4a4e5"); // 簡體中文

TEST(GbToBig5, MapsToTraditionalScriptAndTranscodes)
{
    EXPECT_EQ(GbToBig5(kGbkSimplified).toHex(), kBig5Traditional.toHex());
    // 请说简体中文 -> 請說簡體中文
    EXPECT_EQ(GbToBig5(Hex("c7ebcbb5bcf2cce5d6d0cec4")).toHex(),
              QByteArray("bdd0bba1c2b2c5e9a4a4a4e5"));
}

TEST(Big5ToGb, TranscodesAndMapsToSimplifiedScript)
{
    EXPECT_EQ(Big5ToGb(kBig5Traditional).toHex(), kGbkSimplified.toHex());
    // 麥 -> 麦
    EXPECT_EQ(Big5ToGb(Hex("b3c1")).toHex(), QByteArray("c2f3"));
}

TEST(ChineseConverters, StopAtTheFirstZeroByte)
{
    EXPECT_EQ(Big5ToGb(Hex("a741") + QByteArray(1, '\0') + Hex("a66e")).toHex(),
              QByteArray("c4e3"));
    EXPECT_EQ(GbToBig5(Hex("c4e3") + QByteArray(1, '\0') + Hex("bac3")).toHex(),
              QByteArray("a741"));
}

TEST(ChineseConverters, CharactersBig5LacksBecomeQuestionMarks)
{
    // The kana あ is in GBK but not in code page 950.
    EXPECT_EQ(GbToBig5(Hex("61a4a262")), QByteArray("a?b"));
}

TEST(MapGbkScript, KeepsTheLengthOfItsInput)
{
    // 鲃 (F7 84) maps to a Traditional character that GBK lacks, which comes
    // back as the single byte "?"; the result is padded to the input's length.
    const QByteArray input = Hex("c4e3f784c4e3");
    const QByteArray mapped = MapGbkScript(input, ChineseScript::Traditional);
    ASSERT_EQ(mapped.size(), input.size());
    EXPECT_EQ(mapped.toHex(), QByteArray("c4e33fc4e300"));
    EXPECT_EQ(MapGbkScript(QByteArray(), ChineseScript::Simplified), QByteArray());
}

TEST(MapChineseScript, UsesTheContextOfWords)
{
    EXPECT_EQ(MapChineseScript(QStringLiteral("头发 发展"), ChineseScript::Traditional),
              QStringLiteral("頭髮 發展"));
    EXPECT_EQ(MapChineseScript(QStringLiteral("頭髮 發展"), ChineseScript::Simplified),
              QStringLiteral("头发 发展"));
}

TEST(MapChineseScript, MapsLongTextsPieceByPiece)
{
    QString simplified;
    QString traditional;
    for (int k = 0; k < 5000; ++k) {
        simplified += QStringLiteral("爱国");
        traditional += QStringLiteral("愛國");
        if (k % 700 == 0) {
            simplified += QLatin1Char(' ');
            traditional += QLatin1Char(' ');
        }
    }
    EXPECT_EQ(MapChineseScript(simplified, ChineseScript::Traditional), traditional);
    EXPECT_EQ(MapChineseScript(traditional, ChineseScript::Simplified), simplified);
}

} // namespace
