#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

namespace tavelo::test {

// An HTTP server on 127.0.0.1 in the test's own event loop. Each request, once its
// head has arrived, goes to `handler`, which answers on the socket (or does not).
class LocalHttpServer {
public:
    using Handler = std::function<void(QTcpSocket &socket, const QByteArray &head)>;

    LocalHttpServer()
    {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
    }

    std::string url(const char *path = "/latest.json") const
    {
        return "http://127.0.0.1:" + std::to_string(m_server.serverPort()) + path;
    }

    Handler handler;

    static void reply(QTcpSocket &socket, const QByteArray &status, const QByteArray &body,
                      const QByteArray &extraHeaders = {})
    {
        socket.write("HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: " +
                     QByteArray::number(body.size()) + "\r\n" + extraHeaders + "\r\n" + body);
    }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                buffer->append(socket->readAll());
                qsizetype end;
                while ((end = buffer->indexOf("\r\n\r\n")) >= 0) {
                    const QByteArray head = buffer->left(end);
                    buffer->remove(0, end + 4);
                    if (handler)
                        handler(*socket, head);
                }
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    QTcpServer m_server;
};

} // namespace tavelo::test
