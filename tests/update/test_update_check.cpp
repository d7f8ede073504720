#include "loopback_server.h"
#include "update_fixture.h"

#include "platform/code_page.h"
#include "update/thrd_checkupdate.h"
#include "update/update_check.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>

namespace {

const QByteArray kEarlierInfo = "1\r\nhttp://earlier.example/\r\n";

struct CheckCase
{
    const char *name;
    LoopbackServer::Reply reply;
    QList<int> posted;   // what reaches the window
    QByteArray info;     // update.info afterwards
    const char *locale = "C.UTF-8";
};

void PrintTo(const CheckCase &c, std::ostream *out)
{
    *out << c.name;
}

class UpdateCheck : public UpdateFixture, public ::testing::WithParamInterface<CheckCase>
{
protected:
    // Runs one check to its end and returns the notifications it posted.
    QList<int> RunCheck(const QString &randomId)
    {
        QList<int> posted;
        QObject window;
        ThrdCheckupdate check;
        QObject::connect(&check, &ThrdCheckupdate::NewVersion, &window,
                         [&posted](int wParam) { posted.append(wParam); });
        check.RandomId = randomId;
        check.Start();
        EXPECT_TRUE(check.Wait(10000));
        QCoreApplication::sendPostedEvents();
        return posted;
    }
};

TEST_P(UpdateCheck, PostsAndSavesAsTheReplySays)
{
    const CheckCase &c = GetParam();
    ScopedLocale locale(QString::fromLatin1(c.locale));
    m_folder.write(QStringLiteral("update.info"), kEarlierInfo);
    LoopbackServer server(c.reply);
    SetUpdateEndpointHost(server.hostAndPort());

    EXPECT_EQ(RunCheck(QStringLiteral("0A1B2C3D4E")), c.posted);
    EXPECT_EQ(m_folder.read(QStringLiteral("update.info")), c.info);
    ASSERT_EQ(server.requests().size(), 1);
    const QByteArray request = server.requests().first();
    EXPECT_EQ(RequestLine(request), "GET /checkupdate/index.html?v=70 HTTP/1.1");
    EXPECT_EQ(HeaderValue(request, "Referer"), "0A1B2C3D4E");
    EXPECT_EQ(HeaderValue(request, "User-Agent"), "orb");
}

INSTANTIATE_TEST_SUITE_P(
    Replies, UpdateCheck,
    ::testing::Values(
        CheckCase{"no_news", LoopbackServer::Ok("0"), {}, kEarlierInfo},
        CheckCase{"new_address", LoopbackServer::Ok("1\r\nhttp://new.example/get"), {1},
                  "1\r\nhttp://new.example/get\r\n"},
        CheckCase{"new_address_lf_and_notes",
                  LoopbackServer::Ok("1\nhttp://new.example/\n\nnotes\n"), {1},
                  "1\r\nhttp://new.example/\r\n\r\nnotes\r\n"},
        CheckCase{"status_only", LoopbackServer::Ok("1"), {1}, "1\r\n"},
        CheckCase{"chinese_in_ansi",
                  LoopbackServer::Ok("1\r\nhttp://\xE4\xBE\x8B.cn/\xE6\x96\xB0\r\n",
                                     "text/plain; charset=utf-8"),
                  {1}, "1\r\nhttp://\xC0\xFD.cn/\xD0\xC2\r\n", "zh_CN.GBK"},
        CheckCase{"no_new_address", LoopbackServer::Ok("2\r\nhttp://ignored.example/"), {2},
                  kEarlierInfo},
        CheckCase{"leading_space", LoopbackServer::Ok(" 1\r\nhttp://x.example/"), {},
                  kEarlierInfo},
        CheckCase{"empty", LoopbackServer::Ok(""), {}, kEarlierInfo},
        CheckCase{"blank_first_line", LoopbackServer::Ok("\r\n1\r\nhttp://x.example/"), {},
                  kEarlierInfo},
        CheckCase{"not_found",
                  LoopbackServer::Status(404, "Not Found", {}, "1\r\nhttp://x.example/"), {},
                  kEarlierInfo},
        CheckCase{"redirect",
                  LoopbackServer::Status(301, "Moved Permanently",
                                         "Location: http://127.0.0.1:9/\r\n", "1\r\nhttp://x/"),
                  {}, kEarlierInfo}),
    [](const auto &info) { return std::string(info.param.name); });

using ThrdCheckupdateTest = UpdateFixture;

TEST_F(ThrdCheckupdateTest, QuittingWhileTheRequestHangsNeitherWaitsNorNotifies)
{
    LoopbackServer server(LoopbackServer::Silent());
    SetUpdateEndpointHost(server.hostAndPort());
    QList<int> posted;
    QObject window;
    auto check = std::make_unique<ThrdCheckupdate>();
    QObject::connect(check.get(), &ThrdCheckupdate::NewVersion, &window,
                     [&posted](int wParam) { posted.append(wParam); });
    check->Start();
    ASSERT_TRUE(server.waitForRequests(1, 5000));

    QElapsedTimer clock;
    clock.start();
    check.reset();
    EXPECT_LT(clock.elapsed(), 1000);
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(posted.isEmpty());
    EXPECT_TRUE(LogBytes().isEmpty());
    EXPECT_FALSE(QFile::exists(UpdateInfoPath()));
}

TEST_F(ThrdCheckupdateTest, UnreachableEndpointIsLoggedAndChangesNothing)
{
    SetUpdateEndpointHost(QStringLiteral("127.0.0.1:%1").arg(ClosedPort()));
    ThrdCheckupdate check;
    bool posted = false;
    QObject window;
    QObject::connect(&check, &ThrdCheckupdate::NewVersion, &window, [&posted] { posted = true; });
    check.Start();
    ASSERT_TRUE(check.Wait(10000));
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(posted);
    EXPECT_FALSE(QFile::exists(UpdateInfoPath()));
    const QByteArray log = LogBytes();
    EXPECT_EQ(log.count('\n'), 1);
    EXPECT_TRUE(log.endsWith("<br/>\r\n")) << log.constData();
}

struct AddressCase
{
    const char *name;
    QByteArray file; // null: no update.info
    QString address;
    const char *locale = "C.UTF-8";
};

void PrintTo(const AddressCase &c, std::ostream *out)
{
    *out << c.name;
}

class SavedAddress : public UpdateFixture, public ::testing::WithParamInterface<AddressCase>
{
};

TEST_P(SavedAddress, OnlyWebAddressesOnLineTwo)
{
    const AddressCase &c = GetParam();
    ScopedLocale locale(QString::fromLatin1(c.locale));
    if (!c.file.isNull())
        m_folder.write(QStringLiteral("update.info"), c.file);
    EXPECT_EQ(SavedUpdateAddress(), c.address);
}

QByteArray Utf16LeWithMark(const QString &text)
{
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SavedAddress,
    ::testing::Values(
        AddressCase{"missing", QByteArray(), QString()},
        AddressCase{"http", "1\r\nhttp://a.example/x\r\n", QStringLiteral("http://a.example/x")},
        AddressCase{"https_upper", "1\r\nHTTPS://a.example/\r\nmore\r\n",
                    QStringLiteral("HTTPS://a.example/")},
        AddressCase{"one_line", "1\r\n", QString()},
        AddressCase{"scheme_only", "1\r\nhttp://\r\n", QString()},
        AddressCase{"local_file", "1\r\nfile:///etc/passwd\r\n", QString()},
        AddressCase{"program", "1\r\n/usr/bin/xterm\r\n", QString()},
        AddressCase{"script", "1\r\njavascript:alert(1)\r\n", QString()},
        AddressCase{"leading_space", "1\r\n http://a.example/\r\n", QString()},
        AddressCase{"ansi_gbk", "1\r\nhttp://\xC0\xFD.cn/\r\n", QStringLiteral("http://例.cn/"),
                    "zh_CN.UTF-8"},
        AddressCase{"native_utf8", "1\r\nhttp://\xE4\xBE\x8B.cn/\r\n", QStringLiteral("http://例.cn/"),
                    "zh_CN.UTF-8"},
        AddressCase{"utf8_mark", "\xEF\xBB\xBF" "1\r\nhttp://\xE4\xBE\x8B.cn/\r\n",
                    QStringLiteral("http://例.cn/")},
        AddressCase{"utf16_mark", Utf16LeWithMark(QStringLiteral("1\r\nhttp://例.cn/\r\n")),
                    QStringLiteral("http://例.cn/")}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
