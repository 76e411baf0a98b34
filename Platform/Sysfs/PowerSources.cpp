#include "Platform/Sysfs/PowerSources.h"

#include "Platform/Sysfs/PowerSupply.h"

#include <cmath>
#include <functional>
#include <cstdlib>

namespace Platform {

namespace {
std::optional<std::int64_t> percent(std::optional<std::int64_t> part, std::optional<std::int64_t> whole)
{
    if (!part || !whole || *whole <= 0)
        return std::nullopt;
    return PowerSupply::wholeNumber(double(*part) / double(*whole) * 100.0);
}

std::optional<QString> healthGrade(const QByteArray& health)
{
    if (health == "Good")
        return QStringLiteral("Good");
    if (health == "Calibration required")
        return QStringLiteral("Fair");
    if (health == "Dead" || health == "Unspecified failure" || health == "Over voltage" || health == "Over current")
        return QStringLiteral("Poor");
    return std::nullopt;
}

// Minutes from a kernel time in seconds, or from a remaining amount over the rate it changes at.
std::int64_t minutes(std::optional<std::int64_t> seconds, std::optional<std::int64_t> amount,
                     const std::function<std::optional<std::int64_t>()>& rate)
{
    if (seconds && *seconds >= 0)
        return *seconds / 60;
    if (!amount || *amount < 0)
        return -1;
    const auto perHour = rate();
    if (!perHour || *perHour == 0)
        return -1;
    // Whole minutes, the fraction dropped; beyond the 64-bit range the time is unknown.
    return PowerSupply::wholeNumber(std::trunc(double(*amount) / std::abs(double(*perHour)) * 60.0)).value_or(-1);
}

PlistValue describe(const PowerSupply& battery, bool acPower, std::optional<std::int64_t> watts)
{
    PlistValue::DictionaryType d;
    d.emplace(QStringLiteral("Name"), PlistValue(battery.name()));

    const bool charge = battery.number("charge_now").has_value();
    const char* now = charge ? "charge_now" : "energy_now";
    const char* full = charge ? "charge_full" : "energy_full";
    const char* design = charge ? "charge_full_design" : "energy_full_design";

    if (const auto capacity = battery.number("capacity"))
        d.emplace(QStringLiteral("Current Capacity"), PlistValue(*capacity));
    else if (const auto p = percent(battery.number(now), battery.number(full)))
        d.emplace(QStringLiteral("Current Capacity"), PlistValue(*p));
    if (const auto p = percent(battery.number(full), battery.number(design)))
        d.emplace(QStringLiteral("Max Capacity"), PlistValue(*p));

    // The rate the amount changes at: µA for charge, µW for energy (in current_now on old kernels).
    const auto rateOf = [&battery, charge] { return charge ? battery.number("current_now") : battery.powerMicrowatts(); };
    const QByteArray status = battery.text("status").value_or(QByteArray());
    const bool discharging = status == "Discharging";
    const bool charging = status == "Charging";
    std::optional<std::int64_t> toFull;
    if (charging) {
        const auto fullNow = battery.number(full);
        const auto nowNow = battery.number(now);
        std::int64_t missing = 0;
        if (fullNow && nowNow && !__builtin_sub_overflow(*fullNow, *nowNow, &missing))
            toFull = std::max<std::int64_t>(missing, 0);
    }
    d.emplace(QStringLiteral("Time to Empty"),
              PlistValue(minutes(battery.number("time_to_empty_now"),
                                 discharging ? battery.number(now) : std::nullopt, rateOf)));
    d.emplace(QStringLiteral("Time to Full Charge"),
              PlistValue(minutes(battery.number("time_to_full_now"), toFull, rateOf)));

    d.emplace(QStringLiteral("Power Source State"),
              PlistValue(acPower ? QStringLiteral("AC Power") : QStringLiteral("Battery Power")));
    d.emplace(QStringLiteral("Is Charging"), PlistValue(std::int64_t(charging ? 1 : 0)));
    d.emplace(QStringLiteral("Is Charged"), PlistValue(std::int64_t(status == "Full" ? 1 : 0)));
    if (watts) {
        d.emplace(QStringLiteral("Watts"), PlistValue(*watts));
        d.emplace(QStringLiteral("AdapterDetails"),
                  PlistValue(PlistValue::DictionaryType{{QStringLiteral("Watts"), PlistValue(*watts)}}));
    }
    if (const auto health = battery.text("health")) {
        if (const auto grade = healthGrade(*health))
            d.emplace(QStringLiteral("BatteryHealth"), PlistValue(*grade));
    }
    return PlistValue(std::move(d));
}
} // namespace

std::shared_ptr<PowerSources> PowerSources::live()
{
    static const std::shared_ptr<PowerSources> sources = std::make_shared<PowerSources>();
    return sources;
}

PowerSources::PowerSources(QString root) : m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root)) {}

std::shared_ptr<PowerSources> PowerSources::fixed(std::vector<PlistValue> descriptions)
{
    auto sources = std::make_shared<PowerSources>();
    sources->m_fixed = std::move(descriptions);
    return sources;
}

std::vector<PlistValue> PowerSources::descriptions() const
{
    if (m_fixed)
        return *m_fixed;
    std::vector<std::shared_ptr<const PowerSupply>> batteries;
    bool acPower = false;
    std::optional<std::int64_t> watts;
    const QStringList names = PowerSupply::names(m_root);
    // A supply that went away may come back as another device under its name.
    for (auto it = m_identities.begin(); it != m_identities.end();)
        it = names.contains(it.key()) ? std::next(it) : m_identities.erase(it);
    for (const QString& name : names) {
        auto found = PowerSupply::open(m_root, name);
        const PowerSupply& supply = *found;
        if (const auto known = m_identities.constFind(name); known != m_identities.constEnd()) {
            supply.remember("type", known->type);
            supply.remember("scope", known->scope);
        } else if (supply.exists()) {
            m_identities.insert(name, Identity{supply.text("type"), supply.text("scope")});
        }
        if (supply.isSystemBattery(true)) {
            batteries.push_back(std::move(found));
        } else if (supply.isOnlineAdapter()) {
            acPower = true;
            // A USB Power Delivery source states what it can give; µV × µA is 10^-12 W.
            if (!supply.type().startsWith("USB"))
                continue;
            const auto volts = supply.number("voltage_max");
            const auto amps = supply.number("current_max");
            if (volts && amps && *volts > 0 && *amps > 0) {
                if (const auto rating = PowerSupply::wholeNumber(double(*volts) * double(*amps) / 1e12))
                    watts = std::max(watts.value_or(0), *rating);
            }
        }
    }
    std::vector<PlistValue> result;
    result.reserve(batteries.size());
    for (const auto& battery : batteries)
        result.push_back(describe(*battery, acPower, watts));
    return result;
}

} // namespace Platform
