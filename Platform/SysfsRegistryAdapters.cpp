#include "Platform/SysfsRegistry.h"

#include "Platform/BatteryRegistryAdapter.h"
#include "Platform/PlatformExpertAdapter.h"
#include "Platform/ProcessorRegistryAdapter.h"

namespace Platform {

// The adapters of the live registry, in registry order; each reads below root().
void SysfsRegistry::addStandardAdapters()
{
    addAdapter(std::make_unique<PlatformExpertAdapter>(root()));
    addAdapter(std::make_unique<ProcessorRegistryAdapter>(root()));
    addAdapter(std::make_unique<BatteryRegistryAdapter>(root()));
}

} // namespace Platform
