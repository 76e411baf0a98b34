#include "SystemKit/Graphics/GraphicsEnvironment.h"

#include "BaseKit/System/MacSystem.h"
#include "Platform/Time/Clock.h"
#include "Platform/Registry/Registry.h"

namespace SystemKit {

GraphicsEnvironment GraphicsEnvironment::live()
{
    GraphicsEnvironment environment;
    environment.registry = Platform::Registry::live();
    environment.clock = Platform::Clock::system();
    environment.useSystem(std::make_shared<const BaseKit::MacSystem>());
    return environment;
}

void GraphicsEnvironment::useSystem(const std::shared_ptr<const BaseKit::MacSystem>& system)
{
    if (!processorName)
        processorName = [system] { return system->processorName(); };
    if (!physicalMemory)
        physicalMemory = [system] { return system->physicalMemory(); };
}

GraphicsEnvironment GraphicsEnvironment::completed() const
{
    // Only what is missing is made: this machine's identification reads files of its own.
    GraphicsEnvironment result = *this;
    if (!result.registry)
        result.registry = Platform::Registry::live();
    if (!result.clock)
        result.clock = Platform::Clock::system();
    if (!result.currentTime) {
        const std::shared_ptr<const Platform::Clock> clock = result.clock;
        result.currentTime = [clock] { return double(clock->now().toMSecsSinceEpoch()) / 1000.0; };
    }
    if (!result.processorName || !result.physicalMemory)
        result.useSystem(std::make_shared<const BaseKit::MacSystem>());
    return result;
}

const Platform::Registry& GraphicsEnvironment::registryToRead() const
{
    return *registry;
}

} // namespace SystemKit
