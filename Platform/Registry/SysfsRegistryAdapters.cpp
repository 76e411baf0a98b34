#include "Platform/Registry/SysfsRegistry.h"

#include "Platform/Registry/BatteryRegistryAdapter.h"
#include "Platform/Registry/BlockStorageRegistryAdapter.h"
#include "Platform/Registry/DrmRegistryAdapter.h"
#include "Platform/Registry/NetworkRegistryAdapter.h"
#include "Platform/Registry/PlatformExpertAdapter.h"
#include "Platform/Registry/ProcessorRegistryAdapter.h"
#include "Platform/Netlink/Wlan.h"

namespace Platform {

// The adapters of the live registry, in registry order; each reads below root().
void SysfsRegistry::addStandardAdapters()
{
    addAdapter(std::make_unique<PlatformExpertAdapter>(root()));
    addAdapter(std::make_unique<ProcessorRegistryAdapter>(root()));
    addAdapter(std::make_unique<DrmRegistryAdapter>(root()));
    addAdapter(std::make_unique<BlockStorageRegistryAdapter>(root()));
    // Only this machine's own tree has drivers to ask.
    const bool live = root() == QStringLiteral("/");
    addAdapter(std::make_unique<NetworkRegistryAdapter>(
        root(), live ? Wlan::live() : Wlan::none(),
        live ? NetworkRegistryAdapter::DriverInfoSource(&NetworkRegistryAdapter::ethtoolDriverInfo) : nullptr));
    addAdapter(std::make_unique<BatteryRegistryAdapter>(root()));
}

} // namespace Platform
