#pragma once

#include "Platform/Netlink/PathMonitor.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace SystemKit {

// A small path watcher: reports every update of the network path, without looking at it.
class NetworkMonitor : public QObject {
    Q_OBJECT

public:
    // Makes the path stream each `start` watches; the watcher owns what it returns.
    using MonitorFactory = std::function<Platform::PathMonitor*()>;
    // Streams over this machine's routing socket.
    static MonitorFactory routingSocket();

    // Watches this machine's routing socket.
    explicit NetworkMonitor(QObject* parent = nullptr);
    explicit NetworkMonitor(MonitorFactory factory, QObject* parent = nullptr);

    // The stream of the latest `start`; none before it and after `stop`.
    Platform::PathMonitor* monitor() const { return m_monitor; }

    // Watches a new stream; one `onUpdate` per path until it ends. A stream watched before is
    // dropped without being cancelled.
    void start();
    // Cancels and drops the stream.
    void stop();

signals:
    void onUpdate();

private:
    MonitorFactory m_factory;
    QPointer<Platform::PathMonitor> m_monitor;
};

} // namespace SystemKit
