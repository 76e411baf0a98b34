#pragma once

#include "SystemKit/Network/Ip.h"
#include "SystemKit/Network/LookupOrder.h"
#include "SystemKit/Network/NetworkMonitor.h"

#include "Platform/Netlink/PathMonitor.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace SystemKit {

// The network sampler's VPN watch: follows the network path, records whether it runs over an
// interface of the other kind (a tunnel: a VPN), announces each change, and looks the external
// address up again after every path update.
//
// Main thread only: path updates and the answers of the lookups arrive from its event loop. Each
// update starts a lookup at once; when lookups overlap, an answer older than the one already taken is
// dropped, so the address shown is always that of the latest path that got an answer. The path stream
// is started and cancelled by a NetworkMonitor the watch owns.
class VpnWatch : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isVpnConnection READ isVpnConnection NOTIFY isVpnConnectionChanged)

public:
    // The public address and its country code; both none for the lookup's empty result.
    struct ExternalAddress {
        std::optional<QString> ip;
        std::optional<QString> countryCode;
    };
    // One lookup: calls `done` once, on `context`'s thread, with the answer or with none when the
    // exchange failed; nothing once `context` is gone.
    using AddressLookup =
        std::function<void(QObject* context, std::function<void(const std::optional<ExternalAddress>&)> done)>;

    // The external address lookup without a user agent, asking `hosts`; a failed exchange gives none.
    static AddressLookup ipLookup(const Ip::Hosts& hosts);

    // Watches this machine's routing socket.
    explicit VpnWatch(AddressLookup lookup, QObject* parent = nullptr);
    VpnWatch(AddressLookup lookup, NetworkMonitor::MonitorFactory factory, QObject* parent = nullptr);

    // The watched path stream; none until `watchVpn` and after `stopVpnWatch`.
    Platform::PathMonitor* monitor() const { return m_paths->monitor(); }
    bool isVpnConnection() const { return m_isVpnConnection; }
    const std::optional<QString>& externalIp() const { return m_externalIp; }
    const std::optional<QString>& countryCode() const { return m_countryCode; }

    // Starts watching, unless a stream is already watched (one watch per sampler; a stream that
    // ended by itself is not started again).
    void watchVpn();
    // Ends the watch: the stream is cancelled and no further path is looked at.
    void stopVpnWatch();
    // One lookup of the external address into `externalIp` and `countryCode`; a failure changes
    // nothing.
    void updateExternalIp();

signals:
    // The new state, only when it changed; the first path is compared with false.
    void vpnStateDidChange(bool connected);
    void isVpnConnectionChanged();
    void externalIpChanged();
    void countryCodeChanged();

private:
    void pathUpdated(const Platform::NetworkPath& path);

    AddressLookup m_lookup;
    NetworkMonitor* m_paths;
    bool m_isVpnConnection = false;
    std::optional<QString> m_externalIp;
    std::optional<QString> m_countryCode;
    LookupOrder m_order;
};

} // namespace SystemKit
