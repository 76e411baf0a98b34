#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <optional>

namespace InternalBatteryKit {

// The charger's voltages (volts, from millivolts) and current (as the battery gives it), from the
// battery's "ChargerData" dictionary. A new record has none of them.
class ChargerData {
public:
    // Fills the fields the dictionary holds numbers for; the others keep their values.
    void update(const Platform::PlistValue::DictionaryType& dictionary);

    std::optional<double> chargingVoltage;  // "ChargingVoltage" / 1000
    std::optional<double> vacVoltageLimit;  // "VacVoltageLimit" / 1000
    std::optional<double> chargingCurrent;  // "ChargingCurrent"
};

} // namespace InternalBatteryKit
