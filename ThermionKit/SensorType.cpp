#include "ThermionKit/SensorType.h"

#include "ThermionKit/ThermionKitStrings.h"

namespace ThermionKit::SensorTypes {

std::optional<SensorType> fromRawValue(std::int64_t rawValue)
{
    if (rawValue < 0 || rawValue > 4)
        return std::nullopt;
    return SensorType(rawValue);
}

const char* descriptionKey(SensorType type)
{
    switch (type) {
    case SensorType::thermal:
        return "THERMAL";
    case SensorType::voltage:
        return "VOLTAGE";
    case SensorType::current:
        return "CURRENT";
    case SensorType::power:
        return "POWER";
    case SensorType::fan:
        return "FAN";
    }
    return "";
}

QString description(SensorType type)
{
    return localizedString(QString::fromLatin1(descriptionKey(type)));
}

QStringList searchKeywords(SensorType type)
{
    QStringList keys;
    switch (type) {
    case SensorType::thermal:
        keys = {QStringLiteral("THERMAL"), QStringLiteral("TEMPERATURE")};
        break;
    case SensorType::voltage:
        keys = {QStringLiteral("VOLTAGE")};
        break;
    case SensorType::current:
        keys = {QStringLiteral("CURRENT")};
        break;
    case SensorType::power:
        keys = {QStringLiteral("POWER")};
        break;
    case SensorType::fan:
        keys = {QStringLiteral("FAN"), QStringLiteral("AIR")};
        break;
    }
    QStringList words;
    for (const QString& key : keys)
        words.append(localizedString(key));
    return words;
}

} // namespace ThermionKit::SensorTypes
