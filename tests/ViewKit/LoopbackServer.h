#pragma once

// A small HTTP/1.1 server on 127.0.0.1 that answers each path with its own reply, counts the requests
// per path and can stay silent for a path (a server that never answers).

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

class LoopbackServer
{
public:
    struct Route
    {
        QByteArray status = "200 OK";
        QByteArray contentType = "application/octet-stream";
        QByteArray body;
        bool answers = true;
    };

    LoopbackServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                auto buffer = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                    *buffer += socket->readAll();
                    const qsizetype end = buffer->indexOf("\r\n\r\n");
                    if (end < 0)
                        return;
                    const QList<QByteArray> first = buffer->left(buffer->indexOf("\r\n")).split(' ');
                    const QByteArray path = first.value(1);
                    buffer->clear();
                    ++hits[path];
                    const Route route = routes.value(path, Route{"404 Not Found", "text/plain", "missing", true});
                    if (!route.answers)
                        return;
                    QByteArray answer = "HTTP/1.1 " + route.status + "\r\nContent-Type: " + route.contentType +
                                        "\r\nContent-Length: " + QByteArray::number(route.body.size()) +
                                        "\r\nConnection: close\r\n\r\n" + route.body;
                    socket->write(answer);
                    socket->disconnectFromHost();
                });
            }
        });
    }

    bool isListening() const { return m_server.isListening(); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    QString url(const QString& path) const { return base() + path; }

    QHash<QByteArray, Route> routes;
    QHash<QByteArray, int> hits;

private:
    QTcpServer m_server;
};
