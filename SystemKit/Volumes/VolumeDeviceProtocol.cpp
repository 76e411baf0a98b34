#include "SystemKit/Volumes/VolumeDeviceProtocol.h"

#include "SystemKit/SystemKitStrings.h"

#include <array>

namespace SystemKit {

namespace {
struct Entry {
    VolumeDeviceProtocol protocol;
    const char* raw;
    const char* key;
};
constexpr std::array<Entry, 9> kEntries{{
    {VolumeDeviceProtocol::usb, "USB", "USB"},
    {VolumeDeviceProtocol::pciExpress, "PCI-Express", "PCI_EXPRESS"},
    {VolumeDeviceProtocol::sdCard, "Secure Digital", "SD_CARD"},
    {VolumeDeviceProtocol::appleFabric, "Apple Fabric", "APPLE_FABRIC"},
    {VolumeDeviceProtocol::pci, "PCI", "PCI"},
    {VolumeDeviceProtocol::sata, "SATA", "SATA"},
    {VolumeDeviceProtocol::ata, "ATA", "ATA"},
    {VolumeDeviceProtocol::atapi, "ATAPI", "ATAPI"},
    {VolumeDeviceProtocol::virtualInterface, "Virtual Interface", "VIRTUAL_INTERFACE"},
}};
} // namespace

std::optional<VolumeDeviceProtocol> volumeDeviceProtocol(const QString& text)
{
    for (const Entry& entry : kEntries) {
        if (text == QLatin1String(entry.raw))
            return entry.protocol;
    }
    return std::nullopt;
}

QString rawValue(VolumeDeviceProtocol protocol)
{
    return QLatin1String(kEntries[std::size_t(protocol)].raw);
}

QString descriptionKey(VolumeDeviceProtocol protocol)
{
    return QLatin1String(kEntries[std::size_t(protocol)].key);
}

QString description(VolumeDeviceProtocol protocol)
{
    return localizedString(descriptionKey(protocol));
}

} // namespace SystemKit
