#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

#include <atomic>

// A small HTTP server on 127.0.0.1 with a port of the system's choosing, on
// its own thread, that gives every request the same canned reply and records
// what it received. A silent server takes requests and never answers.
class LoopbackServer : public QThread
{
public:
    struct Reply
    {
        QByteArray raw;      // the whole response; the connection closes after it
        bool silent = false; // hold the connection and answer nothing
    };

    explicit LoopbackServer(Reply reply);
    ~LoopbackServer() override;

    quint16 port() const { return m_port; }
    QString hostAndPort() const; // "127.0.0.1:<port>"
    QList<QByteArray> requests() const;
    // Waits (without an event loop of the caller's) until `count` requests arrived.
    bool waitForRequests(int count, int ms) const;

    static Reply Ok(const QByteArray &body, const QByteArray &contentType = "text/html");
    static Reply Status(int code, const QByteArray &reason, const QByteArray &headers = {},
                        const QByteArray &body = {});
    static Reply Silent();
    // A body sent without a length, ended by closing the connection.
    static Reply Unsized(const QByteArray &body);

private:
    void run() override;

    Reply m_reply;
    std::atomic<quint16> m_port{0};
    mutable QMutex m_mutex;
    QList<QByteArray> m_requests;
};

// The value of a header in a recorded request, or a null array without it.
QByteArray HeaderValue(const QByteArray &request, const QByteArray &name);
// The request line ("GET /path HTTP/1.1").
QByteArray RequestLine(const QByteArray &request);
// What follows the blank line that ends the header.
QByteArray RequestBody(const QByteArray &request);
// A port on 127.0.0.1 that nothing listens on.
quint16 ClosedPort();
