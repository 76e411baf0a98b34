#include "SystemKit/Network/NetworkEnvironment.h"

#include "Platform/Bus/DynamicStore.h"
#include "Platform/Sysfs/NetworkInterfaces.h"
#include "Platform/Registry/Registry.h"
#include "Platform/Netlink/Wlan.h"

namespace SystemKit {

NetworkEnvironment NetworkEnvironment::live(const QString& root)
{
    NetworkEnvironment environment;
    environment.interfaces = std::make_shared<Platform::NetworkInterfaces>(root);
    environment.store = std::make_shared<Platform::DynamicStore>(root);
    environment.wlan = Platform::Wlan::live();
    environment.tools = NetworkToolEnvironment::live(root);
    environment.pathMonitors = NetworkMonitor::routingSocket();
    environment.addressLookup = VpnWatch::ipLookup();
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
    result.tools = result.tools.completed(root);
    if (!result.pathMonitors)
        result.pathMonitors = NetworkMonitor::routingSocket();
    if (!result.addressLookup)
        result.addressLookup = VpnWatch::ipLookup();
    return result;
}

} // namespace SystemKit
