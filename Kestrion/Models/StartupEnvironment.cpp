#include "Kestrion/Models/StartupEnvironment.h"

#include "BaseKit/System/MacSystem.h"
#include "Platform/Bus/DynamicStore.h"
#include "Platform/Desktop/Workspace.h"
#include "Platform/Netlink/Wlan.h"
#include "Platform/Proc/HostStatistics.h"
#include "Platform/Proc/ProcessTable.h"
#include "Platform/Registry/SysfsRegistry.h"
#include "Platform/Sysfs/Machine.h"
#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Sysfs/SysfsInterfaceList.h"
#include "Platform/Time/Clock.h"
#include "Platform/Volumes/DiskEjector.h"
#include "Platform/Volumes/Mounts.h"

namespace Kestrion {

namespace {
template <typename Member>
void fill(Member& member, const Member& shared)
{
    if (!member)
        member = shared;
}

// A captured tree has no disks to eject.
class NoEjector : public Platform::DiskEjector {
public:
    void unmountAndEject(const QString&, bool, Done done) override
    {
        if (done)
            done(QStringLiteral("a captured tree has no disks to eject"));
    }
};

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

StartupEnvironment StartupEnvironment::captured(const QString& root, std::shared_ptr<const Platform::Clock> clock)
{
    StartupEnvironment environment;
    environment.clock = clock ? std::move(clock) : Platform::Clock::system();
    environment.registry = Platform::SysfsRegistry::live(root);
    environment.powerSources = std::make_shared<Platform::PowerSources>(root);
    environment.memory = std::make_shared<Platform::HostStatistics>(root);
    environment.urlOpener = Platform::Workspace::desktopOpener();

    auto names = std::make_shared<Platform::DynamicStore>(root);
    environment.system = std::make_shared<const BaseKit::MacSystem>(BaseKit::MacSystem::Sources{
        std::make_shared<Platform::Machine>(root, Platform::KernelIdentity::captured(root)),
        [names] { return names->computerName(); },
        [root]() -> std::optional<std::int64_t> {
            const auto boot = Platform::HostStatistics(root).bootTime();
            return boot ? std::optional<std::int64_t>(boot->seconds) : std::nullopt;
        },
        environment.registry, environment.clock});

    environment.processor.host = std::make_shared<Platform::HostStatistics>(root);
    environment.processor.processTable = std::make_shared<Platform::ProcessTable>(root);

    environment.network.interfaces = std::make_shared<Platform::SysfsInterfaceList>(root);
    environment.network.store = names;
    environment.network.wlan = Platform::Wlan::none();
    environment.network.tools = SystemKit::NetworkToolEnvironment::live(root);
    environment.network.pathMonitors = [] { return static_cast<Platform::PathMonitor*>(nullptr); };

    auto mounts = std::make_shared<Platform::Mounts>(root);
    mounts->setCapacityReader([](const QString&) { return std::optional<Platform::VolumeCapacity>(); });
    environment.volumes.mounts = mounts;
    environment.volumes.ejector = std::make_shared<NoEjector>();
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
