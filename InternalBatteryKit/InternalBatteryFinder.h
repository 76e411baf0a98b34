#pragma once

#include "InternalBatteryKit/AdapterDetails.h"
#include "InternalBatteryKit/BatteryCondition.h"
#include "InternalBatteryKit/BatteryInfoItem.h"
#include "InternalBatteryKit/InternalBattery.h"

#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Sampler/SamplerTimer.h"
#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Registry/Registry.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace InternalBatteryKit {

// The internal battery's sampler. Whether the machine has a power source at all is decided once, when
// the finder is made; a machine without one is never read again. Each poll opens the battery's
// registry entry, makes a new reader chosen by the provider class of the entry's parent (a system
// management bus controller: the legacy reader; the system management controller: the smart
// reader), closes the entry, and copies a few of the reader's values into summary properties and
// two lists of display rows. A poll that cannot make a reader (the entry went away, an unknown
// parent) drops the previous one rather than showing its old values as current.
//
// Everything runs on the main thread. Every property notifies on every write.
class InternalBatteryFinder : public QObject {
    Q_OBJECT
    Q_PROPERTY(QTimer* timer READ timer NOTIFY timerChanged)
    Q_PROPERTY(bool batteryPresent READ batteryPresent NOTIFY batteryPresentChanged)
    Q_PROPERTY(QString name READ nameText NOTIFY nameChanged)
    Q_PROPERTY(QString systemImage READ systemImage NOTIFY systemImageChanged)
    Q_PROPERTY(QString timeLeft READ timeLeft NOTIFY timeLeftChanged)

public:
    // Where the finder reads; an empty member means this machine's own source.
    struct Environment {
        Environment(std::shared_ptr<Platform::Registry> registry = nullptr,
                    std::shared_ptr<Platform::PowerSources> powerSources = nullptr, BaseKit::DateEnvironment dates = {})
            : registry(std::move(registry))
            , powerSources(std::move(powerSources))
            , dates(std::move(dates))
        {
        }

        std::shared_ptr<Platform::Registry> registry;
        std::shared_ptr<Platform::PowerSources> powerSources;
        // The locale and time zone the manufacture date is written in; the program's own by default.
        BaseKit::DateEnvironment dates;
    };

    // Reads this machine's registry and power sources.
    explicit InternalBatteryFinder(QObject* parent = nullptr);
    explicit InternalBatteryFinder(Environment environment, QObject* parent = nullptr);
    ~InternalBatteryFinder() override;

    // Polls every `interval` seconds when no timer runs; otherwise does nothing (the new interval is
    // ignored). The first poll comes one interval later.
    Q_INVOKABLE void start(double interval);
    Q_INVOKABLE void stop();
    // One poll.
    Q_INVOKABLE void refresh();

    QTimer* timer() const { return m_timer.timer(); }
    bool batteryPresent() const { return m_batteryPresent; }
    // The current reader; none before the first poll that made one, and after one that could not.
    std::shared_ptr<const InternalBattery> battery() const { return m_battery; }
    std::optional<BatteryCondition> condition() const { return m_condition; }
    const QList<BatteryInfoItem>& items() const { return m_items; }
    const QList<BatteryInfoItem>& adapterItems() const { return m_adapterItems; }
    std::optional<bool> isCharging() const { return m_isCharging; }
    std::optional<std::int64_t> charge() const { return m_charge; }
    std::optional<QString> name() const { return m_name; }
    QString nameText() const { return m_name.value_or(QString()); }
    // "battery.25", "battery.50", "battery.75" or "battery.100" by the charge.
    const QString& systemImage() const { return m_systemImage; }
    // The time row's text.
    const QString& timeLeft() const { return m_timeLeft; }
    // The registry entry while a poll has it open; 0 between polls.
    Platform::RegistryEntryId service() const { return m_service; }

    // The charge symbol for a charge in percent.
    static QString systemImageFor(std::int64_t charge);

    // Rebuilds the summary and the battery rows from `battery` (none: no rows).
    void updateItems(const std::shared_ptr<const InternalBattery>& battery);
    // Rebuilds the adapter rows (none: no rows).
    void updateAdapterItems(const std::shared_ptr<const AdapterDetails>& adapter);

signals:
    void timerChanged();
    void batteryPresentChanged();
    void batteryChanged();
    void conditionChanged();
    void itemsChanged();
    void adapterItemsChanged();
    void isChargingChanged();
    void chargeChanged();
    void nameChanged();
    void systemImageChanged();
    void timeLeftChanged();

private:
    const Platform::Registry& registry() const;
    bool hasPowerSources() const;
    void openService();
    void closeService();

    std::shared_ptr<Platform::Registry> m_registry;
    std::shared_ptr<Platform::PowerSources> m_powerSources;
    BaseKit::DateEnvironment m_dates;
    BaseKit::SamplerTimer m_timer;
    Platform::RegistryEntryId m_service = 0;
    bool m_batteryPresent = false;
    std::shared_ptr<const InternalBattery> m_battery;
    std::optional<BatteryCondition> m_condition;
    QList<BatteryInfoItem> m_items;
    QList<BatteryInfoItem> m_adapterItems;
    std::optional<bool> m_isCharging;
    std::optional<std::int64_t> m_charge;
    std::optional<QString> m_name;
    QString m_systemImage = QStringLiteral("battery.100");
    QString m_timeLeft;
};

} // namespace InternalBatteryKit
