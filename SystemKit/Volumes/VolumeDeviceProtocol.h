#pragma once

#include <QString>

#include <optional>

namespace SystemKit {

// The physical interconnect of a disk, named by its device-protocol text.
enum class VolumeDeviceProtocol {
    usb,
    pciExpress,
    sdCard,
    appleFabric,
    pci,
    sata,
    ata,
    atapi,
    virtualInterface,
};

// The interconnect whose text equals `rawValue` exactly (case and punctuation count); none otherwise.
std::optional<VolumeDeviceProtocol> volumeDeviceProtocol(const QString& rawValue);
// "USB", "PCI-Express", "Secure Digital", "Apple Fabric", "PCI", "SATA", "ATA", "ATAPI",
// "Virtual Interface".
QString rawValue(VolumeDeviceProtocol protocol);
// The key of the display text ("USB", "PCI_EXPRESS", "SD_CARD", ...).
QString descriptionKey(VolumeDeviceProtocol protocol);
// The display text: the key looked up in the library's string table.
QString description(VolumeDeviceProtocol protocol);

} // namespace SystemKit
