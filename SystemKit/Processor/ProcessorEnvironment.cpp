#include "SystemKit/Processor/ProcessorEnvironment.h"

#include "Platform/HostStatistics.h"
#include "Platform/ProcessTable.h"

#include "Platform/Clock.h"
#include "Platform/Machine.h"

#include <optional>

namespace SystemKit {

ProcessorEnvironment ProcessorEnvironment::live(const QString& root)
{
    ProcessorEnvironment environment;
    environment.host = std::make_shared<Platform::HostStatistics>(root);
    environment.processTable = std::make_shared<Platform::ProcessTable>(root);
    environment.currentTime = [] { return double(Platform::Clock::shared().now().toMSecsSinceEpoch()) / 1000.0; };
    environment.monotonicNanoseconds = [] { return std::int64_t(Platform::Clock::shared().monotonic().count()); };

    auto machine = std::make_shared<Platform::Machine>(root);
    // Processors in use, read afresh at each call; the logical and thread counts once, on first use.
    environment.activeProcessorCount = [machine] { return machine->threadCount(); };
    auto onceCount = std::make_shared<std::optional<std::uint32_t>>();
    auto logical = [machine, onceCount] {
        if (!*onceCount)
            *onceCount = machine->threadCount();
        return **onceCount;
    };
    environment.logicalProcessorCount = logical;
    environment.threadCount = logical;
    environment.isAppleSilicon = [machine] { return machine->architecture() == QLatin1String("arm64"); };
    return environment;
}

ProcessorEnvironment ProcessorEnvironment::completed(const QString& root) const
{
    ProcessorEnvironment result = *this;
    const ProcessorEnvironment defaults = live(root);
    if (!result.host)
        result.host = defaults.host;
    if (!result.processTable)
        result.processTable = defaults.processTable;
    if (!result.currentTime)
        result.currentTime = defaults.currentTime;
    if (!result.monotonicNanoseconds)
        result.monotonicNanoseconds = defaults.monotonicNanoseconds;
    if (!result.activeProcessorCount)
        result.activeProcessorCount = defaults.activeProcessorCount;
    if (!result.logicalProcessorCount)
        result.logicalProcessorCount = defaults.logicalProcessorCount;
    if (!result.threadCount)
        result.threadCount = defaults.threadCount;
    if (!result.isAppleSilicon)
        result.isAppleSilicon = defaults.isAppleSilicon;
    return result;
}

} // namespace SystemKit
