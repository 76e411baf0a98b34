#include "SystemKit/Network/VpnWatch.h"

#include "SystemKit/Network/Ip.h"

namespace SystemKit {

VpnWatch::VpnWatch(AddressLookup lookup, QObject* parent)
    : VpnWatch(std::move(lookup), NetworkMonitor::routingSocket(), parent)
{
}

VpnWatch::AddressLookup VpnWatch::ipLookup()
{
    return [](QObject* context, std::function<void(const std::optional<ExternalAddress>&)> done) {
        Ip::lookup(context, [done = std::move(done)](const ExternalIp& result,
                                                     const std::optional<BaseKit::WebError>& error) {
            if (error)
                done(std::nullopt);
            else
                done(ExternalAddress{result.ip(), result.countryCode()});
        });
    };
}

VpnWatch::VpnWatch(AddressLookup lookup, NetworkMonitor::MonitorFactory factory, QObject* parent)
    : QObject(parent), m_lookup(std::move(lookup)), m_factory(std::move(factory))
{
    qRegisterMetaType<Platform::NetworkPath>();
}

void VpnWatch::watchVpn()
{
    if (m_monitor || !m_factory)
        return;
    Platform::PathMonitor* monitor = m_factory();
    if (!monitor)
        return;
    monitor->setParent(this);
    m_monitor = monitor;
    connect(monitor, &Platform::PathMonitor::pathUpdated, this, &VpnWatch::pathUpdated);
    monitor->start();
}

void VpnWatch::stopVpnWatch()
{
    if (!m_monitor)
        return;
    Platform::PathMonitor* monitor = m_monitor;
    m_monitor = nullptr;
    monitor->disconnect(this);
    monitor->cancel();
    monitor->deleteLater();
}

void VpnWatch::pathUpdated(const Platform::NetworkPath& path)
{
    const bool old = m_isVpnConnection;
    m_isVpnConnection = path.usesOtherInterface;
    emit isVpnConnectionChanged();
    if (m_isVpnConnection != old)
        emit vpnStateDidChange(m_isVpnConnection);
    updateExternalIp();
}

void VpnWatch::updateExternalIp()
{
    if (!m_lookup)
        return;
    const std::uint64_t ticket = m_order.begin();
    m_lookup(this, [this, ticket](const std::optional<ExternalAddress>& answer) {
        if (!answer || !m_order.accept(ticket))
            return;
        m_externalIp = answer->ip;
        emit externalIpChanged();
        m_countryCode = answer->countryCode;
        emit countryCodeChanged();
    });
}

} // namespace SystemKit
