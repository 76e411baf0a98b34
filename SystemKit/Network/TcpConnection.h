#pragma once

#include "SystemKit/Network/TcpConnectionState.h"
#include "SystemKit/Network/TcpConnectionType.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <memory>
#include <optional>

namespace SystemKit {

// One TCP connection of a listing: its two ends, state, queues, byte totals with their growth since
// the previous listing (bytes per listing), and the owning process. Identified by its two ends as
// listed ("<local>-<foreign>", ports included).
class TcpConnection {
public:
    // What a listing line holds, in the line's order.
    struct Fields {
        QString type;
        std::uint32_t receiveQueue = 0;
        std::uint32_t sendQueue = 0;
        QString localAddress;
        QString foreignAddress;
        TcpConnectionState connectionState = TcpConnectionState::unknown;
        std::uint64_t receivedBytes = 0;
        std::uint64_t sentBytes = 0;
        std::uint32_t pid = 0;
        std::uint32_t effectivePid = 0;
        std::uint64_t generationCount = 0;
        std::uint32_t usageCount = 0;
        std::uint32_t retainCount = 0;
    };

    // `executableUrl` is the owning process's executable, if found; `app` the name of the
    // application it belongs to, if any. Ports are taken off the address texts.
    TcpConnection(const Fields& fields, std::optional<QUrl> executableUrl, std::optional<QString> app);

    std::uint64_t downloadSpeed() const { return m_downloadSpeed; }
    void setDownloadSpeed(std::uint64_t bytes) { m_downloadSpeed = bytes; }
    std::uint64_t uploadSpeed() const { return m_uploadSpeed; }
    void setUploadSpeed(std::uint64_t bytes) { m_uploadSpeed = bytes; }
    const std::optional<QString>& app() const { return m_app; }
    void setApp(std::optional<QString> app) { m_app = std::move(app); }
    const QString& localAddress() const { return m_localAddress; }
    void setLocalAddress(const QString& address) { m_localAddress = address; }
    const QString& foreignAddress() const { return m_foreignAddress; }
    void setForeignAddress(const QString& address) { m_foreignAddress = address; }
    const std::optional<QUrl>& executableUrl() const { return m_executableUrl; }
    const QString& id() const { return m_id; }
    TcpConnectionType type() const { return m_type; }
    std::uint32_t receiveQueue() const { return m_receiveQueue; }
    std::uint32_t sendQueue() const { return m_sendQueue; }
    TcpConnectionState connectionState() const { return m_connectionState; }
    std::uint64_t receivedBytes() const { return m_receivedBytes; }
    std::uint64_t sentBytes() const { return m_sentBytes; }
    std::uint16_t localPort() const { return m_localPort; }
    std::uint16_t remotePort() const { return m_remotePort; }
    std::uint32_t pid() const { return m_pid; }
    std::uint32_t effectivePid() const { return m_effectivePid; }
    std::uint64_t generationCount() const { return m_generationCount; }
    std::uint32_t usageCount() const { return m_usageCount; }
    std::uint32_t retainCount() const { return m_retainCount; }

    // The application's name; else the executable's file name; else "-".
    QString processName() const;

    // An address text with a port: the text before its last "." and the port after it, when that
    // reads as a port number; otherwise the whole text and port 0 ("*.*"). A text without "." that
    // reads as a number is kept whole, with that port.
    static std::pair<QString, std::uint16_t> splitPort(const QString& address);

private:
    std::uint64_t m_downloadSpeed = 0;
    std::uint64_t m_uploadSpeed = 0;
    std::optional<QString> m_app;
    QString m_localAddress;
    QString m_foreignAddress;
    std::optional<QUrl> m_executableUrl;
    QString m_id;
    TcpConnectionType m_type = TcpConnectionType::unknown;
    std::uint32_t m_receiveQueue = 0;
    std::uint32_t m_sendQueue = 0;
    TcpConnectionState m_connectionState = TcpConnectionState::unknown;
    std::uint64_t m_receivedBytes = 0;
    std::uint64_t m_sentBytes = 0;
    std::uint16_t m_localPort = 0;
    std::uint16_t m_remotePort = 0;
    std::uint32_t m_pid = 0;
    std::uint32_t m_effectivePid = 0;
    std::uint64_t m_generationCount = 0;
    std::uint32_t m_usageCount = 0;
    std::uint32_t m_retainCount = 0;
};

using TcpConnectionList = QList<std::shared_ptr<TcpConnection>>;

} // namespace SystemKit

Q_DECLARE_METATYPE(SystemKit::TcpConnectionList)
