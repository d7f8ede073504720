#include "loopback_server.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <thread>

LoopbackServer::LoopbackServer(Reply reply)
    : m_reply(std::move(reply))
{
    start();
    // run() publishes the port before it enters its event loop.
    while (m_port == 0 && isRunning())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LoopbackServer::~LoopbackServer()
{
    quit();
    wait();
}

QString LoopbackServer::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QList<QByteArray> LoopbackServer::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

bool LoopbackServer::waitForRequests(int count, int ms) const
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        if (requests().size() >= count)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return requests().size() >= count;
}

void LoopbackServer::run()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return;
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            auto *received = new QByteArray;
            QObject::connect(socket, &QObject::destroyed, socket, [received] { delete received; });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
                received->append(socket->readAll());
                const qsizetype end = received->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QByteArray length = HeaderValue(*received, "Content-Length");
                if (received->size() < end + 4 + length.toLongLong())
                    return;
                {
                    QMutexLocker lock(&m_mutex);
                    m_requests.append(*received);
                }
                received->clear();
                if (m_reply.silent)
                    return;
                socket->write(m_reply.raw);
                socket->disconnectFromHost();
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_port = server.serverPort();
    exec();
}

LoopbackServer::Reply LoopbackServer::Ok(const QByteArray &body, const QByteArray &contentType)
{
    return Status(200, "OK", "Content-Type: " + contentType + "\r\n", body);
}

LoopbackServer::Reply LoopbackServer::Status(int code, const QByteArray &reason,
                                             const QByteArray &headers, const QByteArray &body)
{
    Reply reply;
    reply.raw = "HTTP/1.1 " + QByteArray::number(code) + ' ' + reason + "\r\n" + headers
        + "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n"
        + body;
    return reply;
}

LoopbackServer::Reply LoopbackServer::Silent()
{
    Reply reply;
    reply.silent = true;
    return reply;
}

LoopbackServer::Reply LoopbackServer::Unsized(const QByteArray &body)
{
    Reply reply;
    reply.raw = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n" + body;
    return reply;
}

QByteArray HeaderValue(const QByteArray &request, const QByteArray &name)
{
    const qsizetype end = request.indexOf("\r\n\r\n");
    const QList<QByteArray> lines = request.left(end < 0 ? request.size() : end).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

QByteArray RequestLine(const QByteArray &request)
{
    return request.left(request.indexOf("\r\n"));
}

QByteArray RequestBody(const QByteArray &request)
{
    const qsizetype end = request.indexOf("\r\n\r\n");
    return end < 0 ? QByteArray() : request.mid(end + 4);
}

quint16 ClosedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
