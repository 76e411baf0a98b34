#pragma once

#include "Platform/Volumes/Disks.h"
#include "Platform/Volumes/MountEntry.h"
#include "Platform/Volumes/VolumeCapacity.h"
#include "Platform/Volumes/VolumeResourceValues.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QSocketNotifier;

namespace Platform {

// The mounted volumes, from the kernel's mount table (/proc/self/mountinfo below a root folder), with
// their resource values, file-system types and capacities, and mount and unmount signals.
//
// Only mounts backed by a block device are volumes (proc, sysfs, cgroup, tmpfs, overlay and network
// file systems are not). Of those, a volume is browsable (shown to the user) unless it is a bind mount
// (the mounted folder is not the file system's root; a btrfs subvolume named by its "subvol" option
// is a root), its mount point is not a folder, it is a squashfs image, or its device is already shown
// at another mount point ("/" first, then in table order).
//
// Queries answer from the table as update() or check() last read it. Everything runs on the thread
// that made the object.
class Mounts : public QObject {
    Q_OBJECT

public:
    explicit Mounts(QString root = QStringLiteral("/"), QObject* parent = nullptr);
    ~Mounts() override;

    // Where capacities come from (statvfs(3) of the mount point by default); tests give fixed sizes.
    using CapacityReader = std::function<std::optional<VolumeCapacity>(const QString& mountPoint)>;
    void setCapacityReader(CapacityReader reader);

    const Disks& disks() const { return m_disks; }

    // Reads the mount table again (parsed again only when its text changed). The queries below
    // answer from the table as last read, reading it first when it never was.
    void update();

    // The mount table; empty when it cannot be read.
    const std::vector<MountEntry>& entries();
    // The mount points of block-device mounts, each once, in table order.
    QStringList volumes();
    // Whether `path` is still a mount point of a block device.
    bool isMounted(const QString& path);
    // The mount that is visible at `path` (the last one mounted there); none when nothing is.
    std::optional<MountEntry> entry(const QString& path);
    // The resource values of the volume at `path`; none when it is no volume. A volume that is not
    // browsable gives only that fact.
    std::optional<VolumeResourceValues> resourceValues(const QString& path);
    // Whether the volume at `path` is shown to the user (the browsable rule above).
    bool isBrowsable(const QString& path);
    // The file-system type of the volume at `path` ("ext4", "vfat"); none when it is no volume.
    std::optional<QString> fileSystemType(const QString& path);
    // Total and available bytes of the volume at `path`; none when they cannot be read.
    std::optional<VolumeCapacity> capacity(const QString& path) const;

    // Starts watching the table for changes (poll(2) priority events on the open file); says whether
    // a watch runs. The volumes present now are the base of the first comparison.
    bool watch();
    // Reads the table and signals every volume that went since the last comparison, then every one
    // that came, each in table order.
    void check();

signals:
    // The watch saw the table change (after the comparison of check()).
    void tableChanged();
    void mounted(const QString& path);
    void unmounted(const QString& path);

private:
    void load();
    QString tablePath() const;

    QString m_root;
    Disks m_disks;
    CapacityReader m_capacity;
    std::string m_buffer;
    std::string m_text;
    bool m_loaded = false;
    std::vector<MountEntry> m_entries;
    std::vector<bool> m_visible;
    std::vector<bool> m_browsable;
    QStringList m_known;
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace Platform
