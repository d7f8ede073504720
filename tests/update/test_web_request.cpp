#include "loopback_server.h"
#include "update_fixture.h"

#include "update/request_cancel.h"
#include "update/web_request.h"

#include <QElapsedTimer>

#include <thread>

namespace {

QString Get(const LoopbackServer &server, RequestCancel *cancel = nullptr)
{
    return WebRequest(QStringLiteral("GET"), QStringLiteral("http://") + server.hostAndPort()
                          + QStringLiteral("/checkupdate/index.html?v=70"),
                      QString(), QString(), QStringLiteral("orb"), QStringLiteral("ID"),
                      QStringLiteral("*.*"), QString(), 0, cancel);
}

struct GetCase
{
    const char *name;
    LoopbackServer::Reply reply;
    QString result;
    QByteArray logged; // a part of the log entry; empty when nothing is logged
    WebRequestLimits limits = {};
};

void PrintTo(const GetCase &c, std::ostream *out)
{
    *out << c.name;
}

class WebRequestGet : public UpdateFixture, public ::testing::WithParamInterface<GetCase>
{
};

TEST_P(WebRequestGet, ReturnsBodyOrLogsFailure)
{
    const GetCase &c = GetParam();
    SetWebRequestLimits(c.limits);
    LoopbackServer server(c.reply);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(Get(server), c.result);
    EXPECT_LT(clock.elapsed(), 10000);
    // One request only: a redirect is never followed.
    EXPECT_EQ(server.requests().size(), 1);
    const QByteArray log = LogBytes();
    if (c.logged.isEmpty()) {
        EXPECT_TRUE(log.isEmpty()) << log.constData();
    } else {
        EXPECT_TRUE(log.contains(c.logged)) << log.constData();
        EXPECT_TRUE(log.endsWith("<br/>\r\n")) << log.constData();
    }
}

const QByteArray kTenMegabytes(10 * 1024 * 1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    Replies, WebRequestGet,
    ::testing::Values(
        GetCase{"no_news", LoopbackServer::Ok("0"), QStringLiteral("0"), {}},
        GetCase{"announcement", LoopbackServer::Ok("1\r\nhttp://a.example/n"),
                QStringLiteral("1\r\nhttp://a.example/n"), {}},
        GetCase{"gbk_charset",
                LoopbackServer::Ok("1\r\n\xD0\xC2\xB0\xE6", "text/plain; charset=GBK"),
                QStringLiteral("1\r\n新版"), {}},
        GetCase{"utf8_without_charset", LoopbackServer::Ok("\xE6\x96\xB0", "text/plain"),
                QStringLiteral("新"), {}},
        GetCase{"not_found",
                LoopbackServer::Status(404, "Not Found", {}, "1\r\nhttp://a.example/"),
                QString(), "\tHTTP/1.1 404 Not Found<br/>"},
        GetCase{"server_error", LoopbackServer::Status(500, "Internal Server Error"),
                QString(), "\tHTTP/1.1 500 Internal Server Error<br/>"},
        GetCase{"redirect",
                LoopbackServer::Status(302, "Found", "Location: http://127.0.0.1:9/\r\n", "1"),
                QString(), "\tHTTP/1.1 302 Found<br/>"},
        GetCase{"ten_megabytes", LoopbackServer::Ok(kTenMegabytes), QString(),
                "\tReply larger than 1048576 bytes<br/>"},
        GetCase{"ten_megabytes_without_length", LoopbackServer::Unsized(kTenMegabytes),
                QString(), "\tReply larger than 1048576 bytes<br/>"},
        GetCase{"never_answers", LoopbackServer::Silent(), QString(), "timed out",
                WebRequestLimits{15000, 500, 1024 * 1024}}),
    [](const auto &info) { return std::string(info.param.name); });

using WebRequestTest = UpdateFixture;

TEST_F(WebRequestTest, SendsTheGivenHeadersOverHttp11WithoutProxy)
{
    // A proxy named by the environment must not be used.
    qputenv("http_proxy", "http://127.0.0.1:9");
    LoopbackServer server(LoopbackServer::Ok("0"));
    const QString result = WebRequest(
        QStringLiteral("GET"), QStringLiteral("http://") + server.hostAndPort()
            + QStringLiteral("/checkupdate/index.html?v=70"),
        QString(), QString(), QStringLiteral("orb"), QStringLiteral("4A5B6C7D8E"),
        QStringLiteral("*.*"), QString(), 0);
    qunsetenv("http_proxy");
    EXPECT_EQ(result, QStringLiteral("0"));
    ASSERT_EQ(server.requests().size(), 1);
    const QByteArray request = server.requests().first();
    EXPECT_EQ(RequestLine(request), "GET /checkupdate/index.html?v=70 HTTP/1.1");
    EXPECT_EQ(HeaderValue(request, "Referer"), "4A5B6C7D8E");
    EXPECT_EQ(HeaderValue(request, "User-Agent"), "orb");
    EXPECT_EQ(HeaderValue(request, "Accept"), "*.*");
}

TEST_F(WebRequestTest, PostSendsLinesAsFormAndExtraHeaders)
{
    LoopbackServer server(LoopbackServer::Ok("done"));
    const QString result = WebRequest(
        QStringLiteral("POST"), QStringLiteral("http://") + server.hostAndPort()
            + QStringLiteral("/form"),
        QStringLiteral("name=张三\r\nq=a b&c=d\nflag"), QString(), QStringLiteral("orb"),
        QString(), QStringLiteral("*.*"), QStringLiteral("X-Token=abc=def\r\nX-Plain: yes"), 0);
    EXPECT_EQ(result, QStringLiteral("done"));
    ASSERT_EQ(server.requests().size(), 1);
    const QByteArray request = server.requests().first();
    EXPECT_EQ(RequestLine(request), "POST /form HTTP/1.1");
    EXPECT_EQ(RequestBody(request), "name=%E5%BC%A0%E4%B8%89&q=a%20b%26c%3Dd&flag");
    EXPECT_EQ(HeaderValue(request, "Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(HeaderValue(request, "X-Token"), "abc=def");
    EXPECT_EQ(HeaderValue(request, "X-Plain"), "yes");
}

TEST_F(WebRequestTest, HeadReturnsStatusLine)
{
    LoopbackServer server(LoopbackServer::Ok("ignored"));
    EXPECT_EQ(WebRequest(QStringLiteral("HEAD"), QStringLiteral("http://") + server.hostAndPort()
                             + QStringLiteral("/"),
                         QString(), QString(), QString(), QString(), QString(), QString(), 0),
              QStringLiteral("HTTP/1.1 200 OK"));
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests().first().startsWith("HEAD / HTTP/1.1\r\n"));
}

TEST_F(WebRequestTest, OtherMethodsSendNothingAndLogOnce)
{
    LoopbackServer server(LoopbackServer::Ok("0"));
    for (const QString &method : {QStringLiteral("PUT"), QStringLiteral("get")}) {
        EXPECT_EQ(WebRequest(method, QStringLiteral("http://") + server.hostAndPort(), QString(),
                             QString(), QString(), QString(), QString(), QString(), 0),
                  QString());
    }
    EXPECT_TRUE(server.requests().isEmpty());
    const QList<QByteArray> lines = LogBytes().split('\n');
    ASSERT_EQ(lines.size(), 3); // two entries and the end
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(lines[i].endsWith("\tMethod Not Surpport\r")) << lines[i].constData();
}

TEST_F(WebRequestTest, RefusedConnectionIsLogged)
{
    const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(ClosedPort());
    EXPECT_EQ(WebRequest(QStringLiteral("GET"), url, QString(), QString(), QString(), QString(),
                         QString(), QString(), 0),
              QString());
    const QByteArray log = LogBytes();
    EXPECT_TRUE(log.contains("127.0.0.1")) << log.constData();
    EXPECT_TRUE(log.endsWith("<br/>\r\n")) << log.constData();
}

TEST_F(WebRequestTest, CancelEndsAHangingRequestAtOnce)
{
    LoopbackServer server(LoopbackServer::Silent());
    RequestCancel cancel;
    std::thread canceller([&] {
        server.waitForRequests(1, 5000);
        cancel.Cancel();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(Get(server, &cancel), QString());
    canceller.join();
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(LogBytes().isEmpty());

    // Once cancelled, a request sends nothing at all.
    EXPECT_EQ(Get(server, &cancel), QString());
    EXPECT_EQ(server.requests().size(), 1);
}

} // namespace
