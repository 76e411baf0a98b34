#pragma once

#include "Platform/PropertyList/PlistValue.h"
#include "Platform/Registry/Registry.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace InternalBatteryKit {

// Typed reads of one property of the battery's registry entry. Each gives nothing both for an absent
// property and for one of another kind; numbers convert only when exactly representable in the
// result type. An entry id of 0 stands for no entry and reads nothing. Each read also takes the entry's
// properties read once (Registry::properties), so that a reader that wants many of them reads the
// entry once.
class IOKitHelper {
public:
    IOKitHelper() = delete;

    using Registry = Platform::Registry;
    using Entry = Platform::RegistryEntryId;

    static std::optional<QString> string(const Registry& registry, Entry service, const QString& key);
    static std::optional<std::int64_t> int64(const Registry& registry, Entry service, const QString& key);
    static std::optional<double> real(const Registry& registry, Entry service, const QString& key);
    // "Temperature" in hundredths of a degree, as degrees Celsius (3012 gives 30.12).
    static std::optional<double> temperature(const Registry& registry, Entry service);
    // "ManufactureDate", packed as day (bits 0-4), month (5-8) and years since 1980 (9-15), as the
    // start of that day in the local time zone. Bits above 15 are ignored; a day or month that names
    // no date (day 0, month 13) gives nothing.
    static std::optional<QDateTime> manufactureDate(const Registry& registry, Entry service);
    // The packed date's day, month and year as the calendar would be asked for them.
    struct PackedDate {
        int day = 0;
        int month = 0;
        int year = 0;
    };
    static PackedDate unpackDate(std::int64_t packed);
    static std::optional<Platform::PlistValue::DictionaryType> dictionary(const Registry& registry, Entry service,
                                                                          const QString& key);
    static std::optional<Platform::PlistValue::ArrayType> array(const Registry& registry, Entry service,
                                                                const QString& key);

    // The same reads from the entry's properties.
    using Properties = Platform::PlistValue;
    static Properties properties(const Registry& registry, Entry service);
    static std::optional<QString> string(const Properties& properties, const QString& key);
    static std::optional<std::int64_t> int64(const Properties& properties, const QString& key);
    static std::optional<double> real(const Properties& properties, const QString& key);
    static std::optional<double> temperature(const Properties& properties);
    static std::optional<QDateTime> manufactureDate(const Properties& properties);
    static std::optional<Platform::PlistValue::DictionaryType> dictionary(const Properties& properties,
                                                                          const QString& key);
    static std::optional<Platform::PlistValue::ArrayType> array(const Properties& properties, const QString& key);

private:
    static Platform::PlistValue value(const Registry& registry, Entry service, const QString& key);
    static std::optional<QString> asString(const Platform::PlistValue& value);
    static std::optional<std::int64_t> asInt64(const Platform::PlistValue& value);
    static std::optional<double> asReal(const Platform::PlistValue& value);
    static std::optional<double> asTemperature(const Platform::PlistValue& value);
    static std::optional<QDateTime> asManufactureDate(const Platform::PlistValue& value);
    static std::optional<Platform::PlistValue::DictionaryType> asDictionary(const Platform::PlistValue& value);
    static std::optional<Platform::PlistValue::ArrayType> asArray(const Platform::PlistValue& value);
};

} // namespace InternalBatteryKit
