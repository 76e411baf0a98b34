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

// The values a battery reader stores, every one absent (the cell voltages empty) until read.
struct BatteryValues {
    std::optional<QString> name;
    std::optional<QString> serial;
    std::optional<std::int64_t> timeToFull;
    std::optional<std::int64_t> timeToEmpty;
    std::optional<std::int64_t> averageTimeToEmpty;
    std::optional<QString> manufacturer;
    std::optional<QDateTime> manufactureDate;
    std::optional<std::int64_t> currentCapacity;
    std::optional<std::int64_t> maxCapacity;
    std::optional<std::int64_t> designCapacity;
    std::optional<std::int64_t> connectedPowerSupply;
    std::shared_ptr<const ChargerData> chargerData;
    std::shared_ptr<const LifetimeData> lifetimeData;
    QList<float> cellVoltages;
    std::optional<std::int64_t> cycleCount;
    std::optional<std::int64_t> designCycleCount;
    std::optional<bool> acPowered;
    std::optional<bool> isCharging;
    std::optional<bool> isCharged;
    std::optional<std::int64_t> amperage;
    std::optional<double> voltage;
    std::optional<double> watts;
    std::optional<double> temperature;
    std::optional<BatteryCondition> condition;
    std::shared_ptr<const AdapterDetails> adapter;
};

} // namespace InternalBatteryKit
