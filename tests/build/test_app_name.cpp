#include "support/test_folders.h"

#include "build/app_name.h"
#include "build/xml_file.h"

#include "platform/app_error.h"
#include "platform/code_page.h"
#include "settings/pt_info.h"
#include "settings/random_id.h"

#include <QCryptographicHash>
#include <QFile>

#include <gtest/gtest.h>

namespace {
QByteArray DataFile(const char *name)
{
    QFile file(QStringLiteral(PELORIN_TEST_DATA_DIR "/build/app_name/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct EscapeCase
{
    const char *text;
    const char *escaped;
};

class EscapeXmlTextTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeXmlTextTest, ResourceTextReadsBackAsTheName)
{
    EXPECT_EQ(EscapeXmlText(QString::fromUtf8(GetParam().text)), QString::fromUtf8(GetParam().escaped));
}

INSTANTIATE_TEST_SUITE_P(Texts, EscapeXmlTextTest, ::testing::Values(
    EscapeCase{"Rock & Roll's <Best>", "Rock &amp; Roll\\'s &lt;Best&gt;"},
    EscapeCase{"&amp;", "&amp;amp;"},
    EscapeCase{"say \"hi\"", "say \\\"hi\\\""},
    EscapeCase{"back\\slash\\'", "back\\\\slash\\\\\\'"},
    EscapeCase{"@home", "\\@home"},
    EscapeCase{"?what", "\\?what"},
    EscapeCase{"a@b?", "a@b?"},
    EscapeCase{"中文 专辑", "中文 专辑"},
    EscapeCase{" two  spaces ", "\\u0020two \\u0020spaces\\u0020"},
    EscapeCase{"%s%n 100%", "\\u0025s\\u0025n 100\\u0025"}));

struct MarkupCase
{
    const char *text;
    const char *escaped;
};

class EscapeXmlMarkupTest : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(EscapeXmlMarkupTest, EntitiesAndCharacterReferences)
{
    EXPECT_EQ(EscapeXmlMarkup(QString::fromUtf8(GetParam().text)), QString::fromUtf8(GetParam().escaped));
}

INSTANTIATE_TEST_SUITE_P(Texts, EscapeXmlMarkupTest, ::testing::Values(
    MarkupCase{"a&b<c>d\"e'f", "a&amp;b&lt;c&gt;d&quot;e&apos;f"},
    MarkupCase{"tab\tlf\ncr\r", "tab\tlf\ncr\r"},
    MarkupCase{"\x01\x1f\x7f", "&#x01;&#x1F;&#x7F;"},
    MarkupCase{"\xc3\xa9\xc2\x80", "&#xE9;&#x80;"},
    MarkupCase{"歌\xc4\x80", "&#x6B4C;&#x0100;"},
    MarkupCase{"\xf0\x9f\x98\x80", "&#x1F600;"}));

class SetAppNameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PtInfo = &settings;
        RandomId = QStringLiteral("0A1B2C3D4E");
        app.write(QStringLiteral("data/A/AndroidManifest.xml"), DataFile("manifest_in.xml"));
        app.write(QStringLiteral("data/A/res/values/strings.xml"), DataFile("strings_in.xml"));
    }
    void TearDown() override
    {
        PtInfo = nullptr;
        RandomId.clear();
    }

    TestAppFolder app;
    TPtInfo settings;
};

TEST_F(SetAppNameTest, PackageStemFromAppId)
{
    settings.AppId = QStringLiteral("ABC");
    EXPECT_EQ(PackageName(QStringLiteral("any")), QStringLiteral("com.quorvane.dorvalith.mabc"));
    settings.AppId = QStringLiteral("ÄB.Q");
    EXPECT_EQ(PackageName(QStringLiteral("other")), QStringLiteral("com.quorvane.dorvalith.mÄb.q"));
}

TEST_F(SetAppNameTest, PackageStemFromInstallationAndAlbum)
{
    const QByteArray md5 = QCryptographicHash::hash("Morning", QCryptographicHash::Md5).toHex();
    EXPECT_EQ(PackageName(QStringLiteral("Morning")),
              QStringLiteral("com.quorvane.dorvalith.m0a1b2c3d4e") + QString::fromLatin1(md5));
    EXPECT_NE(PackageName(QStringLiteral("Morning")), PackageName(QStringLiteral("Evening")));
}

TEST_F(SetAppNameTest, ChineseAlbumDigestsItsGbkBytes)
{
    ScopedLocale locale(QStringLiteral("zh_CN.GBK")); // UTF-8 locales digest UTF-8
    const QByteArray gbk("\xd6\xd0\xce\xc4"); // 中文
    EXPECT_EQ(PackageName(QStringLiteral("中文")),
              QStringLiteral("com.quorvane.dorvalith.m0a1b2c3d4e")
                  + QString::fromLatin1(QCryptographicHash::hash(gbk, QCryptographicHash::Md5).toHex()));
}

TEST_F(SetAppNameTest, RewritesManifestAndStringsByteForByte)
{
    settings.AppId = QStringLiteral("Custom.ID");
    ASSERT_TRUE(SetAppName(QStringLiteral("A")));
    EXPECT_EQ(app.read(QStringLiteral("data/A/AndroidManifest.xml")), DataFile("manifest_out.xml"));
    // The strings file takes its title from the album name; here a second
    // album folder is used so the name can carry the characters to escape.
    const QString album = QStringLiteral("Rock & Roll's <Best>");
    app.write(QStringLiteral("data/") + album + QStringLiteral("/AndroidManifest.xml"),
              DataFile("manifest_in.xml"));
    app.write(QStringLiteral("data/") + album + QStringLiteral("/res/values/strings.xml"),
              DataFile("strings_in.xml"));
    ASSERT_TRUE(SetAppName(album));
    EXPECT_EQ(app.read(QStringLiteral("data/") + album + QStringLiteral("/res/values/strings.xml")),
              DataFile("strings_out.xml"));
}

TEST_F(SetAppNameTest, EmptyStringsFileKeepsOnlyTheMark)
{
    app.write(QStringLiteral("data/A/res/values/strings.xml"), QByteArray());
    ASSERT_TRUE(SetAppName(QStringLiteral("A")));
    EXPECT_EQ(app.read(QStringLiteral("data/A/res/values/strings.xml")), "\xEF\xBB\xBF");
}

TEST_F(SetAppNameTest, ManifestWithoutPackageOrOtherRootStaysAsItWas)
{
    for (const QByteArray &manifest :
         {QByteArray("<manifest versionCode=\"1\">\n  <x/>\n</manifest>"),
          QByteArray("<?xml version=\"1.0\"?>\n<other package=\"p\"/>")}) {
        app.write(QStringLiteral("data/A/AndroidManifest.xml"), manifest);
        ASSERT_TRUE(SetAppName(QStringLiteral("A")));
        EXPECT_EQ(app.read(QStringLiteral("data/A/AndroidManifest.xml")), manifest);
    }
}

TEST_F(SetAppNameTest, PrefixedPackageAttributeIsRenamedToo)
{
    settings.AppId = QStringLiteral("X");
    app.write(QStringLiteral("data/A/AndroidManifest.xml"), "<m:Manifest xmlns:m=\"u\" m:PACKAGE=\"old\"/>");
    ASSERT_TRUE(SetAppName(QStringLiteral("A")));
    EXPECT_EQ(app.read(QStringLiteral("data/A/AndroidManifest.xml")),
              "<m:Manifest xmlns:m=\"u\" m:PACKAGE=\"com.quorvane.dorvalith.mx\"/>\r\n");
}

TEST_F(SetAppNameTest, ManifestKeepsItsDeclaredEncoding)
{
    settings.AppId = QStringLiteral("X");
    // GBK bytes of 歌 in an attribute: read by the declaration, written as a reference.
    app.write(QStringLiteral("data/A/AndroidManifest.xml"),
              "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<manifest package=\"p\" label=\"\xb8\xe8\"/>\n");
    ASSERT_TRUE(SetAppName(QStringLiteral("A")));
    EXPECT_EQ(app.read(QStringLiteral("data/A/AndroidManifest.xml")),
              "<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n"
              "<manifest package=\"com.quorvane.dorvalith.mx\" label=\"&#x6B4C;\"/>\r\n");

    QByteArray utf16("\xFF\xFE");
    const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?><manifest package=\"p\">歌</manifest>");
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    app.write(QStringLiteral("data/A/AndroidManifest.xml"), utf16);
    ASSERT_TRUE(SetAppName(QStringLiteral("A")));
    const QString expected = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
                                            "<manifest package=\"com.quorvane.dorvalith.mx\">&#x6B4C;</manifest>\r\n");
    EXPECT_EQ(app.read(QStringLiteral("data/A/AndroidManifest.xml")),
              QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(expected.utf16()), expected.size() * 2));
}

TEST_F(SetAppNameTest, ManifestItsEncodingCannotHoldIsLeftAsItWas)
{
    ScopedLocale locale(QStringLiteral("zh_CN"));
    // Names cannot carry character references: a UTF-8 file that declares
    // Latin-1, and a GBK byte pair that does not decode in a processing
    // instruction's name, would come back as "?".
    for (const QByteArray &manifest :
         {QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><manifest package=\"p\"><\xE4\xB8\x93/></manifest>"),
          QByteArray("<?xm\xEC version=\"1.0\"?>\n<manifest package=\"p\"/>")}) {
        app.write(QStringLiteral("data/A/AndroidManifest.xml"), manifest);
        EXPECT_THROW(SetAppName(QStringLiteral("A")), AppError);
        EXPECT_EQ(app.read(QStringLiteral("data/A/AndroidManifest.xml")), manifest);
    }
}

TEST_F(SetAppNameTest, DeeplyNestedManifestIsRefusedNotACrash)
{
    for (const auto &[depth, written] : {std::pair{1000, true}, std::pair{1001, false}, std::pair{100000, false}}) {
        const QByteArray manifest = "<manifest package=\"p\">" + QByteArray("<a>").repeated(depth - 1)
            + QByteArray("</a>").repeated(depth - 1) + "</manifest>";
        app.write(QStringLiteral("data/A/AndroidManifest.xml"), manifest);
        if (written) {
            EXPECT_TRUE(SetAppName(QStringLiteral("A")));
            EXPECT_TRUE(app.read(QStringLiteral("data/A/AndroidManifest.xml")).endsWith("\r\n</manifest>\r\n"));
        } else {
            EXPECT_THROW(SetAppName(QStringLiteral("A")), AppError) << depth;
            EXPECT_TRUE(app.read(QStringLiteral("data/A/AndroidManifest.xml")) == manifest) << depth;
        }
    }
}

TEST_F(SetAppNameTest, BrokenFilesRaiseErrors)
{
    app.write(QStringLiteral("data/A/AndroidManifest.xml"), "<manifest package=\"p\">");
    EXPECT_THROW(SetAppName(QStringLiteral("A")), AppError);

    app.write(QStringLiteral("data/A/AndroidManifest.xml"), DataFile("manifest_in.xml"));
    app.remove(QStringLiteral("data/A/res/values/strings.xml"));
    try {
        SetAppName(QStringLiteral("A"));
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Cannot open file \"%1\". No such file or directory")
                                       .arg(app.file(QStringLiteral("data/A/res/values/strings.xml"))));
    }
}
} // namespace
