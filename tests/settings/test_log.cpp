#include "settings/log.h"

#include "support/test_folders.h"

#include <QDateTime>
#include <QDir>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

const QDateTime kMoment(QDate(2013, 6, 24), QTime(17, 5, 9, 42));

TEST(LogFilePath, ReplacesTheExtensionWithTheDate)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    const QString expected = app.file(QStringLiteral("log/Album")
                                      + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                                      + QStringLiteral(".log"));
    EXPECT_EQ(LogFilePath(), expected);
}

TEST(LogFilePath, NameWithoutDotGetsDateAppended)
{
    TestAppFolder app(QStringLiteral("Pelorin"));
    EXPECT_TRUE(LogFilePath().endsWith(
        QStringLiteral("/log/Pelorin") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
        + QStringLiteral(".log")));
}

TEST(WriteLog, WritesStampTabAndMessageWithCrLf)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    WriteLogAt(kMoment, QStringLiteral("clear old file fail"));
    EXPECT_EQ(app.read(QStringLiteral("log/Album20130624.log")),
              QByteArray("13/06/24 17:05:09 042\tclear old file fail\r\n"));
}

TEST(WriteLog, EmptyMessageYieldsStampAndTab)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    WriteLogAt(kMoment, QString());
    EXPECT_EQ(app.read(QStringLiteral("log/Album20130624.log")),
              QByteArray("13/06/24 17:05:09 042\t\r\n"));
}

TEST(WriteLog, MultiLineMessageStampsOnlyTheFirstLine)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    WriteLogAt(kMoment, QStringLiteral("a\r\nb\nc\rd\r\n"));
    EXPECT_EQ(app.read(QStringLiteral("log/Album20130624.log")),
              QByteArray("13/06/24 17:05:09 042\ta\r\nb\r\nc\r\nd\r\n"));
}

TEST(WriteLog, AppendsToTheDaysFileAndSplitsAtMidnight)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    app.write(QStringLiteral("log/Album20130624.log"), "earlier\r\n");
    WriteLogAt(QDateTime(QDate(2013, 6, 24), QTime(23, 59, 59, 999)), QStringLiteral("before"));
    WriteLogAt(QDateTime(QDate(2013, 6, 25), QTime(0, 0, 0, 1)), QStringLiteral("after"));
    EXPECT_EQ(app.read(QStringLiteral("log/Album20130624.log")),
              QByteArray("earlier\r\n13/06/24 23:59:59 999\tbefore\r\n"));
    EXPECT_EQ(app.read(QStringLiteral("log/Album20130625.log")),
              QByteArray("13/06/25 00:00:00 001\tafter\r\n"));
}

TEST(WriteLog, MissingLogFolderLosesTheEntrySilently)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    app.remove(QStringLiteral("log"));
    WriteLogAt(kMoment, QStringLiteral("lost"));
    EXPECT_FALSE(QDir(app.file(QStringLiteral("log"))).exists());
}

struct LogEncodingCase
{
    const char *locale;
    const char *message;
    QByteArray written;
};

void PrintTo(const LogEncodingCase &c, std::ostream *out) { *out << c.locale; }

class LogEncoding : public ::testing::TestWithParam<LogEncodingCase> {};

// The native encoding: UTF-8 under a UTF-8 locale, the code page only where
// the locale names a legacy charset (or none), with "?" for what it lacks.
TEST_P(LogEncoding, FollowsTheLocalesCharset)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    {
        ScopedLocale locale{QLatin1String(GetParam().locale)};
        WriteLogAt(kMoment, QString::fromUtf8(GetParam().message));
    }
    const QByteArray log = app.read(QStringLiteral("log/Album20130624.log"));
    EXPECT_TRUE(log.endsWith('\t' + GetParam().written + "\r\n")) << log.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, LogEncoding, ::testing::Values(
    LogEncodingCase{"en_US.UTF-8", "歌 é", "\xE6\xAD\x8C \xC3\xA9"},
    LogEncodingCase{"en_US", "歌 é", "? \xE9"},
    LogEncodingCase{"zh_CN.UTF-8", "你好", "\xE4\xBD\xA0\xE5\xA5\xBD"},
    LogEncodingCase{"zh_CN.GBK", "你好", "\xC4\xE3\xBA\xC3"}));

TEST(WriteLog, RegionalDateSeparatorIsUsed)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    ScopedLocale locale(QStringLiteral("de_DE.UTF-8"));
    WriteLogAt(kMoment, QStringLiteral("x"));
    EXPECT_EQ(app.read(QStringLiteral("log/Album20130624.log")),
              QByteArray("13.06.24 17:05:09 042\tx\r\n"));
}

TEST(WriteLog, ConcurrentWritersLoseNoEntry)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    constexpr int kThreads = 4;
    constexpr int kEntries = 200;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([t] {
            for (int i = 0; i < kEntries; ++i)
                WriteLogAt(kMoment, QStringLiteral("thread %1 entry %2").arg(t).arg(i));
        });
    }
    for (std::thread &writer : writers)
        writer.join();
    const QByteArray log = app.read(QStringLiteral("log/Album20130624.log"));
    EXPECT_EQ(log.count("\r\n"), kThreads * kEntries);
}

TEST(WriteTextToFile, TruncatesUnlessAppendingAndReportsFailure)
{
    TestAppFolder app;
    const QString path = app.file(QStringLiteral("out.txt"));
    EXPECT_EQ(WriteTextToFile(QStringLiteral("one\ntwo"), path, false), 0);
    EXPECT_EQ(WriteTextToFile(QStringLiteral("three"), path, true), 0);
    EXPECT_EQ(app.read(QStringLiteral("out.txt")), QByteArray("one\r\ntwo\r\nthree\r\n"));
    EXPECT_EQ(WriteTextToFile(QStringLiteral("new"), path, false), 0);
    EXPECT_EQ(app.read(QStringLiteral("out.txt")), QByteArray("new\r\n"));
    EXPECT_EQ(WriteTextToFile(QStringLiteral("x"), app.file(QStringLiteral("no/such/dir/f")), true), -1);
}

TEST(SplitLines, BreaksAtCrLfCrAndLf)
{
    EXPECT_EQ(SplitLines(QString()), QStringList());
    EXPECT_EQ(SplitLines(QStringLiteral("a")), QStringList{QStringLiteral("a")});
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\n")), QStringList{QStringLiteral("a")});
    EXPECT_EQ(SplitLines(QStringLiteral("a\n\rb")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(SplitLines(QStringLiteral("\r\n")), QStringList{QString()});
}

} // namespace
