#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace ThermionKit {

// A machine family a sensor exists on. The raw value is the case name, as stored under "Platforms".
enum class SensorPlatform { intel, m1, m2, m3 };

namespace SensorPlatforms {
inline constexpr std::array<SensorPlatform, 4> allCases{SensorPlatform::intel, SensorPlatform::m1, SensorPlatform::m2,
                                                        SensorPlatform::m3};
QString rawValue(SensorPlatform platform);
// None for any text that is no case name (compared exactly).
std::optional<SensorPlatform> fromRawValue(const QString& rawValue);
// The platforms of most catalogue entries: m1, m2, m3, intel.
const std::vector<SensorPlatform>& defaultPlatforms();
} // namespace SensorPlatforms

} // namespace ThermionKit
