#include "media/text_decoding.h"
#include "platform/app_error.h"
#include "support/test_folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class BadTextFiles : public ::testing::Test
{
protected:
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    QString Write(const QString &name, const QByteArray &content) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

QString CannotOpen(const QString &path, const char *reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, QString::fromLocal8Bit(reason));
}

// A Unix socket bound to a path, closed with the object.
class BoundSocket
{
public:
    explicit BoundSocket(const QString &path) : m_fd(::socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(path);
        if (m_fd < 0 || size_t(native.size()) >= sizeof(address.sun_path))
            return;
        std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
        m_bound = ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    }
    ~BoundSocket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool bound() const { return m_bound; }

private:
    int m_fd;
    bool m_bound = false;
};

TEST_F(BadTextFiles, MissingFileGivesEmptyText)
{
    EXPECT_EQ(LoadTextFile(Path(QStringLiteral("none.lrc"))), QString());
    EXPECT_EQ(LoadTextFile(QString()), QString());
}

TEST_F(BadTextFiles, DirectoryIsNoFile)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("song.lrc")));
    EXPECT_EQ(LoadTextFile(Path(QStringLiteral("song.lrc"))), QString());
}

TEST_F(BadTextFiles, PathThroughAFileGivesEmptyText)
{
    const QString file = Write(QStringLiteral("plain.txt"), "abc");
    EXPECT_EQ(LoadTextFile(file + QStringLiteral("/inner.lrc")), QString());
}

// Raises the error and gives its message; empty when nothing was raised.
QString ErrorOfLoading(const QString &path)
{
    try {
        LoadTextFile(path);
    } catch (const AppError &error) {
        return error.message();
    }
    return QString();
}

TEST_F(BadTextFiles, PipesSocketsAndDevicesAreRefused)
{
    const QString socketPath = Path(QStringLiteral("socket.lrc"));
    BoundSocket socket(socketPath);
    ASSERT_TRUE(socket.bound());
    EXPECT_EQ(ErrorOfLoading(socketPath), CannotOpen(socketPath, "Not a regular file"));

    // Opening a pipe without a writer would wait for ever.
    const QString pipePath = Path(QStringLiteral("pipe.lrc"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipePath).constData(), 0644), 0);
    EXPECT_EQ(ErrorOfLoading(pipePath), CannotOpen(pipePath, "Not a regular file"));

    // A device may never end.
    EXPECT_EQ(ErrorOfLoading(QStringLiteral("/dev/zero")),
              CannotOpen(QStringLiteral("/dev/zero"), "Not a regular file"));
}

// Root passes every permission check but not the limit of open files, so
// the open fails with the system's reason.
TEST_F(BadTextFiles, FileThatCannotBeOpenedRaisesTheSystemReason)
{
#if defined(__SANITIZE_ADDRESS__)
    // With every descriptor taken the sanitizer runtime cannot read its own
    // process maps and reports false type errors.
    GTEST_SKIP() << "descriptor exhaustion confuses the sanitizer runtime";
#endif
    const QString path = Write(QStringLiteral("song.lrc"), "abc");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int probe = ::dup(0);
    ASSERT_GE(probe, 0);
    ::close(probe);
    rlimit lowered = saved;
    lowered.rlim_cur = rlim_t(probe); // every descriptor below this one is taken
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    const QString message = ErrorOfLoading(path);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(message, CannotOpen(path, std::strerror(EMFILE)));
}

TEST_F(BadTextFiles, ErrorNamesTheFullPath)
{
    const QString path = Path(QStringLiteral("socket.txt"));
    BoundSocket socket(path);
    ASSERT_TRUE(socket.bound());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    const QString message = ErrorOfLoading(QStringLiteral("socket.txt"));
    QDir::setCurrent(previous);
    EXPECT_EQ(message, CannotOpen(path, "Not a regular file"));
}

TEST_F(BadTextFiles, UnreadableFileRaisesTheError)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    const QString path = Write(QStringLiteral("locked.lrc"), "abc");
    QFile::setPermissions(path, QFileDevice::Permissions());
    EXPECT_EQ(ErrorOfLoading(path), CannotOpen(path, std::strerror(EACCES)));
}

// Peak growth of the resident set while the work runs, in bytes; -1 when the
// system cannot reset the peak.
qint64 PeakGrowth(const std::function<void()> &work)
{
    auto field = [](const char *name) -> qint64 {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind(name, 0) == 0)
                return std::stoll(line.substr(std::strlen(name))) * 1024;
        }
        return -1;
    };
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5";
    reset.close();
    const qint64 before = field("VmRSS:");
    if (!reset || field("VmHWM:") > before + (1 << 20)) {
        work();
        return -1;
    }
    work();
    return field("VmHWM:") - before;
}

TEST_F(BadTextFiles, TheLargestFileOfRandomBytes)
{
    constexpr qsizetype kSize = MaxTextFileBytes;
    QString path;
    {
        QByteArray content(kSize, Qt::Uninitialized);
        std::mt19937 random(20240601);
        for (qsizetype k = 0; k < kSize; k += 4) {
            const quint32 value = random();
            std::memcpy(content.data() + k, &value, 4);
        }
        path = Write(QStringLiteral("random.lrc"), content);
    }
    for (const char *name : {"zh_CN", "zh_TW", "en_US"}) {
        SCOPED_TRACE(name);
        ScopedLocale locale(QString::fromLatin1(name));
        QString text;
        const qint64 growth = PeakGrowth([&] { text = LoadTextFile(path); });
        EXPECT_FALSE(text.contains(QChar(0)));
        EXPECT_TRUE(text.isEmpty() || text.endsWith(QStringLiteral("\r\n")));
        if (growth >= 0) {
            std::printf("%s: peak growth %.1f MB for a %.1f MB file\n", name, growth / 1048576.0,
                        kSize / 1048576.0);
            EXPECT_LT(growth, 5 * kSize);
        }
    }
}

TEST_F(BadTextFiles, AFileOverTheLimitIsRefusedUnread)
{
    const QString path = Path(QStringLiteral("huge.lrc"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(17LL * 1024 * 1024));
    file.close();
    const qint64 growth = PeakGrowth([&] {
        EXPECT_EQ(ErrorOfLoading(path),
                  QStringLiteral("歌词文件“%1”太大（17825792 字节），不能超过 16 兆字节").arg(path));
    });
    if (growth >= 0) {
        EXPECT_LT(growth, 4 * 1024 * 1024);
    }
}

TEST_F(BadTextFiles, LargeBig5FileOnASimplifiedSystem)
{
    // Traditional lyrics in Big5 (請說繁體中文, CR LF) repeated to 4 MB: the
    // heaviest path, transcoding and mapping the script of the whole file.
    const QByteArray line = QByteArray::fromHex("bdd0bba1c163c5e9a4a4a4e50d0a");
    const qsizetype repeats = 4 * 1024 * 1024 / line.size();
    const QString path = Write(QStringLiteral("big5.lrc"), line.repeated(repeats));
    ScopedLocale locale(QStringLiteral("zh_CN"));
    QString text;
    const qint64 growth = PeakGrowth([&] { text = LoadTextFile(path); });
    EXPECT_EQ(text.size(), repeats * 8);
    EXPECT_TRUE(text.startsWith(QStringLiteral("请说繁体中文\r\n")));
    EXPECT_EQ(text, QStringLiteral("请说繁体中文\r\n").repeated(repeats));
    if (growth >= 0) {
        const qsizetype size = line.size() * repeats;
        std::printf("peak growth %.1f MB for a %.1f MB file\n", growth / 1048576.0,
                    size / 1048576.0);
        EXPECT_LT(growth, 16 * size);
    }
}

} // namespace
