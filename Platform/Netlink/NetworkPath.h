#pragma once

#include <QMetaType>
#include <QStringList>

namespace Platform {

// Where traffic to the internet leaves the machine at one moment.
struct NetworkPath {
    // The interfaces of the routes to a public IPv4 and a public IPv6 address, in that order, once
    // each; empty while no route leads out.
    QStringList interfaces;
    // One of them is neither Ethernet, Wi-Fi nor loopback: a tunnel, PPP or WireGuard link, which
    // is what a VPN uses.
    bool usesOtherInterface = false;

    bool operator==(const NetworkPath&) const = default;
};

} // namespace Platform

Q_DECLARE_METATYPE(Platform::NetworkPath)
