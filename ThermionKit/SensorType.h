#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace ThermionKit {

// What a sensor measures. The raw value is what the shared suite stores under "Type".
enum class SensorType : std::uint8_t { thermal = 0, voltage = 1, current = 2, power = 3, fan = 4 };

namespace SensorTypes {
inline constexpr std::array<SensorType, 5> allCases{SensorType::thermal, SensorType::voltage, SensorType::current,
                                                    SensorType::power, SensorType::fan};

// None for a raw value above 4.
std::optional<SensorType> fromRawValue(std::int64_t rawValue);
constexpr std::uint8_t rawValue(SensorType type) { return static_cast<std::uint8_t>(type); }

// The key of the type's name in the module's string table ("THERMAL", "VOLTAGE", ...).
const char* descriptionKey(SensorType type);
// The localised name.
QString description(SensorType type);
// The localised words a search may match for sensors of this type.
QStringList searchKeywords(SensorType type);
} // namespace SensorTypes

} // namespace ThermionKit
