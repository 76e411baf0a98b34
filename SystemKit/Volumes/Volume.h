#pragma once

#include "BaseKit/Sampler/FixedHistory.h"
#include "SystemKit/Volumes/DeviceSpeedValue.h"
#include "SystemKit/Volumes/VolumeCharacteristics.h"
#include "SystemKit/Volumes/VolumeDeviceProtocol.h"
#include "SystemKit/Volumes/VolumeStatistics.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <cstdint>
#include <functional>
#include <optional>

namespace Platform {
class DiskEjector;
class Mounts;
} // namespace Platform

namespace SystemKit {

// One mounted volume: its identity and flags (set by the volumes controller when it adds the volume),
// its capacity, and what the disk's counters say about it: the bytes read and written between the two
// latest snapshots, the largest of those since the volume appeared, loads relative to them, activity
// flags and three histories of 30 samples. Also the display values the volume cards show and the eject
// request.
//
// Main thread only. Every write notifies through the signal of its group, also when the value stays.
class Volume : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name NOTIFY detailsChanged)
    Q_PROPERTY(double usage READ usage NOTIFY capacityChanged)
    Q_PROPERTY(bool isEjecting READ isEjecting NOTIFY ejectingChanged)
    Q_PROPERTY(quint64 readDelta READ readDelta NOTIFY statisticsChanged)
    Q_PROPERTY(quint64 writeDelta READ writeDelta NOTIFY statisticsChanged)

public:
    static constexpr int historySize = 30;

    // A volume mounted at `path`, with every reading at its start value.
    explicit Volume(const QString& path, QObject* parent = nullptr);

    // --- Disk counters
    // Takes one snapshot of the disk's counters. The first one only becomes the base; each later one
    // gives the deltas since the base, then becomes the base. A snapshot without any byte or operation
    // (a disk that could not be read) is ignored, so the next real one counts from the previous base.
    void update(const VolumeStatistics& statistics);
    void update(std::uint64_t bytesRead, std::uint64_t bytesWritten);

    const std::optional<VolumeStatistics>& oldStatistics() const { return m_oldStatistics; }
    const std::optional<VolumeStatistics>& currentStatistics() const { return m_currentStatistics; }
    std::uint64_t readDelta() const { return m_readDelta; }
    std::uint64_t writeDelta() const { return m_writeDelta; }
    std::uint64_t maxReadSpeed() const { return m_maxReadSpeed; }
    std::uint64_t maxWriteSpeed() const { return m_maxWriteSpeed; }
    std::uint64_t maxDelta() const { return m_maxDelta; }
    double readLoad() const { return m_readLoad; }
    double writeLoad() const { return m_writeLoad; }
    bool isReading() const { return m_isReading; }
    bool isWriting() const { return m_isWriting; }
    bool isActive() const { return m_isReading || m_isWriting; }
    const QList<quint64>& readHistory() const { return m_readHistory.values(); }
    const QList<quint64>& writeHistory() const { return m_writeHistory.values(); }
    const QList<quint64>& loadHistory() const { return m_loadHistory.values(); }
    // The larger of the two deltas as a byte rate ("0 B/s", "3.42 MB/s").
    QString peakDeltaText() const;

    // --- Capacity
    std::uint64_t totalBytes() const { return m_totalBytes; }
    std::uint64_t freeBytes() const { return m_freeBytes; }
    // The bytes in use: as the system counts them when it said (blocks reserved for the administrator
    // are neither used nor free, as df shows them), else total minus free, 0 when the free count is not
    // below the total.
    std::uint64_t usedBytes() const;
    // The used fraction, 0 to 1: used / (used + free) when the system counted the used bytes (df's
    // Use%), else (total - free) / total; 0 without a total.
    double usage() const;
    void setCapacity(std::uint64_t totalBytes, std::uint64_t freeBytes,
                     std::optional<std::uint64_t> usedBytes = std::nullopt);
    // Reads the capacity again; a failed read keeps the values.
    void updateCapacity(const Platform::Mounts& mounts);
    void refreshCapacity(const Platform::Mounts& mounts) { updateCapacity(mounts); }

    // --- Identity and disk facts, set by the controller
    const QString& path() const { return m_path; }
    QUrl url() const { return QUrl::fromLocalFile(m_path); }
    const QString& id() const { return m_bsdName; }
    const QString& name() const { return m_name; }
    const QString& uuid() const { return m_uuid; }
    bool isInternal() const { return m_isInternal; }
    bool isLocal() const { return m_isLocal; }
    bool isReadOnly() const { return m_isReadOnly; }
    bool isVolume() const { return m_isVolume; }
    bool isSystemVolume() const { return m_isSystemVolume; }
    bool isStartupVolume() const { return m_isStartupVolume; }
    bool isEjectable() const { return m_isEjectable; }
    bool isLocked() const { return m_isLocked; }
    const QString& rootBsdName() const { return m_rootBsdName; }
    const QString& bsdName() const { return m_bsdName; }
    const std::optional<QString>& deviceProtocol() const { return m_deviceProtocol; }
    const std::optional<QString>& volumeType() const { return m_volumeType; }
    const std::optional<QString>& volumeKind() const { return m_volumeKind; }
    const std::optional<QString>& vendor() const { return m_vendor; }
    const std::optional<QString>& model() const { return m_model; }
    const std::optional<QString>& volumeName() const { return m_volumeName; }
    const std::optional<QString>& mediaBsdName() const { return m_mediaBsdName; }
    const std::optional<QString>& revision() const { return m_revision; }
    const std::optional<VolumeCharacteristics>& characteristics() const { return m_characteristics; }
    const std::optional<QString>& ioDiskPath() const { return m_ioDiskPath; }
    const std::optional<QString>& rawFileSystem() const { return m_rawFileSystem; }
    const std::optional<DeviceSpeedValue>& deviceSpeed() const { return m_deviceSpeed; }
    const std::optional<DeviceSpeedValue>& usbSpeed() const { return m_usbSpeed; }

    void setName(const QString& value) { set(m_name, value); }
    void setUuid(const QString& value) { set(m_uuid, value); }
    void setIsInternal(bool value) { set(m_isInternal, value); }
    void setIsLocal(bool value) { set(m_isLocal, value); }
    void setIsReadOnly(bool value) { set(m_isReadOnly, value); }
    void setIsVolume(bool value) { set(m_isVolume, value); }
    void setIsSystemVolume(bool value) { set(m_isSystemVolume, value); }
    void setIsStartupVolume(bool value) { set(m_isStartupVolume, value); }
    void setIsEjectable(bool value) { set(m_isEjectable, value); }
    void setIsLocked(bool value) { set(m_isLocked, value); }
    void setRootBsdName(const QString& value) { set(m_rootBsdName, value); }
    void setBsdName(const QString& value) { set(m_bsdName, value); }
    void setDeviceProtocol(const std::optional<QString>& value) { set(m_deviceProtocol, value); }
    void setVolumeType(const std::optional<QString>& value) { set(m_volumeType, value); }
    void setVolumeKind(const std::optional<QString>& value) { set(m_volumeKind, value); }
    void setVendor(const std::optional<QString>& value) { set(m_vendor, value); }
    void setModel(const std::optional<QString>& value) { set(m_model, value); }
    void setVolumeName(const std::optional<QString>& value) { set(m_volumeName, value); }
    void setMediaBsdName(const std::optional<QString>& value) { set(m_mediaBsdName, value); }
    void setRevision(const std::optional<QString>& value) { set(m_revision, value); }
    void setCharacteristics(const std::optional<VolumeCharacteristics>& value) { set(m_characteristics, value); }
    void setIoDiskPath(const std::optional<QString>& value) { set(m_ioDiskPath, value); }
    void setRawFileSystem(const std::optional<QString>& value) { set(m_rawFileSystem, value); }
    void setDeviceSpeed(const std::optional<DeviceSpeedValue>& value) { set(m_deviceSpeed, value); }
    void setUsbSpeed(const std::optional<DeviceSpeedValue>& value) { set(m_usbSpeed, value); }

    // --- Display values
    // None without a USB speed; else whether it is high speed or faster.
    std::optional<bool> isHighSpeedUsb() const;
    // A backup manifest lies at the volume's root (asked anew on every read).
    bool isBackupVolume() const;
    std::optional<VolumeDeviceProtocol> deviceProtocolValue() const;
    // The file system's display name ("APFS", "ExFAT", "MS-DOS"; others upper-cased: "EXT4").
    std::optional<QString> fileSystemName() const;
    // The kind ("Startup Disk", "System Volume", "External Volume"), the interconnect when it is a known
    // one, and the file system's own name.
    QStringList tags() const;
    QString tagsText() const;
    const QString& separator() const { return m_separator; }
    // "sdcard", "internaldrive" or "externaldrive".
    QString symbolName() const;

    // --- Eject
    bool isEjecting() const { return m_isEjecting; }
    // Marks the volume as ejecting and asks `ejector` to unmount and eject it; `done` gets the
    // platform's error text, empty on success. A failed eject clears the mark again. On success the
    // volume leaves the controller's list when the system reports it unmounted.
    void eject(Platform::DiskEjector& ejector, std::function<void(const QString& error)> done = {});

    // The system's disk claims have no counterpart here: claiming does nothing, the claim is unknown.
    void claim() {}
    void unclaim() {}
    std::optional<bool> isClaimed() const { return std::nullopt; }

signals:
    void statisticsChanged();
    void capacityChanged();
    void detailsChanged();
    void ejectingChanged();

private:
    template <typename T>
    void set(T& field, const T& value)
    {
        field = value;
        emit detailsChanged();
    }
    void setEjecting(bool ejecting);

    QString m_path;
    QString m_separator;
    BaseKit::FixedHistory<quint64> m_readHistory{historySize};
    BaseKit::FixedHistory<quint64> m_writeHistory{historySize};
    BaseKit::FixedHistory<quint64> m_loadHistory{historySize};
    std::optional<VolumeStatistics> m_oldStatistics;
    std::optional<VolumeStatistics> m_currentStatistics;
    bool m_isEjecting = false;
    QString m_name;
    QString m_uuid;
    std::uint64_t m_totalBytes = 0;
    std::uint64_t m_freeBytes = 0;
    std::optional<std::uint64_t> m_usedBytes;
    std::uint64_t m_readDelta = 0;
    std::uint64_t m_writeDelta = 0;
    bool m_isInternal = false;
    bool m_isLocal = false;
    bool m_isReadOnly = false;
    bool m_isVolume = false;
    bool m_isSystemVolume = false;
    bool m_isStartupVolume = false;
    bool m_isEjectable = false;
    bool m_isLocked = false;
    QString m_rootBsdName;
    QString m_bsdName;
    std::optional<QString> m_deviceProtocol;
    std::optional<QString> m_volumeType;
    std::optional<QString> m_volumeKind;
    std::optional<QString> m_vendor;
    std::optional<QString> m_model;
    std::optional<QString> m_volumeName;
    std::optional<QString> m_mediaBsdName;
    std::uint64_t m_maxReadSpeed = 0;
    std::uint64_t m_maxWriteSpeed = 0;
    std::optional<QString> m_revision;
    std::optional<VolumeCharacteristics> m_characteristics;
    std::optional<QString> m_ioDiskPath;
    std::optional<QString> m_rawFileSystem;
    std::optional<DeviceSpeedValue> m_deviceSpeed;
    std::optional<DeviceSpeedValue> m_usbSpeed;
    double m_readLoad = 0;
    double m_writeLoad = 0;
    std::uint64_t m_maxDelta = 0;
    bool m_isReading = false;
    bool m_isWriting = false;
};

} // namespace SystemKit
