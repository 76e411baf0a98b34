#include "InternalBatteryKit/IOKitHelper.h"

namespace InternalBatteryKit {

using Platform::PlistValue;

PlistValue IOKitHelper::value(const Registry& registry, Entry service, const QString& key)
{
    if (service == 0)
        return {};
    return registry.property(service, key);
}

IOKitHelper::Properties IOKitHelper::properties(const Registry& registry, Entry service)
{
    if (service == 0)
        return {};
    return registry.properties(service);
}

std::optional<QString> IOKitHelper::asString(const PlistValue& value)
{
    return value.toString();
}

std::optional<std::int64_t> IOKitHelper::asInt64(const PlistValue& value)
{
    return value.isNumber() ? value.toInt64() : std::nullopt;
}

std::optional<double> IOKitHelper::asReal(const PlistValue& value)
{
    return value.isNumber() ? value.toDouble() : std::nullopt;
}

std::optional<double> IOKitHelper::asTemperature(const PlistValue& value)
{
    const auto hundredths = asReal(value);
    if (!hundredths)
        return std::nullopt;
    return *hundredths / 100.0;
}

IOKitHelper::PackedDate IOKitHelper::unpackDate(std::int64_t packed)
{
    return PackedDate{int(packed & 31), int((packed >> 5) & 15), int(((packed >> 9) & 127) + 1980)};
}

std::optional<QDateTime> IOKitHelper::asManufactureDate(const PlistValue& value)
{
    const auto packed = asInt64(value);
    if (!packed)
        return std::nullopt;
    const PackedDate parts = unpackDate(*packed);
    const QDate date(parts.year, parts.month, parts.day);
    if (!date.isValid())
        return std::nullopt;
    return date.startOfDay();
}

std::optional<PlistValue::DictionaryType> IOKitHelper::asDictionary(const PlistValue& value)
{
    if (const auto* d = value.toDictionary())
        return *d;
    return std::nullopt;
}

std::optional<PlistValue::ArrayType> IOKitHelper::asArray(const PlistValue& value)
{
    if (const auto* a = value.toArray())
        return *a;
    return std::nullopt;
}

std::optional<QString> IOKitHelper::string(const Registry& registry, Entry service, const QString& key)
{
    return asString(value(registry, service, key));
}

std::optional<std::int64_t> IOKitHelper::int64(const Registry& registry, Entry service, const QString& key)
{
    return asInt64(value(registry, service, key));
}

std::optional<double> IOKitHelper::real(const Registry& registry, Entry service, const QString& key)
{
    return asReal(value(registry, service, key));
}

std::optional<double> IOKitHelper::temperature(const Registry& registry, Entry service)
{
    return asTemperature(value(registry, service, QStringLiteral("Temperature")));
}

std::optional<QDateTime> IOKitHelper::manufactureDate(const Registry& registry, Entry service)
{
    return asManufactureDate(value(registry, service, QStringLiteral("ManufactureDate")));
}

std::optional<PlistValue::DictionaryType> IOKitHelper::dictionary(const Registry& registry, Entry service,
                                                                  const QString& key)
{
    return asDictionary(value(registry, service, key));
}

std::optional<PlistValue::ArrayType> IOKitHelper::array(const Registry& registry, Entry service, const QString& key)
{
    return asArray(value(registry, service, key));
}

std::optional<QString> IOKitHelper::string(const Properties& properties, const QString& key)
{
    return asString(properties[key]);
}

std::optional<std::int64_t> IOKitHelper::int64(const Properties& properties, const QString& key)
{
    return asInt64(properties[key]);
}

std::optional<double> IOKitHelper::real(const Properties& properties, const QString& key)
{
    return asReal(properties[key]);
}

std::optional<double> IOKitHelper::temperature(const Properties& properties)
{
    return asTemperature(properties[QStringLiteral("Temperature")]);
}

std::optional<QDateTime> IOKitHelper::manufactureDate(const Properties& properties)
{
    return asManufactureDate(properties[QStringLiteral("ManufactureDate")]);
}

std::optional<PlistValue::DictionaryType> IOKitHelper::dictionary(const Properties& properties, const QString& key)
{
    return asDictionary(properties[key]);
}

std::optional<PlistValue::ArrayType> IOKitHelper::array(const Properties& properties, const QString& key)
{
    return asArray(properties[key]);
}

} // namespace InternalBatteryKit
