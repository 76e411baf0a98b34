#include "SystemKit/Network/VpnWatch.h"

#include "SystemKit/Network/Ip.h"

namespace SystemKit {

VpnWatch::VpnWatch(AddressLookup lookup, QObject* parent)
    : VpnWatch(std::move(lookup), NetworkMonitor::routingSocket(), parent)
{
}

VpnWatch::AddressLookup VpnWatch::ipLookup(const Ip::Hosts& hosts)
{
    return [hosts](QObject* context, std::function<void(const std::optional<ExternalAddress>&)> done) {
        Ip::lookup(hosts, context, [done = std::move(done)](const ExternalIp& result,
                                                     const std::optional<BaseKit::WebError>& error) {
            if (error)
                done(std::nullopt);
            else
                done(ExternalAddress{result.ip(), result.countryCode()});
        });
    };
}

VpnWatch::VpnWatch(AddressLookup lookup, NetworkMonitor::MonitorFactory factory, QObject* parent)
    : QObject(parent), m_lookup(std::move(lookup)), m_paths(new NetworkMonitor(std::move(factory), this))
{
}

void VpnWatch::watchVpn()
{
    if (m_paths->monitor())
        return;
    // The first path comes from the event loop, so connecting after the start misses none.
    m_paths->start();
    if (Platform::PathMonitor* monitor = m_paths->monitor())
        connect(monitor, &Platform::PathMonitor::pathUpdated, this, &VpnWatch::pathUpdated);
}

void VpnWatch::stopVpnWatch()
{
    if (Platform::PathMonitor* monitor = m_paths->monitor())
        monitor->disconnect(this);
    m_paths->stop();
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
