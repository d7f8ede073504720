#include "loopback_server.h"

#include "support/test_folders.h"

#include "app/form_main.h"
#include "update/version_notice.h"
#include "platform/shell_open.h"
#include "platform/user_store.h"
#include "settings/random_id.h"
#include "update/thrd_checkupdate.h"
#include "update/update_endpoint.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

bool WaitUntil(const std::function<bool()> &condition, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QTest::qWait(10);
    }
    return true;
}

class UpdateNotice : public ::testing::Test
{
protected:
    UpdateNotice()
    {
        SetUserStoreFile(m_folder.file(QStringLiteral("store.conf")));
        SetShellOpenHandler([this](const QString &target) { m_opened.append(target); });
    }
    ~UpdateNotice() override
    {
        SetShellOpenHandler({});
        SetUserStoreFile(QString());
        SetUpdateEndpointHost(QString());
    }

    // The first tick starts the check; returns once the check has ended and
    // what it posted has been handled.
    void FirstTickAndFinish(TFormMain &window)
    {
        window.TimerVersionTimer();
        EXPECT_FALSE(window.TimerVersion->isActive());
        auto *check = window.findChild<ThrdCheckupdate *>();
        ASSERT_NE(check, nullptr);
        ASSERT_TRUE(check->Wait(10000));
        QTest::qWait(20);
    }

    TestAppFolder m_folder;
    QStringList m_opened;
};

TEST_F(UpdateNotice, AnnouncementSavesAddressAnimatesCaptionAndOpensIt)
{
    LoopbackServer server(LoopbackServer::Ok("1\r\nhttp://127.0.0.1:9/new"));
    SetUpdateEndpointHost(server.hostAndPort());
    TFormMain window;
    EXPECT_TRUE(window.TimerVersion->isActive());
    EXPECT_EQ(window.TimerVersion->interval(), 3000);
    EXPECT_TRUE(window.MenuNVersion->text().isEmpty());

    FirstTickAndFinish(window);
    // WM_NEWVERSION turned the timer on again; the caption waits for the next tick.
    EXPECT_TRUE(window.TimerVersion->isActive());
    EXPECT_EQ(window.TimerVersion->interval(), 3000);
    EXPECT_TRUE(window.MenuNVersion->text().isEmpty());
    EXPECT_EQ(m_folder.read(QStringLiteral("update.info")), "1\r\nhttp://127.0.0.1:9/new\r\n");

    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_FALSE(RandomId.isEmpty());
    EXPECT_EQ(HeaderValue(server.requests().first(), "Referer"), RandomId.toLatin1());
    EXPECT_EQ(HeaderValue(server.requests().first(), "User-Agent"), "orb");

    const QStringList captions = {
        QStringLiteral("有新版本了!!!"), QStringLiteral("有新版本了!!!!"),
        QStringLiteral("有新版本了!!!!!"), QStringLiteral("有新版本了!"),
        QStringLiteral("有新版本了!!"), QStringLiteral("有新版本了!!!")};
    for (const QString &caption : captions) {
        window.TimerVersionTimer();
        EXPECT_EQ(window.MenuNVersion->text(), caption);
    }
    EXPECT_EQ(server.requests().size(), 1); // never asked again in this run

    window.MenuNVersion->trigger();
    EXPECT_EQ(m_opened, QStringList{QStringLiteral("http://127.0.0.1:9/new")});
}

TEST_F(UpdateNotice, TheTimerDrivesTheCheckAndTheCaption)
{
    LoopbackServer server(LoopbackServer::Ok("2"));
    SetUpdateEndpointHost(server.hostAndPort());
    TFormMain window;
    window.TimerVersion->setInterval(20);
    ASSERT_TRUE(WaitUntil([&] { return window.VersionTickCount >= 4; }));
    EXPECT_EQ(window.MenuNVersion->text(), VersionNoticeCaption(window.VersionTickCount));
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_FALSE(QFile::exists(m_folder.file(QStringLiteral("update.info"))));
}

struct QuietCase
{
    const char *name;
    LoopbackServer::Reply reply;
};

void PrintTo(const QuietCase &c, std::ostream *out)
{
    *out << c.name;
}

class QuietReply : public UpdateNotice, public ::testing::WithParamInterface<QuietCase>
{
};

TEST_P(QuietReply, LeavesTimerOffAndCaptionEmpty)
{
    LoopbackServer server(GetParam().reply);
    SetUpdateEndpointHost(server.hostAndPort());
    TFormMain window;
    FirstTickAndFinish(window);
    EXPECT_FALSE(window.TimerVersion->isActive());
    EXPECT_TRUE(window.MenuNVersion->text().isEmpty());
    EXPECT_FALSE(QFile::exists(m_folder.file(QStringLiteral("update.info"))));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, QuietReply,
    ::testing::Values(QuietCase{"no_news", LoopbackServer::Ok("0")},
                      QuietCase{"not_found", LoopbackServer::Status(404, "Not Found", {}, "1")}),
    [](const auto &info) { return std::string(info.param.name); });

struct ClickCase
{
    const char *name;
    QByteArray file; // null: no update.info
    QStringList opened;
};

void PrintTo(const ClickCase &c, std::ostream *out)
{
    *out << c.name;
}

class NewVersionClick : public UpdateNotice, public ::testing::WithParamInterface<ClickCase>
{
};

TEST_P(NewVersionClick, OpensOnlyASavedWebAddress)
{
    SetUpdateEndpointHost(QStringLiteral("127.0.0.1:%1").arg(ClosedPort()));
    if (!GetParam().file.isNull())
        m_folder.write(QStringLiteral("update.info"), GetParam().file);
    TFormMain window;
    // Even with an empty caption the item opens what an earlier run saved.
    window.MenuNVersion->trigger();
    EXPECT_EQ(m_opened, GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NewVersionClick,
    ::testing::Values(
        ClickCase{"no_file", QByteArray(), {}},
        ClickCase{"saved_address", "1\r\nhttps://a.example/get\r\n",
                  {QStringLiteral("https://a.example/get")}},
        ClickCase{"not_a_web_address", "1\r\nfile:///etc/passwd\r\n", {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(UpdateNotice, ClosingTheWindowWhileTheRequestHangsDoesNotWait)
{
    LoopbackServer server(LoopbackServer::Silent());
    SetUpdateEndpointHost(server.hostAndPort());
    auto window = std::make_unique<TFormMain>();
    window->TimerVersionTimer();
    ASSERT_TRUE(server.waitForRequests(1, 5000));
    QElapsedTimer clock;
    clock.start();
    window.reset();
    EXPECT_LT(clock.elapsed(), 1000);
    QTest::qWait(20);
}

} // namespace
