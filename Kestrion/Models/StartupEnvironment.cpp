#include "Kestrion/Models/StartupEnvironment.h"

#include "Platform/Registry/Registry.h"
#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Time/Clock.h"

namespace Kestrion {

namespace {
template <typename Member>
void fill(Member& member, const Member& shared)
{
    if (!member)
        member = shared;
}
} // namespace

StartupEnvironment StartupEnvironment::live()
{
    StartupEnvironment environment;
    environment.clock = Platform::Clock::system();
    environment.registry = Platform::Registry::live();
    environment.powerSources = Platform::PowerSources::live();
    return environment;
}

SystemKit::ProcessorEnvironment StartupEnvironment::processorEnvironment() const
{
    SystemKit::ProcessorEnvironment result = processor;
    fill(result.clock, clock);
    fill(result.registry, registry);
    return result;
}

SystemKit::NetworkEnvironment StartupEnvironment::networkEnvironment() const
{
    SystemKit::NetworkEnvironment result = network;
    fill(result.clock, clock);
    fill(result.registry, registry);
    if (!result.addressLookup)
        result.addressLookup = SystemKit::VpnWatch::ipLookup(addressServices);
    return result;
}

SystemKit::GraphicsEnvironment StartupEnvironment::graphicsEnvironment() const
{
    SystemKit::GraphicsEnvironment result = graphics;
    fill(result.clock, clock);
    fill(result.registry, registry);
    return result;
}

SystemKit::VolumesEnvironment StartupEnvironment::volumesEnvironment() const
{
    SystemKit::VolumesEnvironment result = volumes;
    fill(result.clock, clock);
    fill(result.registry, registry);
    return result;
}

InternalBatteryKit::InternalBatteryFinder::Environment StartupEnvironment::batteryEnvironment() const
{
    return {registry, powerSources};
}

} // namespace Kestrion
