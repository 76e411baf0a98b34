#include "ThermionKit/SensorDataModelKey.h"

namespace ThermionKit::SensorDataModelKeys {

QString rawValue(SensorDataModelKey key)
{
    switch (key) {
    case SensorDataModelKey::sensors:
        return QStringLiteral("sensors");
    case SensorDataModelKey::fans:
        return QStringLiteral("fans");
    case SensorDataModelKey::traffic:
        return QStringLiteral("traffic");
    case SensorDataModelKey::singleBatteryDevices:
        return QStringLiteral("singleBatteryDevices");
    case SensorDataModelKey::doubleBatteryDevices:
        return QStringLiteral("doubleBatteryDevices");
    }
    return {};
}

} // namespace ThermionKit::SensorDataModelKeys
