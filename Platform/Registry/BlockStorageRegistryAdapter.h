#pragma once

#include "Platform/Sysfs/BlockDevices.h"
#include "Platform/Registry/RegistryAdapter.h"

#include <QHash>

namespace Platform {

// The registry's block-storage entries, one group per whole disk of /sys/block (BlockDevices):
// - the disk's device entry (class "IOBlockStorageDevice") with its ancestors, the sysfs folders
//   above it; it holds "Device Characteristics", and a USB device folder above it (class
//   "IOUSBHostDevice") holds "USBSpeed" and "Device Speed";
// - under the device, the driver entry (class "IOBlockStorageDriver") with "Statistics";
// - under the driver, the media entry (class "IOMedia", "BSD Name" = the disk's name), and under the
//   media one entry per partition ("BSD Name" = the partition's name).
// A device made of other devices (dm-*, md*) hangs its media entry under the entry of its first
// slave, so that the topmost named entry above it is the physical disk.
// Property values are read when asked: the counters are live.
class BlockStorageRegistryAdapter : public RegistryAdapter {
public:
    explicit BlockStorageRegistryAdapter(QString root = QStringLiteral("/"));

    QByteArray stamp() const override;
    std::vector<Node> entries() const override;
    PlistValue::DictionaryType properties(const QString& path) const override;
    PlistValue property(const QString& path, const QString& key) const override;

private:
    enum class Kind { device, usbDevice, driver, media };
    struct Known {
        Kind kind;
        QString name; // the disk of a device or driver, the device name of a media entry
        QString folder;
    };

    BlockDevices m_devices;
    mutable QHash<QString, Known> m_known;
    mutable QStringList m_emptyDevices; // left out at the last listing; their sizes are watched
};

} // namespace Platform
