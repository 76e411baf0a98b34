#include "InternalBatteryKit/StoredInternalBattery.h"

namespace InternalBatteryKit {

using Platform::PlistValue;

namespace {
// An integer, or a flag read as 0 or 1.
std::optional<std::int64_t> integer(const PlistValue& value)
{
    if (value.type() == PlistValue::Type::Boolean)
        return *value.toBool() ? 1 : 0;
    return value.isNumber() ? value.toInt64() : std::nullopt;
}
} // namespace

std::optional<std::int64_t> StoredInternalBattery::timeLeftMinutes() const
{
    if (!m_values.isCharging)
        return std::nullopt;
    return *m_values.isCharging ? m_values.timeToFull : m_values.timeToEmpty;
}

std::optional<StoredInternalBattery::PowerSourceFields>
StoredInternalBattery::readPowerSource(const PlistValue& description)
{
    if (!description.toDictionary())
        return std::nullopt;
    const PlistValue& d = description;
    m_values.name = d["Name"].toString();
    m_values.timeToEmpty = integer(d["Time to Empty"]);
    m_values.timeToFull = integer(d["Time to Full Charge"]);
    PowerSourceFields fields{integer(d["Current Capacity"]), integer(d["Max Capacity"])};
    m_values.acPowered = d["Power Source State"].toString() == QStringLiteral("AC Power");
    m_values.isCharging = integer(d["Is Charging"]) == 1;
    m_values.isCharged = integer(d["Is Charged"]) == 1;
    if (const auto watts = integer(d["Watts"]))
        m_values.connectedPowerSupply = watts;
    else if (const auto adapterWatts = d["AdapterDetails"].toDictionary() ? integer(d["AdapterDetails"]["Watts"])
                                                                          : std::nullopt)
        m_values.connectedPowerSupply = adapterWatts;
    if (const auto health = d["BatteryHealth"].toString()) {
        if (const auto condition = batteryConditionFromHealth(*health))
            m_values.condition = condition;
    }
    return fields;
}

void StoredInternalBattery::deriveWatts()
{
    if (!m_values.amperage || !m_values.voltage || !m_values.isCharging)
        return;
    const double watts = *m_values.voltage * double(*m_values.amperage) / 1000.0;
    m_values.watts = *m_values.isCharging ? watts : -watts;
}

} // namespace InternalBatteryKit
