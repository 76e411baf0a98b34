#include "SystemKit/Graphics/IGpu.h"

#include "SystemKit/Graphics/NativeController.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace SystemKit {

IGpu::IGpu(QString path, DataStorageMode mode, int historySize, GraphicsEnvironment environment, QObject* parent)
    : QObject(parent)
    , m_environment(environment.completed())
    , m_path(std::move(path))
    , m_mode(mode)
    , m_historySize(historySize)
{
}

IGpu::~IGpu() = default;

void IGpu::setModel(const QString& model)
{
    m_model = model;
    emit modelChanged();
}

void IGpu::setPath(const QString& path)
{
    m_path = path;
    emit pathChanged();
}

void IGpu::setVramSizeBytes(std::uint64_t bytes)
{
    m_vramSizeBytes = bytes;
    emit vramSizeBytesChanged();
}

void IGpu::setStatistics(GpuStatisticsPointer statistics)
{
    m_statistics = std::move(statistics);
    emit statisticsChanged();
}

const QList<GpuStatisticsPointer>& IGpu::history() const
{
    static const QList<GpuStatisticsPointer> empty;
    return m_history ? m_history->values() : empty;
}

bool IGpu::hasTemperature() const
{
    return m_statistics && m_statistics->value(OpenGlKey::temperature).has_value();
}

std::optional<std::int64_t> IGpu::utilization() const
{
    if (!m_statistics)
        return std::nullopt;
    if (const auto busy = m_statistics->value(OpenGlKey::deviceUtilization))
        return busy->integerValue();
    if (const auto activity = m_statistics->value(OpenGlKey::gpuActivityPercentage))
        return activity->integerValue();
    return std::nullopt;
}

void IGpu::fillHistory()
{
    if (m_mode != DataStorageMode::all)
        return;
    // A size below 1 keeps one sample.
    m_history.emplace(m_historySize, GpuStatistics::placeholder());
    emit historyChanged();
}

void IGpu::readStatistics()
{
    if (m_mode == DataStorageMode::all) {
        m_previousStatistics = m_statistics;
        emit previousStatisticsChanged();
    }
    const Platform::Registry& source = registry();
    GpuStatisticsPointer sample;
    if (const auto entry = source.fromPath(m_path)) {
        sample = NativeController::readPerformanceStatistics(source, *entry);
        source.release(*entry);
    }
    setStatistics(std::move(sample));
    if (m_mode == DataStorageMode::all)
        addToHistory(m_statistics);
}

void IGpu::addToHistory(const GpuStatisticsPointer& sample)
{
    if (!sample || !m_history)
        return;
    m_history->append(sample);
    emit historyChanged();
}

void IGpu::updateMaxValues()
{
    if (!m_statistics)
        return;
    // Compared as whole numbers, a negative counter counting as 0, so that no odd reading can become
    // a maximum that never goes away.
    for (const OpenGlKey key : OpenGlKey::allCases()) {
        const auto value = m_statistics->value(key);
        if (!value)
            continue;
        const auto stored = m_maxValues.find(key);
        if (stored == m_maxValues.end())
            m_maxValues.insert(key, *value);
        else if (value->comparisonValue() > stored->comparisonValue())
            *stored = *value;
    }
    emit maxValuesChanged();
}

void IGpu::updateLastChanges()
{
    if (!m_statistics)
        return;
    const double now = m_environment.currentTime();
    if (!m_previousStatistics) {
        for (const OpenGlKey key : OpenGlKey::allCases())
            m_lastChanges.insert(key, now);
    } else {
        for (const OpenGlKey key : OpenGlKey::allCases()) {
            const auto current = m_statistics->value(key);
            const auto previous = m_previousStatistics->value(key);
            if (current && previous && current->comparisonValue() != previous->comparisonValue())
                m_lastChanges.insert(key, now);
        }
    }
    emit lastChangesChanged();
}

float IGpu::share(double used, std::uint64_t size)
{
    if (size == 0 || std::isnan(used))
        return 0;
    return float(std::clamp(used / double(size), 0.0, 1.0));
}

namespace {
constexpr std::uint64_t kMebibyte = 1048576;
} // namespace

std::uint64_t IGpu::vramBytes(const Platform::Registry& registry, Platform::RegistryEntryId entry)
{
    const auto megabytes = registry.property(entry, QStringLiteral("VRAM,totalMB")).toUInt64Truncating();
    if (!megabytes || *megabytes >= (std::uint64_t(1) << 44))
        return 0;
    return *megabytes * kMebibyte;
}

float IGpu::usedVramShare(const GpuStatisticsPointer& statistics, std::uint64_t size)
{
    if (!statistics || size == 0)
        return 0;
    const auto free = statistics->value(OpenGlKey::vramFreeBytes);
    if (!free)
        return 0;
    return share(double(size) - free->doubleValue(), size);
}

} // namespace SystemKit
