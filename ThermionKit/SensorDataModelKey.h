#pragma once

#include <QString>

#include <array>

namespace ThermionKit {

// The keys of the shared suite. The program reads "sensors" and "fans"; the other three are reserved
// names that only ThermionDataModel::clear touches.
enum class SensorDataModelKey { sensors, fans, traffic, singleBatteryDevices, doubleBatteryDevices };

namespace SensorDataModelKeys {
inline constexpr std::array<SensorDataModelKey, 5> allCases{
    SensorDataModelKey::sensors, SensorDataModelKey::fans, SensorDataModelKey::traffic,
    SensorDataModelKey::singleBatteryDevices, SensorDataModelKey::doubleBatteryDevices};
QString rawValue(SensorDataModelKey key);
} // namespace SensorDataModelKeys

} // namespace ThermionKit
