#include "InternalBatteryKit/ChargerData.h"

namespace InternalBatteryKit {

using Platform::PlistValue;

namespace {
std::optional<double> number(const PlistValue::DictionaryType& dictionary, const char* key)
{
    const auto found = dictionary.find(QString::fromLatin1(key));
    if (found == dictionary.end())
        return std::nullopt;
    if (found->second.type() == PlistValue::Type::Boolean)
        return *found->second.toBool() ? 1.0 : 0.0;
    return found->second.toDouble();
}
} // namespace

void ChargerData::update(const PlistValue::DictionaryType& dictionary)
{
    if (const auto value = number(dictionary, "VacVoltageLimit"))
        vacVoltageLimit = *value / 1000.0;
    if (const auto value = number(dictionary, "ChargingVoltage"))
        chargingVoltage = *value / 1000.0;
    if (const auto value = number(dictionary, "ChargingCurrent"))
        chargingCurrent = *value;
}

} // namespace InternalBatteryKit
