#include "InternalBatteryKit/InternalBatteryFinder.h"

#include "InternalBatteryKit/AppleInternalBattery.h"
#include "InternalBatteryKit/BatteryStrings.h"
#include "InternalBatteryKit/LegacyInternalBattery.h"

#include "BaseKit/Dates/Date.h"
#include "BaseKit/Dates/Duration.h"
#include "Platform/Registry/Registry.h"
#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Sysfs/PowerSupply.h"

#include <cmath>
#include <limits>

namespace InternalBatteryKit {

using LanguageKit::LKLocalizedString;
using Color = BatteryInfoItem::Color;

namespace {
QString fixed(double value, int digits, const char* unit)
{
    return QString::number(value, 'f', digits) + QLatin1Char(' ') + QLatin1String(unit);
}

// The whole part of a percentage, when it is finite and fits 64 bits.
std::optional<std::int64_t> wholePercent(double value)
{
    if (!std::isfinite(value) || value >= 9.2e18 || value <= -9.2e18)
        return std::nullopt;
    return std::int64_t(std::trunc(value));
}
} // namespace

InternalBatteryFinder::InternalBatteryFinder(QObject* parent) : InternalBatteryFinder(Environment{}, parent) {}

InternalBatteryFinder::InternalBatteryFinder(Environment environment, QObject* parent)
    : QObject(parent)
    , m_registry(environment.registry ? std::move(environment.registry) : Platform::Registry::live())
    , m_powerSources(environment.powerSources ? std::move(environment.powerSources) : Platform::PowerSources::live())
    , m_dates(std::move(environment.dates))
{
    m_batteryPresent = hasPowerSources();
    emit batteryPresentChanged();
}

InternalBatteryFinder::~InternalBatteryFinder() = default;

const Platform::Registry& InternalBatteryFinder::registry() const
{
    return *m_registry;
}

bool InternalBatteryFinder::hasPowerSources() const
{
    return !m_powerSources->descriptions().empty();
}

void InternalBatteryFinder::start(double interval)
{
    if (m_timer.start(this, interval, &InternalBatteryFinder::refresh))
        emit timerChanged();
}

void InternalBatteryFinder::stop()
{
    m_timer.stop();
    emit timerChanged();
}

void InternalBatteryFinder::openService()
{
    if (m_service != 0)
        return;
    const auto found = registry().entriesOfClass(QStringLiteral("AppleSmartBattery"));
    m_service = found.empty() ? 0 : found.front();
}

void InternalBatteryFinder::closeService()
{
    registry().release(m_service);
    m_service = 0;
}

void InternalBatteryFinder::refresh()
{
    if (!m_batteryPresent)
        return;
    // Every file of the battery is read once in a poll, also where two sources use it.
    const Platform::PowerSupply::ReadingScope oneReading;
    openService();
    std::shared_ptr<const InternalBattery> reader;
    const auto parent = m_service != 0 ? registry().parent(m_service) : std::nullopt;
    if (parent && *parent != 0) {
        const auto providerClass = registry().property(*parent, QStringLiteral("IOProviderClass")).toString();
        if (providerClass == QStringLiteral("IOSMBusController"))
            reader = std::make_shared<LegacyInternalBattery>(m_service, registry(), *m_powerSources);
        else if (providerClass == QStringLiteral("AppleSMC"))
            reader = std::make_shared<AppleInternalBattery>(m_service, registry(), *m_powerSources);
    }
    closeService();
    // Without a reader the old one goes too: its values are no longer the battery's.
    m_battery = std::move(reader);
    emit batteryChanged();
    updateItems(m_battery);
}

QString InternalBatteryFinder::systemImageFor(std::int64_t charge)
{
    if (charge < 26)
        return QStringLiteral("battery.25");
    if (charge <= 50)
        return QStringLiteral("battery.50");
    if (charge <= 75)
        return QStringLiteral("battery.75");
    return QStringLiteral("battery.100");
}

void InternalBatteryFinder::updateItems(const std::shared_ptr<const InternalBattery>& battery)
{
    m_items.clear();
    emit itemsChanged();
    m_charge = battery ? battery->charge() : std::nullopt;
    emit chargeChanged();
    m_isCharging = battery ? battery->isCharging() : std::nullopt;
    emit isChargingChanged();
    m_name = battery ? battery->name() : std::nullopt;
    emit nameChanged();
    // Without a reader the battery's condition is unknown as well.
    m_condition = battery ? battery->condition() : std::nullopt;
    emit conditionChanged();
    if (!battery)
        return;
    updateAdapterItems(battery->adapter());
    const auto charge = battery->charge();
    if (charge) {
        m_systemImage = systemImageFor(*charge);
        emit systemImageChanged();
    }

    QList<BatteryInfoItem> rows;
    const auto isCharging = battery->isCharging();
    if (isCharging && charge) {
        const QString time = *isCharging && *charge > 99 ? BatteryStrings::battery("FULLY_CHARGED")
                                                         : battery->timeLeftText();
        m_timeLeft = time;
        emit timeLeftChanged();
        rows.append({BatteryStrings::battery(*isCharging ? "TIME_TO_FULL" : "TIME_UNTIL_EMPTY"),
                     QStringLiteral("clock.circle.fill"), QStringLiteral("clock"), time, Color::yellow});
    }
    if (const auto cycles = battery->cycleCount())
        rows.append({BatteryStrings::battery("CYCLE_COUNT"), QStringLiteral("arrow.clockwise.circle.fill"),
                     QStringLiteral("arrow.clockwise"), QString::number(*cycles), Color::pink});
    if (const auto cycles = battery->designCycleCount())
        rows.append({BatteryStrings::battery("DESIGN_CYCLE_COUNT"), QStringLiteral("arrow.clockwise.circle.fill"),
                     QStringLiteral("arrow.clockwise"), QString::number(*cycles), Color::pink});
    if (const auto health = battery->health()) {
        // A health that is no finite number has no text: the row is left out.
        if (const auto whole = wholePercent(*health))
            rows.append({BatteryStrings::battery("HEALTH"), QStringLiteral("heart.circle.fill"),
                         QStringLiteral("heart"), QString::number(*whole) + QStringLiteral(" %"), Color::pink});
    }
    if (const auto watts = battery->connectedPowerSupply())
        rows.append({BatteryStrings::battery("POWER_SUPPLY_WATTAGE"), QStringLiteral("powerplug.fill"),
                     QStringLiteral("powerplug"), QString::number(*watts) + QStringLiteral(" W"), Color::gray});
    if (const auto condition = battery->condition())
        rows.append({BatteryStrings::shared(LKLocalizedString::condition), QStringLiteral("heart.circle.fill"),
                     QStringLiteral("heart"), localizedName(*condition), Color::red});
    const QString capacityUnit = dynamic_cast<const AppleInternalBattery*>(battery.get()) ? QStringLiteral(" %")
                                                                                         : QStringLiteral(" mAh");
    if (const auto capacity = battery->currentCapacity())
        rows.append({BatteryStrings::battery("CURRENT_CAPACITY"), QStringLiteral("battery.100.circle.fill"),
                     QStringLiteral("battery.100"), QString::number(*capacity) + capacityUnit, Color::blue});
    if (const auto capacity = battery->maxCapacity())
        rows.append({BatteryStrings::battery("MAX_CAPACITY"), QStringLiteral("battery.100.circle.fill"),
                     QStringLiteral("battery.100"), QString::number(*capacity) + capacityUnit, Color::indigo});
    if (const auto capacity = battery->designCapacity())
        rows.append({BatteryStrings::battery("DESIGN_CAPACITY"), QStringLiteral("battery.100.circle.fill"),
                     QStringLiteral("battery.100"), QString::number(*capacity) + QStringLiteral(" mAh"), Color::brown});
    if (const auto amperage = battery->amperage()) {
        // A current is in mA; the smallest 64-bit number has no magnitude and gets no row.
        if (*amperage != std::numeric_limits<std::int64_t>::min())
            rows.append({BatteryStrings::shared(*amperage >= 0 ? LKLocalizedString::chargeRate
                                                               : LKLocalizedString::dischargeRate),
                         QStringLiteral("bolt.circle.fill"), QStringLiteral("bolt.fill"),
                         QString::number(*amperage < 0 ? -*amperage : *amperage) + QStringLiteral(" mA"),
                         Color::yellow});
    }
    if (const auto minutes = battery->averageTimeToEmpty()) {
        if (*minutes <= std::numeric_limits<std::int64_t>::max() / 60
            && *minutes >= std::numeric_limits<std::int64_t>::min() / 60)
            rows.append({BatteryStrings::battery("AVG_TIME_TO_EMPTY"), QStringLiteral("clock.circle.fill"),
                         QStringLiteral("clock"), BaseKit::Duration::hoursMinutesText(std::optional<std::int64_t>(*minutes * 60)),
                         Color::cyan});
    }
    const QList<float> cells = battery->cellVoltages();
    for (qsizetype i = 0; i < cells.size(); ++i)
        rows.append({BatteryStrings::battery("CELL").arg(i), QStringLiteral("bolt.circle.fill"),
                     QStringLiteral("bolt.fill"), fixed(double(cells[i]), 4, "V"), Color::orange});
    if (const auto charger = battery->chargerData()) {
        if (charger->chargingCurrent)
            rows.append({BatteryStrings::battery("CHARGING_CURRENT"), QStringLiteral("bolt.circle.fill"),
                         QStringLiteral("bolt.fill"), fixed(*charger->chargingCurrent / 1000.0, 4, "A"), Color::orange});
        if (charger->chargingVoltage)
            rows.append({BatteryStrings::battery("CHARGING_VOLTAGE"), QStringLiteral("bolt.circle.fill"),
                         QStringLiteral("bolt.fill"), fixed(*charger->chargingVoltage, 4, "V"), Color::orange});
        if (charger->vacVoltageLimit)
            rows.append({BatteryStrings::battery("VAC_VOLTAGE_LIMIT"), QStringLiteral("bolt.circle.fill"),
                         QStringLiteral("bolt.fill"), fixed(*charger->vacVoltageLimit, 4, "V"), Color::orange});
    }
    if (const auto watts = battery->watts(); watts && isCharging) {
        if (std::isfinite(*watts))
            rows.append({BatteryStrings::battery(*isCharging ? "CHARGING_WITH" : "POWER_USAGE"),
                         QStringLiteral("bolt.circle.fill"), QStringLiteral("bolt.fill"),
                         fixed(*isCharging ? std::abs(*watts) : *watts, 2, "W"), Color::purple});
    }
    if (const auto maker = battery->manufacturer())
        rows.append({BatteryStrings::battery("MANUFACTURER"), QStringLiteral("house.circle.fill"),
                     QStringLiteral("house"), *maker, Color::orange});
    if (const auto date = battery->manufactureDate())
        rows.append({BatteryStrings::battery("MANUFACTURE_DATE"), QStringLiteral("calendar.circle.fill"),
                     QStringLiteral("calendar"),
                     BaseKit::Date(*date).string(m_dates, BaseKit::DateStyle::Short, BaseKit::DateStyle::Medium), Color::red});
    m_items = std::move(rows);
    emit itemsChanged();
}

void InternalBatteryFinder::updateAdapterItems(const std::shared_ptr<const AdapterDetails>& adapter)
{
    m_adapterItems.clear();
    if (adapter) {
        if (adapter->name)
            m_adapterItems.append({BatteryStrings::battery("NAME"), QStringLiteral("info.circle.fill"),
                                   QStringLiteral("info"), *adapter->name, Color::yellow});
        if (adapter->manufacturer)
            m_adapterItems.append({BatteryStrings::battery("MANUFACTURER"), QStringLiteral("house.circle.fill"),
                                   QStringLiteral("house"), *adapter->manufacturer, Color::accent});
        if (adapter->watts)
            m_adapterItems.append({BatteryStrings::shared(LKLocalizedString::watts), QStringLiteral("bolt.circle.fill"),
                                   QStringLiteral("bolt.fill"), QString::number(*adapter->watts) + QStringLiteral(" W"),
                                   Color::yellow});
    }
    emit adapterItemsChanged();
}

} // namespace InternalBatteryKit
