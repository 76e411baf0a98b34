#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace Platform {
class Registry;
}

namespace SystemKit {

// Where the graphics sampler takes its readings from. An empty member means this machine's own
// source; tests give a registry of their own and clocks and machine facts they choose.
struct GraphicsEnvironment {
    std::shared_ptr<Platform::Registry> registry;   // none: the shared registry
    std::function<double()> currentTime;            // seconds since 1970
    std::function<QString()> processorName;         // the processor's brand text
    std::function<std::uint64_t()> physicalMemory;  // bytes

    static GraphicsEnvironment live();
    // This environment with every empty member taken from live().
    GraphicsEnvironment completed() const;
    // The registry to read.
    const Platform::Registry& registryToRead() const;
};

} // namespace SystemKit
