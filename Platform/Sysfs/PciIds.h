#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>

namespace Platform {

// Device names from the PCI identifier database (Debian's pci.ids, /usr/share/misc/pci.ids below the
// root). The file is read only when a name is asked for, mapped rather than copied, and scanned only
// as far as the vendor's block; every answer is kept, so each device costs one scan per process.
class PciIds {
public:
    explicit PciIds(QString root = QStringLiteral("/"));

    // The name of the device `device` of vendor `vendor` ("UHD Graphics 620"); none when the
    // database or the entry is missing.
    std::optional<QString> deviceName(std::uint16_t vendor, std::uint16_t device) const;

    // The same lookup in the text of a database.
    static std::optional<QString> find(const char* data, std::size_t size, std::uint16_t vendor, std::uint16_t device);

private:
    QString m_file;
    mutable QHash<std::uint32_t, std::optional<QString>> m_names;
};

} // namespace Platform
