#include "media/text_decoding.h"
#include "support/test_folders.h"
#include "test_bytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct FileCase
{
    const char *name;
    const char *locale;
    QByteArray content;
    QString text; // LoadTextFile's result
};

void PrintTo(const FileCase &c, std::ostream *os)
{
    *os << c.name << " on " << c.locale;
}

QString Lines(const char16_t *text)
{
    return QString::fromUtf16(text);
}

class LoadTextFileTable : public ::testing::TestWithParam<FileCase>
{
protected:
    QString Write(const QByteArray &content)
    {
        const QString path = m_dir.filePath(QStringLiteral("lyrics.lrc"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_P(LoadTextFileTable, DecodesAndEndsEveryLineWithCrLf)
{
    const FileCase &c = GetParam();
    ScopedLocale locale(QString::fromLatin1(c.locale));
    EXPECT_EQ(LoadTextFile(Write(c.content)), c.text);
}

const QByteArray kUtf8Mark = Hex("efbbbf");
const QByteArray kLeMark = Hex("fffe");
const QByteArray kBeMark = Hex("feff");

INSTANTIATE_TEST_SUITE_P(
    Files, LoadTextFileTable,
    ::testing::Values(
        FileCase{"empty", "zh_CN", QByteArray(), QString()},
        FileCase{"no final break", "zh_CN", "abc", Lines(u"abc\r\n")},
        FileCase{"utf8 mark", "zh_CN", kUtf8Mark + "a\nb", Lines(u"a\r\nb\r\n")},
        FileCase{"utf8 mark only", "zh_CN", kUtf8Mark, QString()},
        FileCase{"utf8 without mark", "en_US", QStringLiteral("[ti:春风]\n春风吹").toUtf8(),
                 Lines(u"[ti:春风]\r\n春风吹\r\n")},
        FileCase{"malformed utf8", "zh_CN", kUtf8Mark + Hex("61e4bd62"), Lines(u"a\ufffdb\r\n")},
        FileCase{"utf16le mark", "zh_CN", kLeMark + Utf16(QStringLiteral("你好\n再见"), false),
                 Lines(u"你好\r\n再见\r\n")},
        FileCase{"utf16be mark", "zh_CN", kBeMark + Utf16(QStringLiteral("你好\r再见"), true),
                 Lines(u"你好\r\n再见\r\n")},
        FileCase{"utf16le hello", "en_US", Utf16(QStringLiteral("hello"), false), Lines(u"hello\r\n")},
        FileCase{"utf16be hello", "en_US", Utf16(QStringLiteral("hello"), true), Lines(u"hello\r\n")},
        FileCase{"utf16le odd length", "zh_CN", kLeMark + Hex("610062"), Lines(u"a\r\n")},
        FileCase{"utf16be odd length", "zh_CN", kBeMark + Hex("006100"), Lines(u"a\r\n")},
        FileCase{"utf16le mark only", "zh_CN", kLeMark, QString()},
        FileCase{"utf16be mark and one byte", "zh_CN", kBeMark + "a", QString()},
        FileCase{"utf32le mark", "zh_CN", Hex("fffe000061000000"), QString()},
        FileCase{"utf32be mark", "zh_CN", Hex("0000feff00000061"), QString()},
        FileCase{"one byte", "zh_CN", "a", Lines(u"a\r\n")},
        FileCase{"one zero byte", "zh_CN", Hex("00"), QString()},
        FileCase{"one high byte", "en_US", Hex("ff"), Lines(u"\u00ff\r\n")},
        FileCase{"binary", "zh_CN", QByteArray("a\x01" "b", 3), Lines(u"a\u0001b\r\n")},
        FileCase{"cut at zero", "zh_CN", QByteArray("ab\0\x01\x02" "cd\n", 8), Lines(u"ab\r\n")},
        // A single zero byte among ASCII reads as big-endian UTF-16.
        FileCase{"ascii with one zero", "zh_CN", QByteArray("ab\0c", 4), Lines(u"\u6162\u0063\r\n")},
        FileCase{"cut at decoded zero", "zh_CN", kLeMark + Hex("6100620000006300"),
                 Lines(u"ab\r\n")},
        FileCase{"lone LF", "zh_CN", "a\nb\n", Lines(u"a\r\nb\r\n")},
        FileCase{"lone CR", "zh_CN", "a\rb\r", Lines(u"a\r\nb\r\n")},
        FileCase{"mixed breaks", "zh_CN", "a\r\nb\rc\nd", Lines(u"a\r\nb\r\nc\r\nd\r\n")},
        FileCase{"LF then CR", "zh_CN", "a\n\rb", Lines(u"a\r\n\r\nb\r\n")},
        FileCase{"empty lines", "zh_CN", "\n\na\n\n", Lines(u"\r\n\r\na\r\n\r\n")},
        FileCase{"only a break", "zh_CN", "\r\n", Lines(u"\r\n")},
        // 你好 in GBK and Big5 on Simplified, Traditional and Western systems.
        FileCase{"gbk", "zh_CN", Hex("c4e3bac30d0a"), Lines(u"你好\r\n")},
        FileCase{"gbk", "en_US", Hex("c4e3bac3"), Lines(u"\u00c4\u00e3\u00ba\u00c3\r\n")},
        FileCase{"big5", "zh_CN", Hex("a741a66e"), Lines(u"你好\r\n")},
        FileCase{"big5", "zh_TW", Hex("a741a66e"), Lines(u"你好\r\n")},
        FileCase{"big5", "en_US", Hex("a741a66e"), Lines(u"\u00a7A\u00a6n\r\n")},
        // 请说简体中文 in GBK reads as Traditional script on a Traditional system.
        FileCase{"gbk simplified", "zh_TW", Hex("c7ebcbb5bcf2cce5d6d0cec4"), Lines(u"請說簡體中文\r\n")},
        FileCase{"gbk simplified", "zh_HK", Hex("c7ebcbb5bcf2cce5d6d0cec4"), Lines(u"請說簡體中文\r\n")},
        FileCase{"gbk simplified", "zh_CN", Hex("c7ebcbb5bcf2cce5d6d0cec4"), Lines(u"请说简体中文\r\n")},
        // 請說繁體中文 in Big5 reads as Simplified script on a Simplified system.
        FileCase{"big5 traditional", "zh_CN", Hex("bdd0bba1c163c5e9a4a4a4e5"), Lines(u"请说繁体中文\r\n")},
        FileCase{"big5 traditional", "zh_SG", Hex("bdd0bba1c163c5e9a4a4a4e5"), Lines(u"请说繁体中文\r\n")},
        FileCase{"big5 traditional", "zh_TW", Hex("bdd0bba1c163c5e9a4a4a4e5"), Lines(u"請說繁體中文\r\n")}),
    [](const ::testing::TestParamInfo<FileCase> &info) {
        return CaseName(std::string(info.param.name) + "_" + info.param.locale);
    });

TEST(DecodeTextBytes, ReportsTheMarkAndTheKind)
{
    ScopedLocale locale(QStringLiteral("zh_CN"));
    DecodedText d = DecodeTextBytes(kUtf8Mark + "x");
    EXPECT_TRUE(d.byteOrderMark);
    EXPECT_EQ(d.kind, EncodingKind::Utf8);
    d = DecodeTextBytes(Hex("fffe000061000000"));
    EXPECT_TRUE(d.byteOrderMark);
    EXPECT_EQ(d.kind, EncodingKind::Utf16Le);
    EXPECT_EQ(d.text, QString(QChar(0)) + QStringLiteral("a") + QChar(0));
    d = DecodeTextBytes("x");
    EXPECT_FALSE(d.byteOrderMark);
    EXPECT_EQ(d.kind, EncodingKind::Ansi);
}

TEST(DecodeTextBytes, SamplesOnlyTheFirst4096Bytes)
{
    // GBK text after 4096 bytes of ASCII is not seen by the detector, so the
    // file is Ansi; on a Western system it is decoded with code page 1252.
    ScopedLocale locale(QStringLiteral("en_US"));
    const QByteArray content = QByteArray(4096, 'a') + Hex("c7eb");
    const DecodedText d = DecodeTextBytes(content);
    EXPECT_EQ(d.kind, EncodingKind::Ansi);
    EXPECT_EQ(d.text.right(2), QStringLiteral("\u00c7\u00eb"));
}

TEST(DecodeTextBytes, ReadsLongBigEndianText)
{
    // Longer than the sample, and an odd number of bytes in all.
    QString text;
    for (int k = 0; k < 3000; ++k)
        text += QChar(char16_t(0x4E00 + k));
    const DecodedText d = DecodeTextBytes(kBeMark + Utf16(text, true) + "x");
    EXPECT_EQ(d.text, text);
}

TEST(DecodeTextFile, KeepsLineBreaksAndZeros)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kUtf8Mark + QByteArray("a\rb\0c", 5));
    file.close();
    EXPECT_EQ(DecodeTextFile(path), QString::fromUtf16(u"a\rb\0c", 5));
}

TEST(WithCrLfLines, CutsAtTheFirstZero)
{
    EXPECT_EQ(WithCrLfLines(QString(QChar(0)) + QStringLiteral("abc")), QString());
    EXPECT_EQ(WithCrLfLines(QStringLiteral("a\r") + QChar(0) + QStringLiteral("\nb")),
              QStringLiteral("a\r\n"));
}

} // namespace
