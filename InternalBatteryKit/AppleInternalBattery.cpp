#include "InternalBatteryKit/AppleInternalBattery.h"

#include "InternalBatteryKit/IOKitHelper.h"

namespace InternalBatteryKit {

using Platform::PlistValue;

AppleInternalBattery::AppleInternalBattery(Platform::RegistryEntryId service, const Platform::Registry& registry,
                                           const Platform::PowerSources& powerSources)
{
    update(service, registry, powerSources);
}

std::optional<double> AppleInternalBattery::health() const
{
    if (!m_values.maxCapacity)
        return std::nullopt;
    return double(*m_values.maxCapacity);
}

void AppleInternalBattery::update(Platform::RegistryEntryId service, const Platform::Registry& registry,
                                  const Platform::PowerSources& powerSources)
{
    if (service == 0)
        return;
    for (const PlistValue& description : powerSources.descriptions()) {
        if (const auto fields = readPowerSource(description)) {
            m_values.currentCapacity = fields->currentCapacity;
            m_values.maxCapacity = fields->maxCapacity;
        }
    }

    using H = IOKitHelper;
    m_values.serial = H::string(registry, service, QStringLiteral("Serial"));
    // The design capacity is the battery's rated one; the raw full-charge capacity (worn) is only
    // the fallback.
    m_values.designCapacity = H::int64(registry, service, QStringLiteral("DesignCapacity"));
    m_values.cycleCount = H::int64(registry, service, QStringLiteral("CycleCount"));
    m_values.designCycleCount = H::int64(registry, service, QStringLiteral("DesignCycleCount9C"));
    m_values.amperage = H::int64(registry, service, QStringLiteral("Amperage"));
    const auto millivolts = H::real(registry, service, QStringLiteral("Voltage"));
    m_values.voltage = millivolts ? std::optional<double>(*millivolts / 1000.0) : std::nullopt;
    m_values.temperature = H::temperature(registry, service);
    if (!m_values.designCapacity)
        m_values.designCapacity = H::int64(registry, service, QStringLiteral("AppleRawMaxCapacity"));
    m_values.averageTimeToEmpty = H::int64(registry, service, QStringLiteral("AvgTimeToEmpty"));
    if (const auto charger = H::dictionary(registry, service, QStringLiteral("ChargerData"))) {
        auto data = std::make_shared<ChargerData>();
        data->update(*charger);
        m_values.chargerData = std::move(data);
    }
    if (const auto adapters = H::array(registry, service, QStringLiteral("AppleRawAdapterDetails"))) {
        if (!adapters->empty()) {
            if (const auto* first = adapters->front().toDictionary())
                m_values.adapter = std::make_shared<AdapterDetails>(*first);
        }
    }
    if (const auto batteryData = H::dictionary(registry, service, QStringLiteral("BatteryData"))) {
        const auto lifetime = batteryData->find(QStringLiteral("LifetimeData"));
        if (lifetime != batteryData->end()) {
            if (const auto* d = lifetime->second.toDictionary())
                m_values.lifetimeData = std::make_shared<LifetimeData>(*d);
        }
        const auto cells = batteryData->find(QStringLiteral("CellVoltage"));
        if (cells != batteryData->end()) {
            if (const auto* list = cells->second.toArray()) {
                QList<float> volts;
                bool numbers = true;
                for (const PlistValue& cell : *list) {
                    const auto millivolts = cell.toDouble();
                    if (!millivolts) {
                        numbers = false;
                        break;
                    }
                    volts.append(float(*millivolts) / 1000.0f);
                }
                if (numbers)
                    m_values.cellVoltages = volts;
            }
        }
    }
    m_values.manufactureDate = H::manufactureDate(registry, service);
    if (const auto maker = H::string(registry, service, QStringLiteral("Manufacturer")))
        m_values.manufacturer = maker;
    deriveWatts();
}

} // namespace InternalBatteryKit
