#include "media/text_encoding_detector.h"
#include "support/test_folders.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct DetectorCase
{
    const char *name;
    QByteArray sample;
    const char *locale;
    EncodingKind kind;
    int rule;
    // Counters worth pinning for this sample, when given.
    std::optional<EncodingEvidence> evidence;
};

EncodingEvidence Weights(int gbk, int big5, int leads, int big5Pairs, int gbkPairs)
{
    EncodingEvidence e;
    e.gbkWeight = gbk;
    e.big5Weight = big5;
    e.leads = leads;
    e.big5Pairs = big5Pairs;
    e.gbkPairs = gbkPairs;
    return e;
}

void PrintTo(const DetectorCase &c, std::ostream *os)
{
    *os << c.name << " on " << c.locale;
}

class DetectorTable : public ::testing::TestWithParam<DetectorCase> {};

TEST_P(DetectorTable, ClassifiesWithTheStatedCounters)
{
    const DetectorCase &c = GetParam();
    ScopedLocale locale(QString::fromLatin1(c.locale));
    const EncodingDetection d = ExplainEncoding(c.sample);
    EXPECT_EQ(EncodingKindName(d.kind), EncodingKindName(c.kind));
    EXPECT_EQ(d.rule, c.rule);
    EXPECT_EQ(DetectEncoding(c.sample), c.kind);
    if (c.evidence) {
        const EncodingEvidence &want = *c.evidence;
        const EncodingEvidence &got = d.evidence;
        EXPECT_EQ(got.gbkWeight, want.gbkWeight);
        EXPECT_EQ(got.big5Weight, want.big5Weight);
        EXPECT_EQ(got.leads, want.leads);
        EXPECT_EQ(got.big5Pairs, want.big5Pairs);
        EXPECT_EQ(got.gbkPairs, want.gbkPairs);
    }
}

const QString kHello = QStringLiteral("hello");
const QString kChinese = QStringLiteral("[00:12.50]春风吹过小小的村庄\r\n");

INSTANTIATE_TEST_SUITE_P(
    Samples, DetectorTable,
    ::testing::Values(
        // 你好 in Big5: equal weights, two Big5 pairs.
        DetectorCase{"Big5 ni hao", Hex("a741a66e"), "zh_CN", EncodingKind::Big5, 4,
                     Weights(16, 16, 2, 2, 0)},
        DetectorCase{"Big5 ni hao", Hex("a741a66e"), "en_US", EncodingKind::Big5, 4,
                     Weights(16, 16, 2, 2, 0)},
        // 你好 in GBK: equal weights, no telling pairs, so the round trip decides.
        DetectorCase{"GBK ni hao", Hex("c4e3bac3"), "zh_CN", EncodingKind::Gbk, 5,
                     Weights(9, 9, 2, 0, 0)},
        DetectorCase{"GBK ni hao", Hex("c4e3bac3"), "en_US", EncodingKind::Ansi, 5,
                     Weights(9, 9, 2, 0, 0)},
        DetectorCase{"GBK ni hao", Hex("c4e3bac3"), "zh_MO", EncodingKind::Ansi, 5,
                     Weights(9, 9, 2, 0, 0)},
        // On a Traditional-Chinese system the same bytes survive the trip
        // through GBK as Big5 (they read 斕疑 there).
        DetectorCase{"GBK ni hao", Hex("c4e3bac3"), "zh_TW", EncodingKind::Big5, 5,
                     Weights(9, 9, 2, 0, 0)},
        // 请 in GBK: lead C7 makes a GBK pair.
        DetectorCase{"GBK qing", Hex("c7eb"), "en_US", EncodingKind::Gbk, 4,
                     Weights(1, 1, 1, 0, 1)},
        // 麥 in Big5 reads 沉 as GBK, whose Traditional form does not come back.
        DetectorCase{"Big5 mai", Hex("b3c1"), "zh_CN", EncodingKind::Big5, 5,
                     Weights(8, 8, 1, 0, 0)},
        // 說話 in Big5 survives the trip as GBK 弧杠: a wrong guess by design.
        DetectorCase{"Big5 shuo hua", Hex("bba1b8dc"), "zh_CN", EncodingKind::Gbk, 5,
                     Weights(16, 16, 2, 0, 0)},
        // Leads FA–FE weigh double for GBK.
        DetectorCase{"GBK user area", Hex("fa40fb41"), "en_US", EncodingKind::Gbk, 3,
                     Weights(32, 16, 2, 0, 0)},
        // A trail byte 80–A0 after C0–DF is GBK only.
        DetectorCase{"GBK trail 80-A0", Hex("c080c180"), "en_US", EncodingKind::Gbk, 3,
                     Weights(8, 0, 2, 0, 2)},
        DetectorCase{"ASCII", QByteArray("plain text, 123\r\n"), "zh_CN", EncodingKind::Ansi, 6,
                     Weights(0, 0, 0, 0, 0)},
        DetectorCase{"UTF-8 Chinese", kChinese.toUtf8(), "zh_CN", EncodingKind::Utf8, 2,
                     std::nullopt},
        DetectorCase{"UTF-16LE hello", Utf16(kHello, false), "zh_CN", EncodingKind::Utf16Le, 1,
                     std::nullopt},
        DetectorCase{"UTF-16BE hello", Utf16(kHello, true), "zh_CN", EncodingKind::Utf16Be, 1,
                     std::nullopt},
        DetectorCase{"UTF-16LE lyrics", Utf16(kChinese, false), "zh_CN",
                     EncodingKind::Utf16Le, 1, std::nullopt},
        DetectorCase{"one control in three", QByteArray("a\x01" "b", 3), "zh_CN",
                     EncodingKind::Binary, 1, std::nullopt},
        DetectorCase{"UTF-32BE with mark", Hex("0000feff0000006100000062"), "zh_CN",
                     EncodingKind::Binary, 1, std::nullopt},
        DetectorCase{"zero run", QByteArray(64, '\0'), "zh_CN", EncodingKind::Binary, 1,
                     std::nullopt},
        // A lone zero at an odd position looks like the high half of a
        // big-endian unit.
        DetectorCase{"one zero byte", Hex("00"), "zh_CN", EncodingKind::Utf16Be, 1,
                     std::nullopt}),
    [](const ::testing::TestParamInfo<DetectorCase> &info) {
        return CaseName(std::string(info.param.name) + "_" + info.param.locale);
    });

TEST(EncodingEvidence, CountsZerosByPositionAndPairsOfZeros)
{
    // Positions 2 and 4 are even; 5 and 6 form a pair of zeros.
    const EncodingEvidence e = ScanEncodingEvidence(Hex("6100620000"));
    EXPECT_EQ(e.evenZeros, 2);
    EXPECT_EQ(e.oddZeros, 1);
    EXPECT_EQ(e.zeroPairs, 1);
    EXPECT_EQ(e.controls, 3);
}

TEST(EncodingEvidence, CountsControlBytesButNotLineBreaksOrTabs)
{
    const EncodingEvidence e = ScanEncodingEvidence(Hex("090a0d0b0c1b7fff"));
    EXPECT_EQ(e.controls, 3);
}

TEST(EncodingEvidence, LooksForUtf8AfterContinuationBytes)
{
    // 80 then 你 (E4 BD A0): the look-ahead after 80 finds the sequence, and
    // the scan finds it again at its lead.
    EncodingEvidence e = ScanEncodingEvidence(Hex("80e4bda0"));
    EXPECT_EQ(e.utf8Weight, 64);
    EXPECT_EQ(e.utf8Hits, 2);
    // B0 80 then 你: the look-ahead skips the continuation byte 80. The last
    // byte A0 is visited as a lead that only GBK weighs.
    e = ScanEncodingEvidence(Hex("b080e4bda0"));
    EXPECT_EQ(e.gbkWeight, 8 + 1 + 8);
    EXPECT_EQ(e.big5Weight, 8 + 1);
    EXPECT_EQ(e.utf8Hits, 2);
    EXPECT_EQ(e.leads, 3);
}

TEST(EncodingEvidence, SkipsTheByteAfterEveryLead)
{
    // The zero after each lead is never visited.
    const EncodingEvidence e = ScanEncodingEvidence(Hex("b000b000b000"));
    EXPECT_EQ(e.controls, 0);
    EXPECT_EQ(e.leads, 3);
    EXPECT_EQ(e.gbkWeight, 24);
    EXPECT_EQ(e.big5Weight, 24);
}

TEST(EncodingEvidence, TwoByteUtf8IsWeighedByItsSecondByte)
{
    // C3 A9 (é) and C3 80 (À).
    EncodingEvidence e = ScanEncodingEvidence(Hex("c3a9"));
    EXPECT_EQ(e.utf8Weight, 1);
    EXPECT_EQ(e.gbkWeight, 1);
    EXPECT_EQ(e.big5Weight, 1);
    e = ScanEncodingEvidence(Hex("c380"));
    EXPECT_EQ(e.gbkWeight, 4);
    EXPECT_EQ(e.big5Weight, 0);
    EXPECT_EQ(e.gbkPairs, 1);
}

TEST(DetectEncoding, UsesTheRoundTripOnlyOnAChineseSystem)
{
    // Western text in code page 1252 ties its weights; outside China it is
    // plain Ansi.
    const QByteArray cafe = QByteArray("caf\xe9 cr\xe8me", 10);
    ScopedLocale western(QStringLiteral("de_DE"));
    EXPECT_EQ(DetectEncoding(cafe), EncodingKind::Ansi);
}

} // namespace
