#pragma once

#include <QString>

namespace SystemKit {

// Looks a key up in the sampling library's own string table (SystemKit_SystemKit.bundle), loaded once
// for the user's interface languages. A key without a translation comes back as the key itself.
//
// Keys: the case names of the graphics-card counters ("fanSpeedRpm", "temperature", ...), the raw
// values of their categories ("general", "memory", ...) and "UNKNOWN_GPU_MODEL"; the volume kinds
// "STARTUP_DISK", "SYSTEM_VOLUME", "EXTERNAL_VOLUME"; the interconnects "USB", "PCI_EXPRESS", "SD_CARD",
// "APPLE_FABRIC", "PCI", "SATA", "ATA", "ATAPI", "VIRTUAL_INTERFACE".
QString localizedString(const QString& key);

} // namespace SystemKit
