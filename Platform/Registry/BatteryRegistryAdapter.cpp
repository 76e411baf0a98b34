#include "Platform/Registry/BatteryRegistryAdapter.h"

#include "Platform/Sysfs/PowerSupply.h"

#include <QDir>

#include <cmath>

#include <functional>

namespace Platform {

namespace {
const QString kBusPath = QString::fromLatin1(BatteryRegistryAdapter::busPath);

PlistValue fromOptional(std::optional<std::int64_t> value)
{
    return value ? PlistValue(*value) : PlistValue();
}

PlistValue textOf(const PowerSupply& supply, const char* attribute)
{
    const auto text = supply.text(attribute);
    return text && !text->isEmpty() ? PlistValue(QString::fromUtf8(*text)) : PlistValue();
}

PlistValue manufactureDate(const PowerSupply& supply)
{
    const auto year = supply.number("manufacture_year");
    if (!year)
        return {};
    const auto month = supply.number("manufacture_month");
    const auto day = supply.number("manufacture_day");
    if (!month || !day || *year < 1980 || *year > 1980 + 127 || *month < 0 || *month > 15 || *day < 0
        || *day > 31)
        return {};
    return PlistValue(std::int64_t(((*year - 1980) << 9) + (*month << 5) + *day));
}

PlistValue read(const PowerSupply& supply, const QString& key)
{
    if (key == QLatin1String("DesignCapacity"))
        return fromOptional(supply.capacityMilliampHours("full_design"));
    if (key == QLatin1String("MaxCapacity") || key == QLatin1String("AppleRawMaxCapacity"))
        return fromOptional(supply.capacityMilliampHours("full"));
    if (key == QLatin1String("CurrentCapacity") || key == QLatin1String("AppleRawCurrentCapacity"))
        return fromOptional(supply.capacityMilliampHours("now"));
    if (key == QLatin1String("CycleCount"))
        return fromOptional(supply.number("cycle_count"));
    if (key == QLatin1String("Amperage"))
        return fromOptional(supply.currentMilliamps());
    if (key == QLatin1String("Voltage")) {
        const auto microvolts = supply.number("voltage_now");
        return microvolts ? fromOptional(PowerSupply::wholeNumber(double(*microvolts) / 1000.0)) : PlistValue();
    }
    if (key == QLatin1String("Temperature")) {
        // Tenths of a degree into hundredths; a reading too large to scale is no reading.
        const auto tenths = supply.number("temp");
        std::int64_t hundredths = 0;
        return tenths && !__builtin_mul_overflow(*tenths, std::int64_t(10), &hundredths) ? PlistValue(hundredths)
                                                                                          : PlistValue();
    }
    if (key == QLatin1String("ManufactureDate"))
        return manufactureDate(supply);
    if (key == QLatin1String("Manufacturer"))
        return textOf(supply, "manufacturer");
    if (key == QLatin1String("Serial"))
        return textOf(supply, "serial_number");
    if (key == QLatin1String("AvgTimeToEmpty")) {
        const auto seconds = supply.number("time_to_empty_avg");
        return seconds && *seconds >= 0 ? PlistValue(*seconds / 60) : PlistValue();
    }
    return {};
}
} // namespace

BatteryRegistryAdapter::BatteryRegistryAdapter(QString root)
    : m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root))
{
}

const std::vector<QString>& BatteryRegistryAdapter::keys()
{
    static const std::vector<QString> all{
        QStringLiteral("DesignCapacity"),  QStringLiteral("MaxCapacity"),     QStringLiteral("AppleRawMaxCapacity"),
        QStringLiteral("CurrentCapacity"), QStringLiteral("AppleRawCurrentCapacity"), QStringLiteral("CycleCount"),
        QStringLiteral("Amperage"),        QStringLiteral("Voltage"),         QStringLiteral("Temperature"),
        QStringLiteral("ManufactureDate"), QStringLiteral("Manufacturer"),    QStringLiteral("Serial"),
        QStringLiteral("AvgTimeToEmpty")};
    return all;
}

QByteArray BatteryRegistryAdapter::stamp() const
{
    // Which supplies exist decides the entry; their names are enough to notice a change.
    return PowerSupply::names(m_root).join(QLatin1Char('\n')).toUtf8();
}

std::vector<RegistryAdapter::Node> BatteryRegistryAdapter::entries() const
{
    const auto battery = PowerSupply::firstBattery(m_root);
    if (!battery)
        return {};
    return {Node{kBusPath, QString(), QStringLiteral("power_supply"), QStringLiteral("IOSMBusController")},
            Node{kBusPath + QLatin1Char('/') + *battery, kBusPath, *battery, QStringLiteral("AppleSmartBattery")}};
}

std::optional<QString> BatteryRegistryAdapter::batteryAt(const QString& path) const
{
    if (!path.startsWith(kBusPath + QLatin1Char('/')))
        return std::nullopt;
    const QString name = path.mid(kBusPath.size() + 1);
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return std::nullopt;
    return name;
}

PlistValue::DictionaryType BatteryRegistryAdapter::properties(const QString& path) const
{
    PlistValue::DictionaryType result;
    if (path == kBusPath) {
        result.emplace(QStringLiteral("IOProviderClass"), PlistValue(QStringLiteral("IOSMBusController")));
        return result;
    }
    const auto name = batteryAt(path);
    if (!name)
        return result;
    const auto reading = PowerSupply::open(m_root, *name);
    const PowerSupply& supply = *reading;
    for (const QString& key : keys()) {
        // The raw capacities are the same readings as the plain ones.
        PlistValue value;
        if (key == QLatin1String("AppleRawMaxCapacity") || key == QLatin1String("AppleRawCurrentCapacity")) {
            const auto plain = result.find(key.mid(8));
            if (plain != result.end())
                result.emplace(key, plain->second);
            continue;
        }
        value = read(supply, key);
        if (!value.isNone())
            result.emplace(key, std::move(value));
    }
    return result;
}

PlistValue BatteryRegistryAdapter::property(const QString& path, const QString& key) const
{
    if (path == kBusPath)
        return key == QLatin1String("IOProviderClass") ? PlistValue(QStringLiteral("IOSMBusController")) : PlistValue();
    const auto name = batteryAt(path);
    if (!name)
        return {};
    return read(*PowerSupply::open(m_root, *name), key);
}

} // namespace Platform
