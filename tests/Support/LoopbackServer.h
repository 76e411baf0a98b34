#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the tests that talk to the web. It records every request it
// receives and counts them per target; a target with a route gets the route's reply, every other one
// gets `reply`. A reply whose `answers` is false is never sent (a server that never answers). While
// `holds` is true a request waits until the test answers it with `release`, so answers can come in any
// order.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>
#include <utility>
#include <vector>

class LoopbackServer {
public:
    using HeaderList = QList<QPair<QByteArray, QByteArray>>;

    struct Request {
        QByteArray method;
        QByteArray target;
        HeaderList headers;
        QByteArray body;

        bool hasHeader(const QByteArray& name) const
        {
            for (const auto& [key, value] : headers)
                if (key.compare(name, Qt::CaseInsensitive) == 0)
                    return true;
            return false;
        }
        QByteArray header(const QByteArray& name) const
        {
            for (const auto& [key, value] : headers)
                if (key.compare(name, Qt::CaseInsensitive) == 0)
                    return value;
            return {};
        }
    };

    struct Reply {
        Reply() = default;
        Reply(QByteArray status, QByteArray contentType, QByteArray body, bool answers = true)
            : status(std::move(status)), contentType(std::move(contentType)), body(std::move(body)), answers(answers)
        {
        }

        QByteArray status = "200 OK";
        QByteArray contentType; // none sent when empty
        QByteArray body;
        bool answers = true;
        HeaderList headers;
    };

    LoopbackServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                ++connections;
                auto buffer = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket, buffer] { read(socket, *buffer); });
            }
        });
    }

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }
    QString url(const QString& pathAndQuery) const { return base() + pathAndQuery; }

    // Answers the held request `index` (its place in `requests`); says whether it was still waiting.
    bool release(std::size_t index, const Reply& answer)
    {
        if (index >= m_sockets.size() || !m_sockets[index])
            return false;
        QTcpSocket* socket = m_sockets[index];
        m_sockets[index] = nullptr;
        send(socket, answer);
        return true;
    }

    Reply reply;
    QHash<QByteArray, Reply> routes; // by target: path and query
    bool holds = false;
    std::vector<Request> requests;
    QHash<QByteArray, int> hits; // by target
    int connections = 0;

private:
    void read(QTcpSocket* socket, QByteArray& buffer)
    {
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        qsizetype length = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray key = line.left(colon).trimmed();
            const QByteArray value = line.mid(colon + 1).trimmed();
            request.headers.append({key, value});
            if (key.compare("Content-Length", Qt::CaseInsensitive) == 0)
                length = value.toLongLong();
        }
        if (buffer.size() < end + 4 + length)
            return;
        request.body = buffer.mid(end + 4, length);
        buffer.clear();
        ++hits[request.target];
        const Reply answer = routes.value(request.target, reply);
        requests.push_back(std::move(request));
        m_sockets.emplace_back(holds ? socket : nullptr);
        if (holds || !answer.answers)
            return;
        send(socket, answer);
    }

    static void send(QTcpSocket* socket, const Reply& reply)
    {
        QByteArray answer = "HTTP/1.1 " + reply.status + "\r\n";
        if (!reply.contentType.isEmpty())
            answer += "Content-Type: " + reply.contentType + "\r\n";
        for (const auto& [key, value] : reply.headers)
            answer += key + ": " + value + "\r\n";
        answer += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n";
        answer += reply.body;
        socket->write(answer);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    std::vector<QPointer<QTcpSocket>> m_sockets; // per request: the socket of one still held
};
