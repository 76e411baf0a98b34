#pragma once

#include <QString>

#include <memory>

namespace Platform {
class DynamicStore;
class NetworkInterfaces;
class Registry;
class Wlan;
} // namespace Platform

namespace SystemKit {

// Where the network sampler takes its readings from. An empty member means this machine's own
// source; tests give sources over fixture trees, a registry of their own and a Wi-Fi source they
// drive.
struct NetworkEnvironment {
    std::shared_ptr<Platform::NetworkInterfaces> interfaces; // interface list and interface facts
    std::shared_ptr<Platform::DynamicStore> store;           // the primary interface
    std::shared_ptr<Platform::Wlan> wlan;                    // live Wi-Fi values
    std::shared_ptr<Platform::Registry> registry;            // none: the shared registry

    // This machine's sources, reading sysfs and procfs below `root`.
    static NetworkEnvironment live(const QString& root = QStringLiteral("/"));
    // This environment with every empty member taken from live(root).
    NetworkEnvironment completed(const QString& root = QStringLiteral("/")) const;
};

} // namespace SystemKit
