#include "InternalBatteryKit/InternalBattery.h"

namespace InternalBatteryKit {

QString InternalBattery::capacityText(std::optional<std::int64_t> capacity, bool percent)
{
    if (!capacity)
        return QStringLiteral("-");
    return QString::number(*capacity) + (percent ? QStringLiteral(" %") : QStringLiteral(" mAh"));
}

QString InternalBattery::timeText(std::optional<std::int64_t> minutes)
{
    if (!minutes || *minutes < 1)
        return QStringLiteral("-");
    return QStringLiteral("%1:%2")
        .arg(*minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(*minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace InternalBatteryKit
