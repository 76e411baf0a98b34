#include "InternalBatteryKit/IOKitHelper.h"

namespace InternalBatteryKit {

using Platform::PlistValue;

PlistValue IOKitHelper::value(const Registry& registry, Entry service, const QString& key)
{
    if (service == 0)
        return {};
    return registry.property(service, key);
}

std::optional<QString> IOKitHelper::string(const Registry& registry, Entry service, const QString& key)
{
    return value(registry, service, key).toString();
}

std::optional<std::int64_t> IOKitHelper::int64(const Registry& registry, Entry service, const QString& key)
{
    const PlistValue found = value(registry, service, key);
    return found.isNumber() ? found.toInt64() : std::nullopt;
}

std::optional<double> IOKitHelper::real(const Registry& registry, Entry service, const QString& key)
{
    const PlistValue found = value(registry, service, key);
    return found.isNumber() ? found.toDouble() : std::nullopt;
}

std::optional<double> IOKitHelper::temperature(const Registry& registry, Entry service)
{
    const auto hundredths = real(registry, service, QStringLiteral("Temperature"));
    if (!hundredths)
        return std::nullopt;
    return *hundredths / 100.0;
}

IOKitHelper::PackedDate IOKitHelper::unpackDate(std::int64_t packed)
{
    return PackedDate{int(packed & 31), int((packed >> 5) & 15), int(((packed >> 9) & 127) + 1980)};
}

std::optional<QDateTime> IOKitHelper::manufactureDate(const Registry& registry, Entry service)
{
    const auto packed = int64(registry, service, QStringLiteral("ManufactureDate"));
    if (!packed)
        return std::nullopt;
    const PackedDate parts = unpackDate(*packed);
    const QDate date(parts.year, parts.month, parts.day);
    if (!date.isValid())
        return std::nullopt;
    return date.startOfDay();
}

std::optional<PlistValue::DictionaryType> IOKitHelper::dictionary(const Registry& registry, Entry service,
                                                                  const QString& key)
{
    const PlistValue found = value(registry, service, key);
    if (const auto* d = found.toDictionary())
        return *d;
    return std::nullopt;
}

std::optional<PlistValue::ArrayType> IOKitHelper::array(const Registry& registry, Entry service, const QString& key)
{
    const PlistValue found = value(registry, service, key);
    if (const auto* a = found.toArray())
        return *a;
    return std::nullopt;
}

} // namespace InternalBatteryKit
