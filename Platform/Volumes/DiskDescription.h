#pragma once

#include <QString>

#include <optional>

namespace Platform {

// What the system knows about the disk under a mounted volume: its interconnect, the file system,
// the device's maker, model and revision, the volume's label and device name, and the registry paths
// of the disk's device entry and of the volume's media entry (BlockStorageRegistryAdapter).
struct DiskDescription {
    std::optional<QString> deviceProtocol; // "USB", "PCI-Express", "Secure Digital", "SATA", "Virtual Interface"
    std::optional<QString> volumeType;     // the file-system type ("ext4")
    std::optional<QString> volumeKind;     // the same type text
    std::optional<QString> vendor;
    std::optional<QString> model;
    std::optional<QString> volumeName;     // the file-system label
    std::optional<QString> mediaBsdName;   // the volume's own device ("sda1")
    std::optional<QString> revision;
    bool isLocked = false;                 // Linux has no such lock
    std::optional<QString> devicePath;     // registry path of the physical disk's device entry
    std::optional<QString> mediaPath;      // registry path of the volume's media or partition entry
};

} // namespace Platform
