// Work started from the window that fails ends in the standard error box,
// running out of memory included; the program goes on.
#include "attach_gui/attach_fixture.h"

#include "media/text_decoding.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>
#include <fstream>
#include <string>

#include <sys/resource.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

const char kChildVariable[] = "PELORIN_OUT_OF_MEMORY_CHILD";

// The process's address space in use, in bytes.
qint64 AddressSpaceInUse()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmSize:", 0) == 0)
            return std::stoll(line.substr(7)) * 1024;
    }
    return -1;
}

class WindowErrors : public AttachTest
{
protected:
    // A song with a lyrics file of the given size beside it.
    QString SongWithLyrics(qint64 lyricsBytes)
    {
        const QString song = Song(QStringLiteral("歌.mp3"));
        QFile lyrics(File(QStringLiteral("歌.txt")));
        EXPECT_TRUE(lyrics.open(QIODevice::WriteOnly));
        EXPECT_TRUE(lyrics.write(QByteArray(lyricsBytes, 'a')) == lyricsBytes);
        return song;
    }
};

// Run in a child process with little address space left: reading the
// lyrics runs out of memory in the middle of the drop.
TEST_F(WindowErrors, OutOfMemoryInADropEndsInTheErrorBox)
{
    if (qEnvironmentVariableIsEmpty(kChildVariable))
        GTEST_SKIP() << "runs in the child of RunsOutOfMemoryWithoutEnding";
    const QString song = SongWithLyrics(MaxTextFileBytes);
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &original), 0);
    rlimit lowered = original;
    lowered.rlim_cur = rlim_t(AddressSpaceInUse() + 40LL * 1024 * 1024);
    ASSERT_EQ(setrlimit(RLIMIT_AS, &lowered), 0);

    QStringList errors;
    {
        ModalAnswers answers(CloseErrorBox(&errors));
        DropFiles({song});
    }
    ASSERT_EQ(setrlimit(RLIMIT_AS, &original), 0);
    for (const QString &error : errors)
        std::printf("ERROR BOX: %s\n", error.toUtf8().constData());
    std::fflush(stdout);
}

TEST(WindowErrorsParent, RunsOutOfMemoryWithoutEnding)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "the sanitizer reserves more address space than any limit leaves";
    if (!qEnvironmentVariableIsEmpty(kChildVariable))
        GTEST_SKIP();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=WindowErrors.OutOfMemoryInADropEndsInTheErrorBox")});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("ERROR BOX: 内存不足，操作没有完成.\n"))) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

} // namespace
