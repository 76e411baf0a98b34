#include "Kestrion/Models/SensorModel.h"

#include "BaseKit/FormatNumber.h"
#include "BaseKit/Uuid.h"
#include "Platform/PropertyList/Defaults.h"

#include <cmath>

namespace Kestrion {

using ThermionKit::SensorType;

SensorModel::SensorModel(SensorType sensorType, QString identifier, QString name, double value)
    : id(BaseKit::Uuid::random())
    , sensorType(sensorType)
    , identifier(std::move(identifier))
    , name(std::move(name))
    , value(value)
{
}

QString SensorModel::formattedValue(int temperatureUnit) const
{
    // A reading that is no number has no text in any unit.
    if (!std::isfinite(value))
        return QStringLiteral("-");
    switch (sensorType) {
    case SensorType::thermal:
        if (temperatureUnit == 1)
            return BaseKit::formatNumber(value * 1.8 + 32, 1) + QStringLiteral(" °F");
        return BaseKit::formatNumber(value, 1) + QStringLiteral(" °C");
    case SensorType::voltage:
        return BaseKit::formatNumber(value, 5) + QStringLiteral(" V");
    case SensorType::current:
        return BaseKit::formatNumber(value, 4) + QStringLiteral(" A");
    case SensorType::power:
        return BaseKit::formatNumber(value, 2) + QStringLiteral(" W");
    case SensorType::fan: {
        // Only a value inside the range of a 64-bit integer converts without undefined behaviour.
        const double whole = std::trunc(value);
        if (!std::isfinite(whole) || whole < -9223372036854775808.0 || whole >= 9223372036854775808.0)
            return QStringLiteral("-");
        return QString::number(static_cast<qint64>(whole)) + QStringLiteral(" rpm");
    }
    }
    return QStringLiteral("-");
}

QString SensorModel::formattedValue() const
{
    return formattedValue(int(Platform::Defaults::standard().integer(QStringLiteral("TemperatureUnit"))));
}

ViewKit::VKNamedColor SensorModel::valueColor() const
{
    using ViewKit::VKNamedColor;
    if (sensorType != SensorType::thermal)
        return VKNamedColor::secondary;
    if (value < 30)
        return VKNamedColor::blue;
    if (value < 40)
        return VKNamedColor::green;
    if (value < 45)
        return VKNamedColor::yellow;
    if (value < 50)
        return VKNamedColor::orange;
    return VKNamedColor::red;
}

} // namespace Kestrion
