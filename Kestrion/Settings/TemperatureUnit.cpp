#include "Kestrion/Settings/TemperatureUnit.h"

namespace Kestrion::TemperatureUnits {

std::optional<TemperatureUnit> fromRawValue(int rawValue)
{
    for (TemperatureUnit value : allCases) {
        if (static_cast<int>(value) == rawValue)
            return value;
    }
    return std::nullopt;
}

const char* descriptionKey(TemperatureUnit value)
{
    switch (value) {
    case TemperatureUnit::metric:
        return "METRIC";
    case TemperatureUnit::imperial:
        return "IMPERIAL";
    }
    return "";
}

} // namespace Kestrion::TemperatureUnits
