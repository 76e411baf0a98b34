#include "SystemKit/Processor/MemoryController.h"

#include "Platform/Proc/HostStatistics.h"
#include "BaseKit/Sampler/SamplerTimer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace SystemKit {

MemoryController::MemoryController(int historySize, QObject* parent)
    : MemoryController(historySize, std::make_shared<Platform::HostStatistics>(), parent)
{
}

MemoryController::MemoryController(int historySize, std::shared_ptr<Platform::HostStatistics> host, QObject* parent)
    : QObject(parent)
    , m_host(host ? std::move(host) : std::make_shared<Platform::HostStatistics>())
    , m_history(historySize)
    , m_usageHistory(historySize)
{
}

MemoryController::~MemoryController() = default;

void MemoryController::start(double interval)
{
    if (m_timer.start(this, interval, &MemoryController::refresh))
        emit timerChanged();
}

void MemoryController::stop()
{
    m_timer.stop();
    emit timerChanged();
}

std::optional<MemoryController::Reading> MemoryController::read() const
{
    const auto vm = m_host->vmStatistics();
    if (!vm)
        return std::nullopt;
    Reading reading;
    reading.statistics.free = vm->freePages * vm->pageSize;
    reading.statistics.active = vm->activePages * vm->pageSize;
    reading.statistics.inactive = vm->inactivePages * vm->pageSize;
    reading.statistics.wired = vm->wiredPages * vm->pageSize;
    reading.statistics.compressed = vm->compressedPages * vm->pageSize;
    reading.physicalMemory = vm->physicalMemory;
    return reading;
}

MemoryStatistics MemoryController::currentStatistics() const
{
    const auto reading = read();
    return reading ? reading->statistics : MemoryStatistics{};
}

void MemoryController::refresh()
{
    const auto reading = read();
    if (!reading)
        return;
    const MemoryStatistics& stats = reading->statistics;
    const std::uint64_t used = stats.active + stats.compressed + stats.wired;
    const std::uint64_t physical = reading->physicalMemory;
    const std::uint64_t newFree = used >= physical ? 0 : physical - used;
    const double newUsage = physical == 0 ? 0.0 : std::min(double(used) / double(physical), 1.0);

    m_active = stats.active;
    emit activeChanged();
    m_compressed = stats.compressed;
    emit compressedChanged();
    m_inactive = stats.inactive;
    emit inactiveChanged();
    m_wired = stats.wired;
    emit wiredChanged();
    m_usage = newUsage;
    emit usageChanged();
    m_free = newFree;
    emit freeChanged();
    m_total = used;
    emit totalChanged();

    m_history.append(m_total);
    emit historyChanged();
    m_usageHistory.append(m_usage);
    emit usageHistoryChanged();
    emit sampled();
}

} // namespace SystemKit
