#include "Kestrion/Settings/TemperatureUnit.h"

#include "LanguageKit/LKResources.h"

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

QString description(TemperatureUnit value)
{
    const char* key = descriptionKey(value);
    const auto localized = LanguageKit::LKLocalizedString::fromRawValue(QString::fromLatin1(key));
    return localized ? LanguageKit::LKResources::localized(*localized) : QString::fromLatin1(key);
}

} // namespace Kestrion::TemperatureUnits
