#pragma once

#include <QString>

#include <array>
#include <optional>

namespace Kestrion {

// The unit of every temperature text: degrees Celsius or Fahrenheit. Stored as its raw value.
enum class TemperatureUnit : int { metric = 0, imperial = 1 };

namespace TemperatureUnits {
inline constexpr std::array<TemperatureUnit, 2> allCases{TemperatureUnit::metric, TemperatureUnit::imperial};
// The case of a raw value; none for any other integer.
std::optional<TemperatureUnit> fromRawValue(int rawValue);
constexpr int rawValue(TemperatureUnit value) { return static_cast<int>(value); }
// The text key of a case's description (a key of the localisation library).
const char* descriptionKey(TemperatureUnit value);
// The translated description (the key itself when it has no translation).
QString description(TemperatureUnit value);
} // namespace TemperatureUnits

} // namespace Kestrion
