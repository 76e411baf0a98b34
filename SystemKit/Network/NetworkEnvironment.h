#pragma once

#include "SystemKit/Network/NetworkMonitor.h"
#include "SystemKit/Network/NetworkToolEnvironment.h"
#include "SystemKit/Network/VpnWatch.h"

#include <QString>

#include <memory>

namespace Platform {
class Clock;
class DynamicStore;
class NetworkInterfaces;
class Registry;
class Wlan;
} // namespace Platform

namespace SystemKit {

// Where the network sampler takes its readings from. An empty member means this machine's own
// source; tests give sources over fixture trees, a registry of their own, a Wi-Fi source they drive,
// a listing tool of their own, a path stream they drive and address lookups they answer.
struct NetworkEnvironment {
    std::shared_ptr<Platform::NetworkInterfaces> interfaces; // interface list and interface facts
    std::shared_ptr<Platform::DynamicStore> store;           // the primary interface
    std::shared_ptr<Platform::Wlan> wlan;                    // live Wi-Fi values
    std::shared_ptr<Platform::Registry> registry;            // none: this machine's registry
    std::shared_ptr<const Platform::Clock> clock;            // none: this machine's clock
    NetworkToolEnvironment tools;                            // the per-process traffic listing
    NetworkMonitor::MonitorFactory pathMonitors;             // the VPN watch's path stream
    VpnWatch::AddressLookup addressLookup;                   // the VPN watch's external address

    // This machine's sources, reading sysfs and procfs below `root`.
    static NetworkEnvironment live(const QString& root = QStringLiteral("/"));
    // This environment with every empty member taken from live(root).
    NetworkEnvironment completed(const QString& root = QStringLiteral("/")) const;
};

} // namespace SystemKit
