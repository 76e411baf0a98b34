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
class HostStatistics;
class ProcessTable;
class Registry;
} // namespace Platform

namespace SystemKit {

// Where the processor sampler takes its readings from. An empty member means this machine's own
// source; tests give sources that read fixture trees, a registry of their own and clocks they drive.
struct ProcessorEnvironment {
    std::shared_ptr<Platform::HostStatistics> host;
    std::shared_ptr<Platform::ProcessTable> processTable;
    std::shared_ptr<Platform::Registry> registry;            // none: this machine's registry
    std::shared_ptr<const Platform::Clock> clock;            // none: this machine's clock
    std::function<double()> currentTime;                     // seconds since 1970 (wall clock); none: the clock's
    std::function<std::int64_t()> monotonicNanoseconds;      // never steps back; none: the clock's
    std::function<std::uint32_t()> activeProcessorCount;     // processors in use now
    std::function<std::uint32_t()> logicalProcessorCount;
    std::function<std::uint32_t()> threadCount;
    std::function<bool()> isAppleSilicon;

    // This machine's sources, reading /proc below `root`.
    static ProcessorEnvironment live(const QString& root = QStringLiteral("/"));
    // This environment with every empty member taken from live(root).
    ProcessorEnvironment completed(const QString& root = QStringLiteral("/")) const;
    // Fills the empty processor counts from the machine identification `system`.
    void useSystem(const std::shared_ptr<const BaseKit::MacSystem>& system);

private:
    // Fills the empty time readings from `clock`.
    void useClock();
};

} // namespace SystemKit
