#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <cstdint>
#include <optional>

namespace InternalBatteryKit {

// The battery's lifetime extremes and averages, from the "LifetimeData" dictionary of the battery's
// "BatteryData", in the registry's own units. A field stays empty when the dictionary does not hold a
// number for it; a number outside the field's range leaves the field as it was.
class LifetimeData {
public:
    explicit LifetimeData(const Platform::PlistValue::DictionaryType& dictionary);

    // Fills the fields the dictionary holds numbers for (fractions are cut toward zero); the others
    // keep their values.
    void update(const Platform::PlistValue::DictionaryType& dictionary);

    std::optional<std::uint64_t> updateTime;
    std::optional<std::int64_t> averageTemperature;
    std::optional<std::int64_t> cycleCountLastQmax;
    std::optional<std::uint32_t> maximumChargeCurrent;
    std::optional<std::int32_t> maximumDischargeCurrent;
    std::optional<std::uint32_t> maximumPackVoltage;
    std::optional<std::int8_t> maximumTemperature;
    std::optional<std::uint32_t> minimumPackVoltage;
    std::optional<std::int8_t> minimumTemperature;
};

} // namespace InternalBatteryKit
