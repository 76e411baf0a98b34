#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace InternalBatteryKit {

// The connected power adapter as the battery reports it (one adapter dictionary). Texts, the rating
// and the flag are taken only when they have exactly that kind; "AdapterVoltage" is in millivolts.
class AdapterDetails {
public:
    explicit AdapterDetails(const Platform::PlistValue::DictionaryType& dictionary);

    std::optional<QString> serial;        // "SerialString"
    std::optional<std::int64_t> watts;    // "Watts"
    std::optional<QString> description;   // "Description"
    std::optional<QString> name;          // "Name"
    std::optional<float> voltage;         // "AdapterVoltage" / 1000, volts
    std::optional<bool> isWireless;       // "IsWireless"
    std::optional<QString> hwVersion;     // "HwVersion"
    std::optional<QString> manufacturer;  // "Manufacturer"
};

} // namespace InternalBatteryKit
