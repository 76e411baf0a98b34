#pragma once

#include <QString>

#include <array>
#include <optional>

namespace ThermionKit {

// Where a sensor sits. The raw value is the case name, as the shared suite stores it under "Group".
enum class SensorGroup { sensor, processor, gpu, system };

namespace SensorGroups {
inline constexpr std::array<SensorGroup, 4> allCases{SensorGroup::sensor, SensorGroup::processor, SensorGroup::gpu,
                                                     SensorGroup::system};
QString rawValue(SensorGroup group);
// None for any text that is no case name (compared exactly).
std::optional<SensorGroup> fromRawValue(const QString& rawValue);
} // namespace SensorGroups

} // namespace ThermionKit
