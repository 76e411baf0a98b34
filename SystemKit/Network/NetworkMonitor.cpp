#include "SystemKit/Network/NetworkMonitor.h"

#include "Platform/Netlink/NetlinkPathMonitor.h"

namespace SystemKit {

NetworkMonitor::MonitorFactory NetworkMonitor::routingSocket()
{
    return []() -> Platform::PathMonitor* { return new Platform::NetlinkPathMonitor(); };
}

NetworkMonitor::NetworkMonitor(QObject* parent) : NetworkMonitor(routingSocket(), parent) {}

NetworkMonitor::NetworkMonitor(MonitorFactory factory, QObject* parent) : QObject(parent), m_factory(std::move(factory))
{
    qRegisterMetaType<Platform::NetworkPath>();
}

void NetworkMonitor::start()
{
    if (m_monitor) {
        m_monitor->disconnect(this);
        delete m_monitor.data();
    }
    Platform::PathMonitor* monitor = m_factory ? m_factory() : nullptr;
    if (!monitor)
        return;
    monitor->setParent(this);
    m_monitor = monitor;
    connect(monitor, &Platform::PathMonitor::pathUpdated, this, &NetworkMonitor::onUpdate);
    monitor->start();
}

void NetworkMonitor::stop()
{
    if (!m_monitor)
        return;
    Platform::PathMonitor* monitor = m_monitor;
    m_monitor = nullptr;
    monitor->disconnect(this);
    monitor->cancel();
    monitor->deleteLater();
}

} // namespace SystemKit
