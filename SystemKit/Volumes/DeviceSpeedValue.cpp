#include "SystemKit/Volumes/DeviceSpeedValue.h"

#include "BaseKit/Text.h"

namespace SystemKit {

std::optional<DeviceSpeedValue> deviceSpeedValue(std::uint64_t rawValue)
{
    if (rawValue > 5)
        return std::nullopt;
    return DeviceSpeedValue(rawValue);
}

QString speedText(DeviceSpeedValue speed)
{
    switch (speed) {
    case DeviceSpeedValue::unknown:
        return BaseKit::Text::dash;
    case DeviceSpeedValue::lowSpeed:
        return QStringLiteral("1.5 Mbps");
    case DeviceSpeedValue::fullSpeed:
        return QStringLiteral("12 Mbps");
    case DeviceSpeedValue::highSpeed:
        return QStringLiteral("480 Mbps");
    case DeviceSpeedValue::superSpeed:
        return QStringLiteral("5 Gbps");
    case DeviceSpeedValue::superSpeedPlus:
        return QStringLiteral("10 Gbps+");
    }
    return BaseKit::Text::dash;
}

QString generationName(DeviceSpeedValue speed)
{
    switch (speed) {
    case DeviceSpeedValue::unknown:
        return BaseKit::Text::dash;
    case DeviceSpeedValue::lowSpeed:
        return QStringLiteral("USB 1.1 Low Speed");
    case DeviceSpeedValue::fullSpeed:
        return QStringLiteral("USB 1.1 Full Speed");
    case DeviceSpeedValue::highSpeed:
        return QStringLiteral("USB 2.0 High Speed");
    case DeviceSpeedValue::superSpeed:
        return QStringLiteral("USB 3.0 SuperSpeed");
    case DeviceSpeedValue::superSpeedPlus:
        return QStringLiteral("USB 3.1 or USB 3.2");
    }
    return BaseKit::Text::dash;
}

} // namespace SystemKit
