#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace BaseKit {
class MacSystem;
}

namespace Platform {
class Clock;
class Registry;
} // namespace Platform

namespace SystemKit {

// Where the graphics sampler takes its readings from. An empty member means this machine's own
// source; tests give a registry of their own and clocks and machine facts they choose.
struct GraphicsEnvironment {
    std::shared_ptr<Platform::Registry> registry;   // none: this machine's registry
    std::shared_ptr<const Platform::Clock> clock;   // none: this machine's clock
    std::function<double()> currentTime;            // seconds since 1970; none: the clock's
    std::function<QString()> processorName;         // the processor's brand text
    std::function<std::uint64_t()> physicalMemory;  // bytes

    static GraphicsEnvironment live();
    // This environment with every empty member taken from live().
    GraphicsEnvironment completed() const;
    // Fills the empty machine facts from the machine identification `system`.
    void useSystem(const std::shared_ptr<const BaseKit::MacSystem>& system);
    // The registry to read (of a completed environment).
    const Platform::Registry& registryToRead() const;
};

} // namespace SystemKit
