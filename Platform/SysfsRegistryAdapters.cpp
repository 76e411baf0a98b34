#include "Platform/SysfsRegistry.h"

#include "Platform/BatteryRegistryAdapter.h"
#include "Platform/BlockStorageRegistryAdapter.h"
#include "Platform/DrmRegistryAdapter.h"
#include "Platform/NetworkRegistryAdapter.h"
#include "Platform/PlatformExpertAdapter.h"
#include "Platform/ProcessorRegistryAdapter.h"
#include "Platform/Wlan.h"

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
