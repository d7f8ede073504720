#include "media/text_chinese_conversion.h"
#include "media/text_round_trip.h"
#include "support/test_folders.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

namespace {

struct SimilarCase
{
    const char *name;
    QByteArray before;
    QByteArray after;
    bool similar;
};

void PrintTo(const SimilarCase &c, std::ostream *os)
{
    *os << c.name;
}

// 100 letters, with the given number of positions changed. Letters that
// never repeat next to each other, so no change looks like a shift.
QByteArray Letters(int changes = 0)
{
    QByteArray bytes(100, ' ');
    for (int k = 0; k < 100; ++k)
        bytes[k] = char('a' + k % 26);
    for (int k = 0; k < changes; ++k)
        bytes[10 + 7 * k] = '#';
    return bytes;
}

class RoundTripSimilarTable : public ::testing::TestWithParam<SimilarCase> {};

TEST_P(RoundTripSimilarTable, AllowsUnderSevenPercentMismatches)
{
    const SimilarCase &c = GetParam();
    EXPECT_EQ(RoundTripSimilar(c.before, c.after), c.similar);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundTripSimilarTable,
    ::testing::Values(
        SimilarCase{"same", "abcdefgh", "abcdefgh", true},
        SimilarCase{"both empty", "", "", true},
        SimilarCase{"nothing after", "abc", "", true},
        SimilarCase{"one byte each", "a", "b", false},
        SimilarCase{"extra byte before", "abcXdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrstuvwxyz", true},
        SimilarCase{"extra byte after", "abcdefghijklmnopqrstuvwxyz", "abcXdefghijklmnopqrstuvwxyz", true},
        SimilarCase{"six in a hundred", Letters(), Letters(6), true},
        SimilarCase{"seven in a hundred", Letters(), Letters(7), false},
        // A change that repeats its neighbour passes for a shift.
        SimilarCase{"change like a shift", "aaaaaaaaaaaaaaaaaaaa", "aaaaaaaaaabaaaaaaaaa", true},
        SimilarCase{"shifted throughout", "abababababababababab", "babababababababababa", true},
        SimilarCase{"unrelated", "abcdefghijklmnopqrstuvwxyz", "zyxwvutsrqponmlkjihgfedcba", false}),
    [](const ::testing::TestParamInfo<SimilarCase> &info) {
        return CaseName(info.param.name);
    });

// Replaces the converter hooks for one test.
class ScopedConverters
{
public:
    ScopedConverters(ChineseConverter gbToBig5, ChineseConverter big5ToGb)
        : m_gbToBig5(GbToBig5Hook), m_big5ToGb(Big5ToGbHook)
    {
        GbToBig5Hook = gbToBig5;
        Big5ToGbHook = big5ToGb;
    }
    ~ScopedConverters()
    {
        GbToBig5Hook = m_gbToBig5;
        Big5ToGbHook = m_big5ToGb;
    }

private:
    ChineseConverter m_gbToBig5;
    ChineseConverter m_big5ToGb;
};

QByteArray Unchanged(const QByteArray &bytes)
{
    return bytes;
}

QByteArray Garbled(const QByteArray &bytes)
{
    return QByteArray(bytes.size(), '?');
}

TEST(ChineseConverterHooks, PointAtTheBuiltInConverters)
{
    EXPECT_EQ(GbToBig5Hook, &GbToBig5);
    EXPECT_EQ(Big5ToGbHook, &Big5ToGb);
}

TEST(ChineseRoundTrip, SystemEncodingSurvivesTheTrip)
{
    const QByteArray sample = QByteArray::fromHex("b0b1b2b3b4b5b6b7");
    {
        ScopedConverters converters(&Unchanged, &Unchanged);
        ScopedLocale prc(QStringLiteral("zh_CN"));
        EXPECT_EQ(ChineseRoundTrip(sample), EncodingKind::Gbk);
        ScopedLocale taiwan(QStringLiteral("zh_HK"));
        EXPECT_EQ(ChineseRoundTrip(sample), EncodingKind::Big5);
    }
    {
        ScopedConverters converters(&Garbled, &Garbled);
        ScopedLocale singapore(QStringLiteral("zh_SG"));
        EXPECT_EQ(ChineseRoundTrip(sample), EncodingKind::Big5);
        ScopedLocale taiwan(QStringLiteral("zh_TW"));
        EXPECT_EQ(ChineseRoundTrip(sample), EncodingKind::Gbk);
        ScopedLocale western(QStringLiteral("fr_FR"));
        EXPECT_EQ(ChineseRoundTrip(sample), EncodingKind::Ansi);
    }
}

TEST(ChineseRoundTrip, RealConvertersOnRealText)
{
    // 我们的歌 in GBK and 我們的歌 in Big5.
    const QByteArray gbk = QByteArray::fromHex("ced2c3c7b5c4b8e8");
    const QByteArray big5 = QByteArray::fromHex("a7daadccaababa71");
    ScopedLocale prc(QStringLiteral("zh_CN"));
    EXPECT_EQ(ChineseRoundTrip(gbk), EncodingKind::Gbk);
    ScopedLocale taiwan(QStringLiteral("zh_TW"));
    EXPECT_EQ(ChineseRoundTrip(big5), EncodingKind::Big5);
}

} // namespace
