#pragma once

#include "BaseKit/Sampler/SamplerTimer.h"
#include "SystemKit/Volumes/DeviceSpeedValue.h"
#include "SystemKit/Volumes/Volume.h"
#include "SystemKit/Volumes/VolumesEnvironment.h"

#include "Platform/Registry/Registry.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace Platform {
class DiskEjector;
class Mounts;
} // namespace Platform

namespace SystemKit {

// The volume sampler: keeps the list of mounted volumes current (mount and unmount events, and a sync
// with the mount table on every tick), fills each new volume from the mount table, the disk beneath
// it and the block-storage registry entries, feeds every volume its disk's counters on each tick and
// its capacity every `storageInterval` seconds, and keeps the list sorted by name. It announces each
// volume it adds on onMount and each one it drops on onUnmount; a dropped volume is deleted once the
// event loop runs again, so holders keep it in a QPointer.
//
// Main thread only. Every property notifies on every write.
class VolumesController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QTimer* timer READ timer NOTIFY timerChanged)
    Q_PROPERTY(double timePrevious READ timePrevious NOTIFY timePreviousChanged)
    Q_PROPERTY(double lastStorageRefresh READ lastStorageRefresh NOTIFY lastStorageRefreshChanged)
    Q_PROPERTY(QList<SystemKit::Volume*> volumes READ volumes NOTIFY volumesChanged)

public:
    using EjectDone = std::function<void(const QString& error)>;

    // The sampler over this machine: the mount table, the live registry and UDisks2 on the system bus.
    // Registers for mount events; takes no sample and starts no timer.
    explicit VolumesController(QObject* parent = nullptr);
    // The same over other sources (fixture trees, a fake ejector, a clock). A missing source is the
    // machine's.
    explicit VolumesController(VolumesEnvironment environment, QObject* parent = nullptr);
    ~VolumesController() override;

    // Starts a tick every `interval` seconds when no timer runs; otherwise does nothing.
    Q_INVOKABLE void start(double interval);
    Q_INVOKABLE void stop();
    // One tick: drops volumes no longer mounted, adds new ones, feeds counters, refreshes capacities
    // when due, sorts.
    Q_INVOKABLE void refresh();

    // The volume of the root file system (after one tick when none is listed yet); null when the root
    // file system is no volume here (a container's overlay, a network root).
    Volume* systemVolume();
    // The same from the list as it stands, without a tick: for views, which must not sample.
    Volume* listedSystemVolume() const;
    int count() const { return int(m_volumes.size()); }

    // Asks the system to unmount and eject the volume, without waiting; `done` gets the error text,
    // empty on success. The volume shows it is ejecting until it is gone or the eject failed.
    void eject(Volume* volume, EjectDone done = {});
    // Ejects every ejectable volume that is not the system or startup volume, not already ejecting and
    // not named in `except` (by device name).
    void ejectAll(const QStringList& except = {}, EjectDone done = {});

    // The mount events (the watch of the mount table delivers them).
    void didMount(const QString& path);
    void didUnmount(const QString& path);

    // The disk readers used when a volume is added.
    void readDiskDescription(Volume& volume);
    // The name of the topmost entry above the one at `path` that has a "BSD Name".
    std::optional<QString> rootBsdName(const QString& path) const;
    // The link speed under `key` of the entry at `path` or the nearest ancestor that has a number there.
    std::optional<DeviceSpeedValue> deviceSpeed(const QString& path, const QString& key) const;
    void readCharacteristics(Volume& volume);

    QTimer* timer() const { return m_timer.timer(); }
    double timePrevious() const { return m_timePrevious; }
    double lastStorageRefresh() const { return m_lastStorageRefresh; }
    const QList<Volume*>& volumes() const { return m_volumes; }
    bool gatherStatistics() const { return m_gatherStatistics; }
    void setGatherStatistics(bool gather) { m_gatherStatistics = gather; }
    bool gatherUsage() const { return m_gatherUsage; }
    void setGatherUsage(bool gather) { m_gatherUsage = gather; }
    double storageInterval() const { return m_storageInterval; }
    void setStorageInterval(double seconds) { m_storageInterval = seconds; }
    qint64 historySize() const { return m_historySize; }
    void setHistorySize(qint64 size) { m_historySize = size; }

    Platform::Mounts& mounts() const { return *m_mounts; }

signals:
    void onMount(SystemKit::Volume* volume);
    void onUnmount(SystemKit::Volume* volume);
    void timerChanged();
    void timePreviousChanged();
    void lastStorageRefreshChanged();
    void volumesChanged();

private:
    using DriverList = std::vector<std::pair<QString, Platform::RegistryEntryId>>;

    void updateVolumes();
    void removeVanishedVolumes();
    Volume* addVolume(const QString& path);
    // The block-storage drivers by the name of their first child.
    DriverList drivers() const;
    // `read` keeps the counters read during this tick, so that volumes of one disk read it once.
    void updateStatistics(Volume& volume, const DriverList& drivers,
                          std::map<Platform::RegistryEntryId, Platform::PlistValue>& read);
    void updateUsage(Volume& volume);
    void sortVolumes();
    void remove(Volume* volume);
    bool isListed(const QString& path) const;
    double now() const;

    std::shared_ptr<Platform::Mounts> m_mounts;
    std::shared_ptr<Platform::Registry> m_registry;
    std::shared_ptr<Platform::DiskEjector> m_ejector;
    std::shared_ptr<const Platform::Clock> m_clock;
    BaseKit::SamplerTimer m_timer;
    double m_timePrevious = 0;
    double m_lastStorageRefresh = 0;
    QList<Volume*> m_volumes;
    bool m_gatherStatistics = true;
    bool m_gatherUsage = true;
    double m_storageInterval = 10.0;
    qint64 m_historySize = 60;
};

} // namespace SystemKit
