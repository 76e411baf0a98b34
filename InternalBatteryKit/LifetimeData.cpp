#include "InternalBatteryKit/LifetimeData.h"

#include <limits>

namespace InternalBatteryKit {

using Platform::PlistValue;

namespace {
// The number under `key` cut toward zero to an integer of type T; a flag counts as 0 or 1. Nothing
// for an absent key, a value that is no number, or a number outside T's range.
template <typename T>
std::optional<T> integer(const PlistValue::DictionaryType& dictionary, const char* key)
{
    const auto found = dictionary.find(QString::fromLatin1(key));
    if (found == dictionary.end())
        return std::nullopt;
    const PlistValue& value = found->second;
    if (const auto flag = value.type() == PlistValue::Type::Boolean ? value.toBool() : std::nullopt)
        return T(*flag ? 1 : 0);
    if constexpr (std::is_unsigned_v<T>) {
        const auto number = value.toUInt64Truncating();
        if (!number || *number > std::numeric_limits<T>::max())
            return std::nullopt;
        return T(*number);
    } else {
        const auto number = value.toInt64Truncating();
        if (!number || *number < std::numeric_limits<T>::min() || *number > std::numeric_limits<T>::max())
            return std::nullopt;
        return T(*number);
    }
}

template <typename T>
void assign(std::optional<T>& field, const PlistValue::DictionaryType& dictionary, const char* key)
{
    if (const auto value = integer<T>(dictionary, key))
        field = value;
}
} // namespace

LifetimeData::LifetimeData(const PlistValue::DictionaryType& dictionary)
{
    update(dictionary);
}

void LifetimeData::update(const PlistValue::DictionaryType& dictionary)
{
    assign(updateTime, dictionary, "UpdateTime");
    assign(averageTemperature, dictionary, "AverageTemperature");
    assign(cycleCountLastQmax, dictionary, "CycleCountLastQmax");
    assign(maximumChargeCurrent, dictionary, "MaximumChargeCurrent");
    assign(maximumDischargeCurrent, dictionary, "MaximumDischargeCurrent");
    assign(maximumPackVoltage, dictionary, "MaximumPackVoltage");
    assign(maximumTemperature, dictionary, "MaximumTemperature");
    assign(minimumPackVoltage, dictionary, "MinimumPackVoltage");
    assign(minimumTemperature, dictionary, "MinimumTemperature");
}

} // namespace InternalBatteryKit
