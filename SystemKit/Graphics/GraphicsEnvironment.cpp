#include "SystemKit/Graphics/GraphicsEnvironment.h"

#include "BaseKit/System/MacSystem.h"
#include "Platform/Time/Clock.h"
#include "Platform/Registry/Registry.h"

namespace SystemKit {

GraphicsEnvironment GraphicsEnvironment::live()
{
    GraphicsEnvironment environment;
    environment.currentTime = [] { return double(Platform::Clock::shared().now().toMSecsSinceEpoch()) / 1000.0; };
    environment.processorName = [] { return BaseKit::MacSystem::processorName(); };
    environment.physicalMemory = [] { return BaseKit::MacSystem::physicalMemory(); };
    return environment;
}

GraphicsEnvironment GraphicsEnvironment::completed() const
{
    GraphicsEnvironment result = *this;
    const GraphicsEnvironment defaults = live();
    if (!result.currentTime)
        result.currentTime = defaults.currentTime;
    if (!result.processorName)
        result.processorName = defaults.processorName;
    if (!result.physicalMemory)
        result.physicalMemory = defaults.physicalMemory;
    return result;
}

const Platform::Registry& GraphicsEnvironment::registryToRead() const
{
    return registry ? *registry : Platform::Registry::shared();
}

} // namespace SystemKit
