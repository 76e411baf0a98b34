#pragma once

#include <memory>

namespace Platform {
class Clock;
class DiskEjector;
class Mounts;
class Registry;
} // namespace Platform

namespace SystemKit {

// Where the volumes sampler takes its readings from. An empty member means this machine's own
// source; tests give a mount table and a registry over fixture trees, an ejector of their own and a
// clock they drive.
struct VolumesEnvironment {
    std::shared_ptr<Platform::Mounts> mounts;           // the mount table and its events
    std::shared_ptr<Platform::Registry> registry;       // the block devices' statistics
    std::shared_ptr<Platform::DiskEjector> ejector;     // unmounting and ejecting
    std::shared_ptr<const Platform::Clock> clock;       // the storage refresh's time

    // This environment with every empty member taken from this machine.
    VolumesEnvironment completed() const;
};

} // namespace SystemKit
