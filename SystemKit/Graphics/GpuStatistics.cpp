#include "SystemKit/Graphics/GpuStatistics.h"

#include <algorithm>
#include <utility>

namespace SystemKit {

GpuStatistics::GpuStatistics(RawData rawData) : m_rawData(std::move(rawData))
{
    m_items.reserve(m_rawData.size());
    for (auto it = m_rawData.cbegin(); it != m_rawData.cend(); ++it) {
        const auto key = OpenGlKey::fromRawValue(it.key());
        if (!key)
            continue;
        m_byKey[key->index()] = it.value();
        m_items.append(GpuStatisticsItem(*key, key->localizedName(), it.value().doubleValue()));
    }
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const GpuStatisticsItem& a, const GpuStatisticsItem& b) { return a.name() < b.name(); });
}

GpuStatistics::RawData GpuStatistics::placeholderData()
{
    return RawData{{QStringLiteral("Temperature(C)"), GpuNumber(0)},
                   {QStringLiteral("Device Utilization %"), GpuNumber(0.0)}};
}

std::shared_ptr<const GpuStatistics> GpuStatistics::placeholder()
{
    return std::make_shared<const GpuStatistics>(placeholderData());
}

std::optional<GpuNumber> GpuStatistics::value(const QString& rawName) const
{
    const auto found = m_rawData.constFind(rawName);
    if (found == m_rawData.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace SystemKit
