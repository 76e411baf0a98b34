#pragma once

#include <QString>

#include <optional>

namespace InternalBatteryKit {

// The battery's condition grade, as the power source's "BatteryHealth" names it.
enum class BatteryCondition { good = 0, fair = 1, poor = 2 };

// 0, 1 and 2 give good, fair and poor; any other number nothing.
std::optional<BatteryCondition> batteryConditionFromRawValue(int rawValue);
// "Good", "Fair" and "Poor", compared exactly; any other text nothing.
std::optional<BatteryCondition> batteryConditionFromHealth(const QString& health);
// The grade in the user's language ("GOOD", "FAIR", "POOR" of the shared texts).
QString localizedName(BatteryCondition condition);

} // namespace InternalBatteryKit
