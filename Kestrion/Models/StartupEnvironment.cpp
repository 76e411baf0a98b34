#include "Kestrion/Models/StartupEnvironment.h"

#include "BaseKit/System/MacSystem.h"
#include "Platform/Desktop/Workspace.h"
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

// A sampler's own sources, with the clock and registry every sampler shares where it names none.
template <typename Environment>
Environment withShared(Environment result, const StartupEnvironment& startup)
{
    fill(result.clock, startup.clock);
    fill(result.registry, startup.registry);
    return result;
}
} // namespace

StartupEnvironment StartupEnvironment::live()
{
    StartupEnvironment environment;
    environment.clock = Platform::Clock::system();
    environment.registry = Platform::Registry::live();
    environment.powerSources = Platform::PowerSources::live();
    environment.urlOpener = Platform::Workspace::desktopOpener();
    environment.system = std::make_shared<const BaseKit::MacSystem>();
    return environment;
}

SystemKit::ProcessorEnvironment StartupEnvironment::processorEnvironment() const
{
    SystemKit::ProcessorEnvironment result = withShared(processor, *this);
    if (system)
        result.useSystem(system);
    return result;
}

SystemKit::NetworkEnvironment StartupEnvironment::networkEnvironment() const
{
    SystemKit::NetworkEnvironment result = withShared(network, *this);
    if (!result.addressLookup)
        result.addressLookup = SystemKit::VpnWatch::ipLookup(addressServices);
    return result;
}

SystemKit::GraphicsEnvironment StartupEnvironment::graphicsEnvironment() const
{
    SystemKit::GraphicsEnvironment result = withShared(graphics, *this);
    if (system)
        result.useSystem(system);
    return result;
}

SystemKit::VolumesEnvironment StartupEnvironment::volumesEnvironment() const
{
    return withShared(volumes, *this);
}

InternalBatteryKit::InternalBatteryFinder::Environment StartupEnvironment::batteryEnvironment() const
{
    return {registry, powerSources};
}

std::shared_ptr<const BaseKit::MacSystem> StartupEnvironment::machine() const
{
    return system ? system : std::make_shared<const BaseKit::MacSystem>();
}

ThermionKit::ThermionCheck::Environment StartupEnvironment::companionEnvironment() const
{
    ThermionKit::ThermionCheck::Environment result = companion;
    fill(result.urlOpener, urlOpener);
    return result;
}

} // namespace Kestrion
