#pragma once

#include "InternalBatteryKit/AdapterDetails.h"
#include "InternalBatteryKit/BatteryCondition.h"
#include "InternalBatteryKit/ChargerData.h"
#include "InternalBatteryKit/LifetimeData.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace InternalBatteryKit {

// One snapshot of the machine's internal battery, read once when the reader is made and never
// changed afterwards. Every value may be absent (the reader found no source for it) except the three
// capacity texts and the time-left text, which read "-" without their value, and the cell voltages,
// empty without a source.
//
// Units: minutes, mAh (or percent where a reader says so), mA (negative while discharging), volts,
// watts, degrees Celsius, percent.
class InternalBattery {
public:
    virtual ~InternalBattery() = default;

    virtual std::optional<QString> name() const = 0;
    virtual std::optional<QString> serial() const = 0;
    virtual std::optional<std::int64_t> timeToFull() const = 0;
    virtual std::optional<std::int64_t> timeToEmpty() const = 0;
    virtual std::optional<std::int64_t> averageTimeToEmpty() const = 0;
    virtual std::optional<QString> manufacturer() const = 0;
    virtual std::optional<QDateTime> manufactureDate() const = 0;
    virtual std::optional<std::int64_t> designCapacity() const = 0;
    virtual std::optional<std::int64_t> maxCapacity() const = 0;
    virtual std::optional<std::int64_t> currentCapacity() const = 0;
    virtual QString designCapacityText() const = 0;
    virtual QString maxCapacityText() const = 0;
    virtual QString currentCapacityText() const = 0;
    virtual std::optional<std::int64_t> cycleCount() const = 0;
    virtual std::optional<std::int64_t> designCycleCount() const = 0;
    virtual std::optional<bool> acPowered() const = 0;
    virtual std::optional<bool> isCharging() const = 0;
    virtual std::optional<bool> isCharged() const = 0;
    virtual std::optional<std::int64_t> amperage() const = 0;
    virtual std::optional<double> voltage() const = 0;
    virtual std::optional<double> watts() const = 0;
    virtual std::optional<double> health() const = 0;
    virtual std::optional<double> temperature() const = 0;
    virtual std::optional<std::int64_t> charge() const = 0;
    virtual std::optional<BatteryCondition> condition() const = 0;
    // "hh:mm" of the minutes to full while charging, to empty otherwise; "-" without them or below 1.
    virtual QString timeLeftText() const = 0;
    // Those minutes as the reader holds them (0 and negative numbers included).
    virtual std::optional<std::int64_t> timeLeftMinutes() const = 0;
    virtual std::optional<std::int64_t> connectedPowerSupply() const = 0;
    virtual QList<float> cellVoltages() const = 0;
    virtual std::shared_ptr<const ChargerData> chargerData() const = 0;
    virtual std::shared_ptr<const LifetimeData> lifetimeData() const = 0;
    virtual std::shared_ptr<const AdapterDetails> adapter() const = 0;

    // The display rules every reader shares.
    // "-" without a value, else the value and its unit ("%1 mAh" or "%1 %").
    static QString capacityText(std::optional<std::int64_t> capacity, bool percent);
    // "-" without minutes or below 1, else "%.2d:%.2d" of whole hours (not capped) and minutes.
    static QString timeText(std::optional<std::int64_t> minutes);
};

} // namespace InternalBatteryKit
