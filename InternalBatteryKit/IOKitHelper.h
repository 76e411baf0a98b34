#pragma once

#include "Platform/PlistValue.h"
#include "Platform/Registry.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace InternalBatteryKit {

// Typed reads of one property of the battery's registry entry. Each gives nothing both for an absent
// property and for one of another kind; numbers convert only when exactly representable in the
// result type. An entry id of 0 stands for no entry and reads nothing.
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

private:
    static Platform::PlistValue value(const Registry& registry, Entry service, const QString& key);
};

} // namespace InternalBatteryKit
