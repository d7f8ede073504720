#include "build/stored_extensions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QByteArray kTemplate
    = "version: 2.7.0\ndoNotCompress:\n- resources.arsc\n- mp3\n- MP3\n- AAC\n- JPG\nisFrameworkApk: false\n";

struct Case
{
    const char *name;
    QByteArray yml;
    const char *extensions; // comma-separated
    QByteArray expected;
};

class WithStoredExtensionsTest : public ::testing::TestWithParam<Case>
{
};

TEST_P(WithStoredExtensionsTest, AddsWhatTheListLacks)
{
    const QStringList extensions = QString::fromUtf8(GetParam().extensions).split(QLatin1Char(','));
    EXPECT_EQ(WithStoredExtensions(GetParam().yml, extensions), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, WithStoredExtensionsTest,
    ::testing::Values(Case{"OtherCasesAreAdded", kTemplate, "Mp3,AAC,m4A,JPG,Png",
                           "version: 2.7.0\ndoNotCompress:\n- resources.arsc\n- mp3\n- MP3\n- AAC\n- JPG\n"
                           "- \"Mp3\"\n- \"m4A\"\n- \"Png\"\nisFrameworkApk: false\n"},
                      Case{"NothingNewLeavesTheText", kTemplate, "mp3,MP3,", kTemplate},
                      Case{"EachOnce", kTemplate, "Png,Png,png",
                           "version: 2.7.0\ndoNotCompress:\n- resources.arsc\n- mp3\n- MP3\n- AAC\n- JPG\n- "
                           "\"Png\"\n- \"png\"\n"
                           "isFrameworkApk: false\n"},
                      Case{"QuotedAndIndentedEntriesCount", "doNotCompress:\n  - 'jpg'\n  - \"gif\"\nx: 1",
                           "jpg,gif,bmp", "doNotCompress:\n  - 'jpg'\n  - \"gif\"\n- \"bmp\"\nx: 1"},
                      Case{"NoListStartsOne", "version: 2.7.0\r\nsparseResources: false\r\n", "Mp3",
                           "version: 2.7.0\r\nsparseResources: false\r\ndoNotCompress:\r\n- \"Mp3\"\r\n"},
                      Case{"TextStaysAString", "doNotCompress:\n", "a\"b\\c,1",
                           "doNotCompress:\n- \"a\\\"b\\\\c\"\n- \"1\"\n"}),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

TEST(StoreExtensionsUncompressed, RewritesTheWorkingFolderFileAndLeavesAMissingOneMissing)
{
    QTemporaryDir dir;
    StoreExtensionsUncompressed(dir.path(), {QStringLiteral("Mp3")});
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("apktool.yml"))));

    QFile yml(dir.filePath(QStringLiteral("apktool.yml")));
    ASSERT_TRUE(yml.open(QIODevice::WriteOnly));
    yml.write(kTemplate);
    yml.close();
    StoreExtensionsUncompressed(dir.path(), {QStringLiteral("Mp3")});
    ASSERT_TRUE(yml.open(QIODevice::ReadOnly));
    EXPECT_TRUE(yml.readAll().contains("- JPG\n- \"Mp3\"\nisFrameworkApk"));
}

} // namespace
