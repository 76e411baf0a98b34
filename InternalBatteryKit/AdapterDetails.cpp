#include "InternalBatteryKit/AdapterDetails.h"

namespace InternalBatteryKit {

using Platform::PlistValue;

namespace {
const PlistValue& lookup(const PlistValue::DictionaryType& dictionary, const char* key)
{
    static const PlistValue none;
    const auto found = dictionary.find(QString::fromLatin1(key));
    return found == dictionary.end() ? none : found->second;
}

std::optional<QString> text(const PlistValue::DictionaryType& dictionary, const char* key)
{
    return lookup(dictionary, key).toString();
}
} // namespace

AdapterDetails::AdapterDetails(const PlistValue::DictionaryType& dictionary)
{
    serial = text(dictionary, "SerialString");
    const PlistValue& rating = lookup(dictionary, "Watts");
    watts = rating.isNumber() ? rating.toInt64() : std::nullopt;
    description = text(dictionary, "Description");
    name = text(dictionary, "Name");
    const PlistValue& millivolts = lookup(dictionary, "AdapterVoltage");
    if (const auto value = millivolts.isNumber() ? millivolts.toDouble() : std::nullopt) {
        // Only a value a 32-bit float holds exactly.
        if (double(float(*value)) == *value)
            voltage = float(*value) / 1000.0f;
    }
    const PlistValue& wireless = lookup(dictionary, "IsWireless");
    isWireless = wireless.type() == PlistValue::Type::Boolean ? wireless.toBool() : std::nullopt;
    hwVersion = text(dictionary, "HwVersion");
    manufacturer = text(dictionary, "Manufacturer");
}

} // namespace InternalBatteryKit
