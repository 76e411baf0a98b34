#pragma once

#include "Platform/Sysfs/BlockDevices.h"
#include "Platform/Volumes/DiskDescription.h"
#include "Platform/Volumes/MountEntry.h"

#include <optional>

namespace Platform {

// The disk under a mounted volume (BlockDevices below a root folder): its device name, its
// description, its label and UUID, and whether it can be ejected.
class Disks {
public:
    explicit Disks(QString root = QStringLiteral("/"));

    const BlockDevices& devices() const { return m_devices; }

    // The device a mount stands on: by its device number ("254:0" gives "vda"); for file systems with
    // an anonymous device number (btrfs) the mount source under /dev/ resolved to its real path
    // ("/dev/mapper/x" gives "dm-0"). None when neither names a block device. The device number goes
    // first: the source can name a node that does not exist, such as /dev/root.
    std::optional<QString> bsdName(const MountEntry& mount) const;
    // The description of the disk under a mount; none when the mount has no block device.
    std::optional<DiskDescription> description(const MountEntry& mount) const;
    // The file-system label: udev's ID_FS_LABEL, else the /dev/disk/by-label link to the device.
    std::optional<QString> label(const QString& device) const;
    // The file-system UUID: udev's ID_FS_UUID, else the /dev/disk/by-uuid link to the device.
    std::optional<QString> uuid(const QString& device) const;
    // Removable media, or a disk on USB or an SD card.
    bool isEjectable(const QString& device) const;

    // A link name of /dev/disk/by-* with udev's \xHH escapes decoded.
    static QString decodeLinkName(const QString& name);

private:
    std::optional<QString> linkTo(const char* folder, const QString& device) const;

    BlockDevices m_devices;
};

} // namespace Platform
