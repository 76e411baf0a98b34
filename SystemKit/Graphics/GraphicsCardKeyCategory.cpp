#include "SystemKit/Graphics/GraphicsCardKeyCategory.h"

#include "SystemKit/SystemKitStrings.h"

namespace SystemKit {

namespace {
constexpr std::array<const char*, GraphicsCardKeyCategory::caseCount> kRawValues{
    "general", "utilization", "vram", "fan", "memory", "texture", "latency", "count", "hardwareChannel"};
} // namespace

std::optional<GraphicsCardKeyCategory> GraphicsCardKeyCategory::fromRawValue(const QString& rawValue)
{
    for (std::size_t i = 0; i < caseCount; ++i) {
        if (rawValue == QLatin1String(kRawValues[i]))
            return GraphicsCardKeyCategory(Case(i));
    }
    return std::nullopt;
}

const std::array<GraphicsCardKeyCategory, GraphicsCardKeyCategory::caseCount>& GraphicsCardKeyCategory::allCases()
{
    static const std::array<GraphicsCardKeyCategory, caseCount> cases{
        general, utilization, vram, fan, memory, texture, latency, count, hardwareChannel};
    return cases;
}

QString GraphicsCardKeyCategory::rawValue() const
{
    return QLatin1String(kRawValues[m_case]);
}

QString GraphicsCardKeyCategory::description() const
{
    return localizedString(rawValue());
}

} // namespace SystemKit
