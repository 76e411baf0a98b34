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
    // Only what is missing is made: this machine's identification reads files of its own.
    ProcessorEnvironment result = *this;
    if (!result.host)
        result.host = std::make_shared<Platform::HostStatistics>(root);
    if (!result.processTable)
        result.processTable = std::make_shared<Platform::ProcessTable>(root);
    if (!result.registry)
        result.registry = Platform::Registry::live();
    if (!result.clock)
        result.clock = Platform::Clock::system();
    result.useClock();
    if (!result.activeProcessorCount || !result.logicalProcessorCount || !result.threadCount || !result.isAppleSilicon)
        result.useSystem(std::make_shared<const BaseKit::MacSystem>());
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
