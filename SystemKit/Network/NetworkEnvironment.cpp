#include "SystemKit/Network/NetworkEnvironment.h"

#include "Platform/Bus/DynamicStore.h"
#include "Platform/Sysfs/NetworkInterfaces.h"
#include "Platform/Registry/Registry.h"
#include "Platform/Netlink/Wlan.h"
#include "Platform/Time/Clock.h"

namespace SystemKit {

NetworkEnvironment NetworkEnvironment::live(const QString& root)
{
    NetworkEnvironment environment;
    environment.interfaces = std::make_shared<Platform::NetworkInterfaces>(root);
    environment.store = std::make_shared<Platform::DynamicStore>(root);
    environment.wlan = Platform::Wlan::live();
    environment.registry = Platform::Registry::live();
    environment.clock = Platform::Clock::system();
    environment.tools = NetworkToolEnvironment::live(root);
    environment.pathMonitors = NetworkMonitor::routingSocket();
    environment.addressLookup = VpnWatch::ipLookup(Ip::defaultHosts());
    return environment;
}

NetworkEnvironment NetworkEnvironment::completed(const QString& root) const
{
    NetworkEnvironment result = *this;
    if (!result.interfaces)
        result.interfaces = std::make_shared<Platform::NetworkInterfaces>(root);
    if (!result.store)
        result.store = std::make_shared<Platform::DynamicStore>(root);
    // Only this machine's own tree has a Wi-Fi driver to ask.
    if (!result.wlan)
        result.wlan = root == QStringLiteral("/") ? Platform::Wlan::live() : Platform::Wlan::none();
    if (!result.registry)
        result.registry = Platform::Registry::live();
    if (!result.clock)
        result.clock = Platform::Clock::system();
    result.tools = result.tools.completed(root);
    if (!result.pathMonitors)
        result.pathMonitors = NetworkMonitor::routingSocket();
    if (!result.addressLookup)
        result.addressLookup = VpnWatch::ipLookup(Ip::defaultHosts());
    return result;
}

} // namespace SystemKit
