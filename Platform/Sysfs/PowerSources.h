#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace Platform {

// The machine's power sources as description dictionaries, one per internal battery (supplies of type
// Battery or UPS whose scope is absent or System; a mouse's or a headset's battery, scope Device, is
// not the machine's). The keys:
//   "Name"                 the supply's name ("BAT0")
//   "Current Capacity"     charge in percent: `capacity`, else now / full
//   "Max Capacity"         full / design in percent; absent without a design capacity
//   "Time to Empty"        minutes: time_to_empty_now, else while discharging now / current; else -1
//   "Time to Full Charge"  minutes: time_to_full_now, else while charging (full - now) / current; else -1
//   "Power Source State"   "AC Power" while a Mains or USB supply is online, else "Battery Power"
//   "Is Charging"          1 while `status` is "Charging", else 0
//   "Is Charged"           1 while `status` is "Full", else 0
//   "Watts", "AdapterDetails" {"Watts"}   the rating of an online USB Power Delivery adapter
//                          (voltage_max × current_max); absent otherwise (mains supplies carry none)
//   "BatteryHealth"        "Good", "Fair" or "Poor" from `health`; absent for other states
// A desktop gives an empty list. Used from one thread (the main thread).
class PowerSources {
public:
    // Reads /sys/class/power_supply below `root`.
    explicit PowerSources(QString root = QStringLiteral("/"));
    // A fixed list of descriptions, whatever the machine has (tests).
    static std::shared_ptr<PowerSources> fixed(std::vector<PlistValue> descriptions);

    const QString& root() const { return m_root; }

    // The descriptions now, in the order of the supplies' names.
    std::vector<PlistValue> descriptions() const;

    // This machine's power sources, made on first use: the ones the program's start-up hands on.
    static std::shared_ptr<PowerSources> live();

private:
    // What a supply is (`type`, `scope`) is fixed while its folder exists: read once per name.
    struct Identity {
        std::optional<QByteArray> type;
        std::optional<QByteArray> scope;
    };

    QString m_root;
    mutable QHash<QString, Identity> m_identities;
    std::optional<std::vector<PlistValue>> m_fixed;
};

} // namespace Platform
