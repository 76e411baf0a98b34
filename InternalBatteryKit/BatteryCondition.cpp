#include "InternalBatteryKit/BatteryCondition.h"

#include "LanguageKit/LKLocalizedString.h"
#include "LanguageKit/LKResources.h"

namespace InternalBatteryKit {

std::optional<BatteryCondition> batteryConditionFromRawValue(int rawValue)
{
    if (rawValue < 0 || rawValue > 2)
        return std::nullopt;
    return BatteryCondition(rawValue);
}

std::optional<BatteryCondition> batteryConditionFromHealth(const QString& health)
{
    if (health == QLatin1String("Good"))
        return BatteryCondition::good;
    if (health == QLatin1String("Fair"))
        return BatteryCondition::fair;
    if (health == QLatin1String("Poor"))
        return BatteryCondition::poor;
    return std::nullopt;
}

QString localizedName(BatteryCondition condition)
{
    using LanguageKit::LKLocalizedString;
    switch (condition) {
    case BatteryCondition::good:
        return LanguageKit::LKResources::localized(LKLocalizedString::good);
    case BatteryCondition::fair:
        return LanguageKit::LKResources::localized(LKLocalizedString::fair);
    case BatteryCondition::poor:
        return LanguageKit::LKResources::localized(LKLocalizedString::poor);
    }
    return {};
}

} // namespace InternalBatteryKit
