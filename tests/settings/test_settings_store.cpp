#include "settings/pt_info.h"
#include "settings/random_id.h"

#include "platform/user_store.h"
#include "support/test_folders.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// A fresh application folder, settings object and per-user store.
class SettingsStore : public ::testing::Test
{
protected:
    SettingsStore()
    {
        SetUserStoreFile(m_app.file(QStringLiteral("user-store.conf")));
        PtInfo = &m_info;
        RandomId.clear();
    }
    ~SettingsStore() override
    {
        PtInfo = nullptr;
        SetUserStoreFile(QString());
    }

    void WriteIni(const QByteArray &body)
    {
        m_app.write(QStringLiteral("ini/Pelorin.ini"), "[Brisling]\r\n" + body);
    }

    TestAppFolder m_app;
    TPtInfo m_info;
};

TEST_F(SettingsStore, IniPathIsNamedAfterTheExecutable)
{
    EXPECT_EQ(IniFilePath(), m_app.file(QStringLiteral("ini/Pelorin.ini")));
    TestAppFolder other(QStringLiteral("Album.exe"));
    EXPECT_EQ(IniFilePath(), other.file(QStringLiteral("ini/Album.ini")));
}

TEST_F(SettingsStore, MissingFileGivesDefaults)
{
    m_info.TextColor = QStringLiteral("stale");
    LoadSettings(QString());
    EXPECT_EQ(m_info.PresetRandomId, QString());
    EXPECT_EQ(m_info.AppId, QString());
    EXPECT_EQ(m_info.TextColor, QStringLiteral("#ffffffff"));
    EXPECT_EQ(m_info.LrcPosition, QStringLiteral("2"));
    EXPECT_EQ(m_info.BackgroundColor, QStringLiteral("#ffffcc"));
    EXPECT_EQ(m_info.TextSize, 30);
}

TEST_F(SettingsStore, ReadsKeysWithoutRegardToCaseAndStripsQuotes)
{
    WriteIni("appid = \"com.example.album\" \r\ncolor='#ff000000'\r\nBACKGROUNDCOLOR=  #123456  \r\n");
    LoadSettings(QString());
    EXPECT_EQ(m_info.AppId, QStringLiteral("com.example.album"));
    EXPECT_EQ(m_info.TextColor, QStringLiteral("#ff000000"));
    EXPECT_EQ(m_info.BackgroundColor, QStringLiteral("#123456"));
}

TEST_F(SettingsStore, KeysOfOtherSectionsAreIgnored)
{
    m_app.write(QStringLiteral("ini/Pelorin.ini"), "[Other]\nColor=#1\n[brisling]\nSize=12\n");
    LoadSettings(QString());
    EXPECT_EQ(m_info.TextColor, QStringLiteral("#ffffffff"));
    EXPECT_EQ(m_info.TextSize, 12);
}

struct SizeCase
{
    const char *line;
    int expected;
};

void PrintTo(const SizeCase &c, std::ostream *out)
{
    *out << QByteArray(c.line).trimmed().toStdString();
}

class SizeValues : public SettingsStore, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SizeValues, IntegerKeyFallsBackToDefault)
{
    WriteIni(GetParam().line);
    LoadSettings(QString());
    EXPECT_EQ(m_info.TextSize, GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Size, SizeValues, ::testing::Values(
    SizeCase{"Size=0x1E\r\n", 30}, SizeCase{"Size=0X10\r\n", 16}, SizeCase{"Size=$20\r\n", 32},
    SizeCase{"Size=abc\r\n", 30}, SizeCase{"Size=12\r\n", 12}, SizeCase{"Size=\r\n", 30},
    SizeCase{"Size=-4\r\n", -4}, SizeCase{"Size=99999999999\r\n", 30}, SizeCase{"", 30}));

TEST_F(SettingsStore, PresentButEmptyPositionIsNotAbsent)
{
    WriteIni("Position=\r\n");
    LoadSettings(QString());
    EXPECT_EQ(m_info.LrcPosition, QString());
}

TEST_F(SettingsStore, LongValuesAreCutAt2047Characters)
{
    WriteIni("AppID=" + QByteArray(10 * 1024 * 1024, 'a') + "\r\nColor=#00ff00\r\n");
    LoadSettings(QString());
    EXPECT_EQ(m_info.AppId.size(), 2047);
    EXPECT_EQ(m_info.TextColor, QStringLiteral("#00ff00"));
}

TEST_F(SettingsStore, GarbageBytesDoNotStopTheLoad)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 37) & 0xFF));
    WriteIni(garbage + "\r\n[Brisling]\r\nSize=7\r\n");
    LoadSettings(QString());
    EXPECT_EQ(m_info.TextSize, 7);
}

TEST_F(SettingsStore, EditsTakeEffectAtTheNextLoad)
{
    WriteIni("Color=#111111\r\n");
    LoadSettings(QString());
    EXPECT_EQ(m_info.TextColor, QStringLiteral("#111111"));
    WriteIni("Color=#222222\r\n");
    LoadSettings(QString());
    EXPECT_EQ(m_info.TextColor, QStringLiteral("#222222"));
}

TEST_F(SettingsStore, PresetRandomIdWinsAndTheStoreIsUntouched)
{
    WriteIni("RandomID=  AB12 \t\r\n");
    LoadSettings(QString());
    InitRandomId();
    EXPECT_EQ(RandomId, QStringLiteral("AB12"));
    EXPECT_EQ(ReadRegistryText(QStringLiteral("radomid")), QString());
}

TEST_F(SettingsStore, NewIdentifierIsMadeStoredAndKeptAcrossStarts)
{
    LoadSettings(QString());
    InitRandomId();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{10}$")).match(RandomId).hasMatch())
        << RandomId.toStdString();
    EXPECT_EQ(ReadRegistryText(QStringLiteral("radomid")), RandomId);

    const QString first = RandomId;
    RandomId.clear();
    InitRandomId();
    EXPECT_EQ(RandomId, first);
}

TEST_F(SettingsStore, BlankStoredIdentifierIsReplacedPaddedOneIsKept)
{
    WriteRegistryText(QStringLiteral("radomid"), QStringLiteral("   "));
    InitRandomId();
    EXPECT_EQ(RandomId.size(), 10);
    EXPECT_EQ(ReadRegistryText(QStringLiteral("radomid")), RandomId);

    WriteRegistryText(QStringLiteral("radomid"), QStringLiteral(" X1 "));
    InitRandomId();
    EXPECT_EQ(RandomId, QStringLiteral(" X1 "));
}

TEST(MakeRandomId, IsTheLastTenDigitsOfDistinctGuids)
{
    const QString a = MakeRandomId();
    const QString b = MakeRandomId();
    EXPECT_EQ(a.size(), 10);
    EXPECT_NE(a, b);
}

} // namespace
