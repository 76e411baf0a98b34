#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace Platform {

// What sysfs (and the udev database) say about the machine's block devices, below a root folder
// (tests pass a fixture tree). Names are kernel device names ("sda", "sda4", "nvme0n1p3", "dm-0");
// folders are sysfs paths as the running system names them ("/sys/devices/.../block/sda"), without
// the root folder.
//
// Registry paths of the block-storage entries: "IOService:" + the device folder for the disk's device
// (the disk's own folder when it has no device link: dm-*, loop*, md*), + disk folder + "/driver" for
// its driver, + disk folder + "/media" for its media, + the partition's folder for a partition.
class BlockDevices {
public:
    explicit BlockDevices(QString root = QStringLiteral("/"));

    const QString& root() const { return m_root; }

    // The whole disks of /sys/block by name, leaving out ram*, zram* and loop* devices of size 0.
    QStringList disks() const;
    // A cheap fingerprint of the disk list: the names in /sys/block, in directory order, and the sizes
    // of `watched` (the devices the list left out while empty, which may fill).
    QByteArray disksStamp(const QStringList& watched = {}) const;
    // The ram*, zram* and loop* devices that disks() leaves out because they are empty.
    QStringList emptyDevices() const;

    // The sysfs folder of a disk or partition; empty when there is none.
    QString folder(const QString& name) const;
    // The folder of the disk's device: the target of its device link, else the disk's own folder.
    QString deviceFolder(const QString& disk) const;
    // The partitions of a disk (subfolders holding a "partition" file, or on older kernels a "start"
    // file), by name.
    QStringList partitions(const QString& disk) const;
    // The devices a disk is made of (dm-*, md*): the names in its slaves folder, sorted.
    QStringList slaves(const QString& disk) const;
    // The whole disk of a partition, the disk itself for a disk; empty when unknown.
    QString wholeDisk(const QString& name) const;
    // The physical disk under a device: the whole disk, followed through the first slave of dm-* and
    // md* devices.
    QString physicalDisk(const QString& name) const;

    // The device named by a device number ("8:4" gives "sda4"); none when unknown.
    std::optional<QString> nameOfDevice(const QString& deviceNumber) const;
    // The device number of a device ("major:minor"); empty when unknown.
    QString deviceNumber(const QString& name) const;
    // One property of the device's entry in the udev database (E:KEY=value); none when absent.
    std::optional<QString> udevProperty(const QString& deviceNumber, const QString& key) const;

    // The interconnect of a disk, as a device-protocol text ("USB", "PCI-Express", "Secure Digital",
    // "SATA", "Virtual Interface"); none when unknown.
    std::optional<QString> protocol(const QString& disk) const;
    bool isRemovable(const QString& disk) const;
    // The disk's device facts: "Product Name", "Vendor Name", "Serial Number", "Product Revision
    // Level", "Medium Type", each only when known.
    PlistValue::DictionaryType characteristics(const QString& disk) const;
    // The disk's counters from its stat file ("Operations (Read)", "Bytes (Read)", "Total Time
    // (Read)" and the same for writing); none when the file cannot be read or has fewer than eight
    // fields.
    std::optional<PlistValue::DictionaryType> statistics(const QString& disk) const;
    // A stat file's text as those counters.
    static std::optional<PlistValue::DictionaryType> parseStatistics(std::string_view text);
    // The first USB device folder at or above a folder (one holding a "speed" file); empty when none.
    QString usbDeviceFolder(const QString& folder) const;
    // A USB "speed" text (Mbit/s) as a link-speed value 0 to 5.
    static unsigned speedValue(const QString& megabits);
    // The link-speed value of a USB device folder; none when it has no readable "speed" file.
    std::optional<unsigned> linkSpeed(const QString& usbFolder) const;

    QString devicePath(const QString& disk) const;
    QString driverPath(const QString& disk) const;
    // The media entry of a disk, or the entry of a partition.
    QString mediaPath(const QString& name) const;

    // Reads a small sysfs file of the tree, trimmed; empty when unreadable.
    QString readText(const QString& sysfsPath) const;

private:
    // The real sysfs path of a path below the root, without the root; empty when it does not exist.
    QString resolve(const QString& sysfsPath) const;
    QString absolute(const QString& sysfsPath) const;

    QString m_root;
    QString m_canonicalRoot;
    mutable std::string m_statBuffer;
    // What the stamp reads for the devices it was last asked to watch: for each, its text in the
    // stamp and the path of its size file. Made again only when the watched devices change.
    struct WatchedSize {
        QByteArray label;
        QByteArray sizePath;
    };
    mutable QStringList m_stampedNames;
    mutable std::vector<WatchedSize> m_stampedSizes;
    mutable bool m_stampedKnown = false;
};

} // namespace Platform
