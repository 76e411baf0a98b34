#include "SystemKit/Processor/ProcessorEnvironment.h"

#include "Platform/Proc/HostStatistics.h"
#include "Platform/Proc/ProcessTable.h"

#include "BaseKit/System/MacSystem.h"
#include "Platform/Registry/Registry.h"
#include "Platform/Time/Clock.h"

#include <algorithm>

namespace SystemKit {

ProcessorEnvironment ProcessorEnvironment::live(const QString& root)
{
    ProcessorEnvironment environment;
    environment.host = std::make_shared<Platform::HostStatistics>(root);
    environment.processTable = std::make_shared<Platform::ProcessTable>(root);
    environment.registry = Platform::Registry::live();
    environment.clock = Platform::Clock::system();
    environment.useClock();

    environment.useSystem(std::make_shared<const BaseKit::MacSystem>());
    return environment;
}

void ProcessorEnvironment::useSystem(const std::shared_ptr<const BaseKit::MacSystem>& system)
{
    // Processors in use are read afresh at each call; the logical and thread counts are the ones
    // the machine identification read once.
    if (!activeProcessorCount)
        activeProcessorCount = [system] { return std::uint32_t(std::max(system->activeProcessorCount(), 0)); };
    if (!logicalProcessorCount)
        logicalProcessorCount = [system] { return system->logicalProcessorCount(); };
    if (!threadCount)
        threadCount = [system] { return system->threadCount(); };
    if (!isAppleSilicon)
        isAppleSilicon = [system] { return system->isAppleSilicon(); };
}

ProcessorEnvironment ProcessorEnvironment::completed(const QString& root) const
{
    ProcessorEnvironment result = *this;
    const ProcessorEnvironment defaults = live(root);
    const auto fill = [](auto& member, const auto& fallback) {
        if (!member)
            member = fallback;
    };
    fill(result.host, defaults.host);
    fill(result.processTable, defaults.processTable);
    fill(result.registry, defaults.registry);
    fill(result.clock, defaults.clock);
    result.useClock();
    fill(result.activeProcessorCount, defaults.activeProcessorCount);
    fill(result.logicalProcessorCount, defaults.logicalProcessorCount);
    fill(result.threadCount, defaults.threadCount);
    fill(result.isAppleSilicon, defaults.isAppleSilicon);
    return result;
}

void ProcessorEnvironment::useClock()
{
    const std::shared_ptr<const Platform::Clock> source = clock;
    if (!currentTime)
        currentTime = [source] { return double(source->now().toMSecsSinceEpoch()) / 1000.0; };
    if (!monotonicNanoseconds)
        monotonicNanoseconds = [source] { return std::int64_t(source->monotonic().count()); };
}

} // namespace SystemKit
