#pragma once

#include <QString>

namespace SystemKit {

// Looks a key up in the sampling library's own string table (SystemKit_SystemKit.bundle), loaded once
// for the user's interface languages. A key without a translation comes back as the key itself.
//
// Keys: the case names of the graphics-card counters ("fanSpeedRpm", "temperature", ...), the raw
// values of their categories ("general", "memory", ...) and "UNKNOWN_GPU_MODEL"; the volume kinds
// "STARTUP_DISK", "SYSTEM_VOLUME", "EXTERNAL_VOLUME"; the interconnects "USB", "PCI_EXPRESS", "SD_CARD",
// "APPLE_FABRIC", "PCI", "SATA", "ATA", "ATAPI", "VIRTUAL_INTERFACE"; "UNKNOWN_ADDRESS" and the
// Wi-Fi descriptions.
QString localizedString(const QString& key);

// The same table for the network library's keys, given as C strings.
class SystemKitStrings {
public:
    SystemKitStrings() = delete;
    static QString text(const char* key) { return localizedString(QString::fromUtf8(key)); }
};

} // namespace SystemKit
