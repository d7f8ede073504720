#include "settings/md5_context.h"
#include "settings/text_digest.h"

#include "support/test_folders.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

namespace {

struct DigestCase
{
    const char *text;
    const char *digest;
};

void PrintTo(const DigestCase &c, std::ostream *out) { *out << '"' << c.text << '"'; }

class RfcVectors : public ::testing::TestWithParam<DigestCase> {};

// The test suite of RFC 1321, appendix A.5.
TEST_P(RfcVectors, MatchTheRfc)
{
    EXPECT_EQ(TextDigest(QString::fromLatin1(GetParam().text)),
              QString::fromLatin1(GetParam().digest));
}

INSTANTIATE_TEST_SUITE_P(Rfc1321, RfcVectors, ::testing::Values(
    DigestCase{"", "D41D8CD98F00B204E9800998ECF8427E"},
    DigestCase{"a", "0CC175B9C0F1B6A831C399E269772661"},
    DigestCase{"abc", "900150983CD24FB0D6963F7D28E17F72"},
    DigestCase{"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
    DigestCase{"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
    DigestCase{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
               "D174AB98D277D9F5A5611C2C9F419D9F"},
    DigestCase{"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
               "57EDF4A22BE3C955AC49DA2E2107B67A"}));

TEST(TextDigest, ChineseTextDigestsItsGbkBytes)
{
    ScopedLocale locale(QStringLiteral("zh_CN.GBK"));
    const QByteArray gbk("\xC4\xE3\xBA\xC3\xCA\xC0\xBD\xE7"); // 你好世界
    const QString expected = QString::fromLatin1(
        QCryptographicHash::hash(gbk, QCryptographicHash::Md5).toHex().toUpper());
    EXPECT_EQ(TextDigest(QStringLiteral("你好世界")), expected);
}

// UTF-8 where the locale says so, and where its code page would lose a
// character: two names never share a digest through "?".
TEST(TextDigest, TextsTheCodePageCannotHoldDigestAsUtf8)
{
    for (const char *name : {"en_US.UTF-8", "en_US", "zh_CN.GBK"}) {
        ScopedLocale locale{QLatin1String(name)};
        const QString text = QStringLiteral("专辑😀");
        EXPECT_EQ(TextDigest(text), QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5)
                                                            .toHex().toUpper())) << name;
        EXPECT_NE(TextDigest(QStringLiteral("专辑")), TextDigest(QStringLiteral("??"))) << name;
    }
}

TEST(TextDigest, AsciiDoesNotDependOnTheCodePage)
{
    QString digests[3];
    int i = 0;
    for (const char *name : {"zh_CN", "zh_TW", "C"}) {
        ScopedLocale locale{QLatin1String(name)};
        digests[i++] = TextDigest(QStringLiteral("vizizizar"));
    }
    EXPECT_EQ(digests[0], digests[1]);
    EXPECT_EQ(digests[1], digests[2]);
}

// Whole blocks, a buffered remainder and the carry into the high count word
// all have to agree with a one-shot digest.
TEST(Md5Context, PiecewiseAdditionEqualsOneShot)
{
    QByteArray data;
    for (int i = 0; i < 1000; ++i)
        data.append(char(i * 7));
    const QByteArray expected = QCryptographicHash::hash(data, QCryptographicHash::Md5);
    for (int piece : {1, 3, 63, 64, 65, 200}) {
        Md5Context context;
        for (qsizetype at = 0; at < data.size(); at += piece)
            context.add(data.constData() + at, std::size_t(std::min<qsizetype>(piece, data.size() - at)));
        const Md5Context::Digest digest = context.finish();
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(digest.data()), 16), expected) << piece;
    }
}

} // namespace
