#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace Platform {

// One folder of /sys/class/power_supply: its attribute files ("status", "charge_now", ...) read on
// request. An attribute file wins over the supply's `uevent` line of the same name (the file is what
// the kernel answers now); a value that only the `uevent` gives ("POWER_SUPPLY_TYPE=Battery" of a
// supply without a `type` file) is taken from there. Values are micro-units as the kernel gives them
// (µA, µV, µW, µAh, µWh), times in seconds, the temperature in tenths of a degree Celsius.
//
// The folder is opened once and each attribute read at most once: an object is one reading of the
// supply, to be dropped when the reading is done.
class PowerSupply {
public:
    // The supply `name` below `root` ("/" reads /sys/class/power_supply/<name>).
    PowerSupply(const QString& root, const QString& name);

    // A reading of the supply: a new one, or while a ReadingScope lives on this thread, the one reading
    // every caller in the scope shares, so that a poll reads each file once.
    static std::shared_ptr<const PowerSupply> open(const QString& root, const QString& name);

    // Makes the readings of one poll shared (see open()); scopes on one thread may nest.
    class ReadingScope {
    public:
        ReadingScope();
        ~ReadingScope();
        ReadingScope(const ReadingScope&) = delete;
        ReadingScope& operator=(const ReadingScope&) = delete;

    private:
        bool m_outermost = false;
    };
    ~PowerSupply();
    PowerSupply(const PowerSupply&) = delete;
    PowerSupply& operator=(const PowerSupply&) = delete;

    // The names of the supplies below `root`, sorted (BAT0 before BAT1); empty without the folder.
    static QStringList names(const QString& root);
    // The first internal battery below `root`: type Battery, `scope` absent or System, not reported
    // absent (`present` 0). None on a machine without one.
    static std::optional<QString> firstBattery(const QString& root);

    const QString& name() const { return m_name; }
    bool exists() const { return m_dirFd >= 0; }

    // The attribute's text without the line end; none when neither the file nor `uevent` has it.
    std::optional<QByteArray> text(const char* attribute) const;
    // Takes a value known from an earlier reading instead of reading the attribute (none: absent).
    void remember(const char* attribute, std::optional<QByteArray> value) const;
    // The attribute as a signed decimal; none when absent or not a number.
    std::optional<std::int64_t> number(const char* attribute) const;

    // "Battery", "UPS", "Mains", "USB", ...
    QByteArray type() const { return text("type").value_or(QByteArray()); }
    // A battery of the machine itself: type Battery or UPS, scope absent or System (a mouse's
    // battery has scope Device), and not reported absent.
    bool isSystemBattery(bool upsToo) const;
    // A supply that feeds the machine from outside (Mains or USB) and is online.
    bool isOnlineAdapter() const;

    // Capacities in mAh: charge_* in µAh, or energy_* in µWh turned into mAh over the design minimum
    // voltage. `which` is "full_design", "full" or "now". None without a source or without a voltage.
    std::optional<std::int64_t> capacityMilliampHours(const char* which) const;
    // The battery current in mA: current_now, or power_now over voltage_now; the sign is the status's
    // (negative only while "Discharging"), whatever sign the driver gives.
    std::optional<std::int64_t> currentMilliamps() const;
    // The battery power in µW: power_now, or current_now where that holds the power.
    std::optional<std::int64_t> powerMicrowatts() const;
    // Kernels before power_now report the power of a battery that counts energy (energy_*, no
    // charge_*) in current_now, in µW.
    bool currentHoldsPower() const;

    // A reading worked out in floating point as a whole number, rounded to the nearest; none when it
    // is not finite or lies outside the 64-bit range (a driver's nonsense, not a reading).
    static std::optional<std::int64_t> wholeNumber(double value);

private:
    std::optional<QByteArray> readAttribute(const char* name) const;
    std::optional<QByteArray> ueventValue(const char* attribute) const;

    QString m_name;
    int m_dirFd = -1;
    mutable QHash<QByteArray, std::optional<QByteArray>> m_values; // attributes read so far
    mutable bool m_ueventRead = false;
    mutable QHash<QByteArray, QByteArray> m_uevent; // attribute name in lower case -> value
    mutable std::string m_buffer; // the last attribute read
};

} // namespace Platform
