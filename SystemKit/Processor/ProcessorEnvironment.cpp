#include "SystemKit/Processor/ProcessorEnvironment.h"

#include "Platform/HostStatistics.h"
#include "Platform/ProcessTable.h"

#include "BaseKit/System/MacSystem.h"
#include "Platform/Clock.h"

#include <algorithm>

namespace SystemKit {

ProcessorEnvironment ProcessorEnvironment::live(const QString& root)
{
    ProcessorEnvironment environment;
    environment.host = std::make_shared<Platform::HostStatistics>(root);
    environment.processTable = std::make_shared<Platform::ProcessTable>(root);
    environment.currentTime = [] { return double(Platform::Clock::shared().now().toMSecsSinceEpoch()) / 1000.0; };
    environment.monotonicNanoseconds = [] { return std::int64_t(Platform::Clock::shared().monotonic().count()); };

    // Processors in use are read afresh at each call; the logical and thread counts are the ones
    // the machine identification read once.
    environment.activeProcessorCount = [] { return std::uint32_t(std::max(BaseKit::MacSystem::activeProcessorCount(), 0)); };
    environment.logicalProcessorCount = [] { return BaseKit::MacSystem::logicalProcessorCount(); };
    environment.threadCount = [] { return BaseKit::MacSystem::threadCount(); };
    environment.isAppleSilicon = [] { return BaseKit::MacSystem::isAppleSilicon(); };
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
