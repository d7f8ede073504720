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

TEST(WriteLog, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    {
        ScopedLocale locale(QStringLiteral("en_US")); // no charset: code page 1252
        WriteLogAt(kMoment, QStringLiteral("歌 é"));
    }
    EXPECT_EQ(app.read(QStringLiteral("log/Album20130624.log")),
              QByteArray("13/06/24 17:05:09 042\t? \xE9\r\n"));
}

TEST(WriteLog, ChineseLocaleWritesGbkBytes)
{
    TestAppFolder app(QStringLiteral("Album.exe"));
    ScopedLocale locale(QStringLiteral("zh_CN.GBK"));
    WriteLogAt(kMoment, QStringLiteral("你好"));
    EXPECT_TRUE(app.read(QStringLiteral("log/Album20130624.log")).endsWith("\t\xC4\xE3\xBA\xC3\r\n"));
}

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
