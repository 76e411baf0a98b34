#pragma once

#include "SystemKit/Network/ConnectionsOptions.h"
#include "SystemKit/Network/NetworkToolEnvironment.h"
#include "SystemKit/Network/TcpConnection.h"
#include "BaseKit/Sampler/SamplerTimer.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>

#include <cstdint>
#include <memory>

namespace SystemKit {

// Counts the kernel's TCP and UDP sockets from its protocol-control-block lists and, when its
// options ask for it, lists the TCP connections with the byte growth of each since the previous
// listing (bytes per listing). Driven by its own timer or by a caller's `refresh`.
//
// The listing tool runs without blocking: `refresh` starts it and returns; when it has printed its
// listing the list is replaced, on the thread that called `refresh`, and `connectionsChanged`
// follows. A refresh while a listing still runs starts no second one; a listing still running
// after the time limit is killed and changes nothing.
class ConnectionsController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QTimer* timer READ timer NOTIFY timerChanged)
    Q_PROPERTY(quint32 count READ count NOTIFY countChanged)
    Q_PROPERTY(SystemKit::TcpConnectionList connections READ connections NOTIFY connectionsChanged)

public:
    // The command line the listing tool is run with.
    static const QString commandLine;
    // Records shorter than this are not counted: the two fields tested lie at offsets 80 and 244.
    static constexpr std::uint32_t minimumRecordLength = 248;

    // Samples nothing yet: `count` 0, no connections, no timer.
    ConnectionsController(bool resolveProtocol, bool resolveHost, bool loadConnections, QObject* parent = nullptr);
    ConnectionsController(bool resolveProtocol, bool resolveHost, bool loadConnections,
                          NetworkToolEnvironment environment, QObject* parent = nullptr);

    // Starts refreshing every `interval` seconds when no timer runs; otherwise does nothing.
    Q_INVOKABLE void start(double interval);
    Q_INVOKABLE void stop();

    QTimer* timer() const { return m_timer.timer(); }
    const std::shared_ptr<ConnectionsOptions>& options() const { return m_options; }
    void setOptions(std::shared_ptr<ConnectionsOptions> options);
    std::uint32_t count() const { return m_count; }
    void setCount(std::uint32_t count);
    const TcpConnectionList& connections() const { return m_connections; }
    void setConnections(TcpConnectionList connections);
    // True while a listing runs.
    bool isListing() const { return m_listing; }

    // The sockets one control-block list counts: after the generation header (its first word is
    // its own length) the records follow, each starting with its own length; the walk stops at a
    // record of 24 bytes or less, or one that does not end within the buffer. A record counts when
    // it is at least `minimumRecordLength` long, its byte at offset 80 is not zero and its 32-bit
    // word at offset 244 is 4. 0 for a buffer under 25 bytes or a first record under 25 bytes.
    static std::uint32_t countSockets(const QByteArray& buffer);

    // The tool's text to a new list, in line order: a line of exactly 20 space-separated fields
    // whose state and numbers read; the first of several lines with the same ends wins.
    TcpConnectionList parseConnections(QStringView output) const;
    static bool containsConnection(const TcpConnectionList& connections, const QString& id);
    // The speeds of `current` from the first connection of `previous` with the same id; 0 for a
    // connection without one, and for a total that went down.
    static void mergeConnections(const TcpConnectionList& previous, const TcpConnectionList& current);

public slots:
    // Counts the sockets, then starts a listing when the options ask for one and none runs.
    void refresh();

signals:
    void timerChanged();
    void optionsChanged();
    void countChanged();
    void connectionsChanged();

private:
    std::uint32_t countSockets(const char* protocol) const;
    void readConnections();
    void apply(const std::optional<QString>& output);

    NetworkToolEnvironment m_environment;
    BaseKit::SamplerTimer m_timer;
    std::shared_ptr<ConnectionsOptions> m_options;
    std::uint32_t m_count = 0;
    TcpConnectionList m_connections;
    bool m_listing = false;
};

} // namespace SystemKit
