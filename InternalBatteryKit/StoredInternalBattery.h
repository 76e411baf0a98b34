#pragma once

#include "InternalBatteryKit/BatteryValues.h"
#include "InternalBatteryKit/InternalBattery.h"

#include "Platform/PropertyList/PlistValue.h"

#include <vector>

namespace InternalBatteryKit {

// A battery snapshot held in BatteryValues: answers every stored value, the time left and the
// capacity texts (in the unit the reader states its full-charge and present capacities in). Readers
// fill the values once and add health and charge.
class StoredInternalBattery : public InternalBattery {
public:
    std::optional<QString> name() const override { return m_values.name; }
    std::optional<QString> serial() const override { return m_values.serial; }
    std::optional<std::int64_t> timeToFull() const override { return m_values.timeToFull; }
    std::optional<std::int64_t> timeToEmpty() const override { return m_values.timeToEmpty; }
    std::optional<std::int64_t> averageTimeToEmpty() const override { return m_values.averageTimeToEmpty; }
    std::optional<QString> manufacturer() const override { return m_values.manufacturer; }
    std::optional<QDateTime> manufactureDate() const override { return m_values.manufactureDate; }
    std::optional<std::int64_t> designCapacity() const override { return m_values.designCapacity; }
    std::optional<std::int64_t> maxCapacity() const override { return m_values.maxCapacity; }
    std::optional<std::int64_t> currentCapacity() const override { return m_values.currentCapacity; }
    QString designCapacityText() const override { return capacityText(m_values.designCapacity, false); }
    QString maxCapacityText() const override { return capacityText(m_values.maxCapacity, capacitiesInPercent()); }
    QString currentCapacityText() const override
    {
        return capacityText(m_values.currentCapacity, capacitiesInPercent());
    }
    std::optional<std::int64_t> cycleCount() const override { return m_values.cycleCount; }
    std::optional<std::int64_t> designCycleCount() const override { return m_values.designCycleCount; }
    std::optional<bool> acPowered() const override { return m_values.acPowered; }
    std::optional<bool> isCharging() const override { return m_values.isCharging; }
    std::optional<bool> isCharged() const override { return m_values.isCharged; }
    std::optional<std::int64_t> amperage() const override { return m_values.amperage; }
    std::optional<double> voltage() const override { return m_values.voltage; }
    std::optional<double> watts() const override { return m_values.watts; }
    std::optional<double> temperature() const override { return m_values.temperature; }
    std::optional<BatteryCondition> condition() const override { return m_values.condition; }
    QString timeLeftText() const override { return timeText(timeLeftMinutes()); }
    std::optional<std::int64_t> timeLeftMinutes() const override;
    std::optional<std::int64_t> connectedPowerSupply() const override { return m_values.connectedPowerSupply; }
    QList<float> cellVoltages() const override { return m_values.cellVoltages; }
    std::shared_ptr<const ChargerData> chargerData() const override { return m_values.chargerData; }
    std::shared_ptr<const LifetimeData> lifetimeData() const override { return m_values.lifetimeData; }
    std::shared_ptr<const AdapterDetails> adapter() const override { return m_values.adapter; }

    // Whether the full-charge and present capacities are percentages (else mAh).
    virtual bool capacitiesInPercent() const = 0;

protected:
    // One power-source description's values, over what an earlier description gave: name, times,
    // the three flags and `extra` are replaced; the adapter rating and the condition only when this
    // description has them. Something other than a dictionary is skipped.
    struct PowerSourceFields {
        std::optional<std::int64_t> currentCapacity;
        std::optional<std::int64_t> maxCapacity;
    };
    std::optional<PowerSourceFields> readPowerSource(const Platform::PlistValue& description);
    // Power in watts from voltage and current, positive while the current's sign agrees with the
    // charging flag; left alone without all three.
    void deriveWatts();

    BatteryValues m_values;
};

} // namespace InternalBatteryKit
