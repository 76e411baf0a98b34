#pragma once

#include "InternalBatteryKit/InternalBatteryFinder.h"
#include "SystemKit/Graphics/GraphicsEnvironment.h"
#include "SystemKit/Network/NetworkEnvironment.h"
#include "SystemKit/Processor/ProcessorEnvironment.h"
#include "SystemKit/Volumes/VolumesEnvironment.h"
#include "ThermionKit/ThermionCheck.h"

#include "BaseKit/Services/Marketing.h"

#include <memory>

namespace BaseKit {
class MacSystem;
}

namespace Platform {
class Clock;
class HostStatistics;
class PowerSources;
class Registry;
} // namespace Platform

namespace Kestrion {

// What the program's samplers read, made once at start-up and handed to each model as it makes its
// sampler: one clock and one registry for all of them, the power sources, and each sampler's own
// sources. An empty member means this machine's own source.
struct StartupEnvironment {
    std::shared_ptr<const Platform::Clock> clock;
    std::shared_ptr<Platform::Registry> registry;
    std::shared_ptr<Platform::PowerSources> powerSources;
    std::shared_ptr<Platform::HostStatistics> memory;   // the memory sampler's counters
    // The machine's identity and state, shown by the system card and read by the processor and
    // graphics samplers.
    std::shared_ptr<const BaseKit::MacSystem> system;
    SystemKit::ProcessorEnvironment processor;
    SystemKit::NetworkEnvironment network;
    SystemKit::GraphicsEnvironment graphics;
    SystemKit::VolumesEnvironment volumes;
    // The services that tell the machine's public address and its country.
    SystemKit::Ip::Hosts addressServices = SystemKit::Ip::defaultHosts();
    // Where the companion is looked for and its published version fetched.
    ThermionKit::ThermionCheck::Environment companion = ThermionKit::ThermionCheck::standardEnvironment();
    // Where the maker's other applications are listed.
    BaseKit::Marketing::Source otherApps;
    // What opens addresses and files: the desktop's opener; none opens nothing.
    BaseKit::Workspace::UrlOpener urlOpener;

    // This machine's clock, registry, power sources, identity and the desktop's opener; the samplers'
    // own sources are made by each sampler.
    static StartupEnvironment live();
    // Every sampler over a tree captured from a machine (its proc, sys and etc folders below `root`),
    // on `clock` (none: this machine's): nothing else of this machine is read. The tree holds no
    // file-system sizes, routing events, Wi-Fi driver or disk to eject: there are none. The address
    // services, the companion and the opener stay this machine's.
    static StartupEnvironment captured(const QString& root, std::shared_ptr<const Platform::Clock> clock = nullptr);

    // Each sampler's environment, with the shared clock, registry and machine identity where it names
    // none (and the address services for the network sampler's address lookup).
    SystemKit::ProcessorEnvironment processorEnvironment() const;
    SystemKit::NetworkEnvironment networkEnvironment() const;
    SystemKit::GraphicsEnvironment graphicsEnvironment() const;
    SystemKit::VolumesEnvironment volumesEnvironment() const;
    InternalBatteryKit::InternalBatteryFinder::Environment batteryEnvironment() const;
    // The machine's identity: `system`, or this machine's when there is none.
    std::shared_ptr<const BaseKit::MacSystem> machine() const;
    // The companion's environment, with the shared opener where it names none.
    ThermionKit::ThermionCheck::Environment companionEnvironment() const;
};

} // namespace Kestrion
