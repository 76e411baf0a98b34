#pragma once

#include "Platform/Sysfs/PciIds.h"
#include "Platform/Registry/RegistryAdapter.h"

#include <QHash>

#include <memory>

#include <string>

namespace Platform {

// The registry's graphics accelerators: one entry of class "IOAccelerator" per DRM card
// (/sys/class/drm/card<N>, N digits only: connectors such as card0-DP-1 and render nodes are not
// cards), ascending N, under an entry of class "IOPCIDevice" for the card's device (its PCI
// function). Paths are "IOService:" + the real sysfs path of each folder.
//
// Properties of the device entry: "vendor-id" (the 16-bit PCI vendor as four little-endian bytes),
// "model" (UTF-8 data: amdgpu's product name, else the udev database's model, else pci.ids), and for
// amdgpu "VRAM,totalMB". The accelerator entry has "VRAM,totalMB" too and "PerformanceStatistics":
// a dictionary of numbers read afresh at every read from amdgpu's busy and memory files, i915's
// frequency files and the device's hwmon folder; a counter that cannot be read is left out.
// A card whose device is runtime-suspended is never woken: its statistics are an empty dictionary.
class DrmRegistryAdapter : public RegistryAdapter {
public:
    explicit DrmRegistryAdapter(QString root = QStringLiteral("/"));

    QByteArray stamp() const override;
    std::vector<Node> entries() const override;
    PlistValue::DictionaryType properties(const QString& path) const override;
    PlistValue property(const QString& path, const QString& key) const override;

    // The clock in MHz of the line marked "*" of a power-state table ("1: 991Mhz *"); none without it.
    static std::optional<std::uint64_t> activeClock(std::string_view table);

private:
    // An open folder, so that the files in it are opened by name without walking the whole path.
    struct Folder;
    struct Card {
        std::string device; // card<N>/device, absolute
        std::shared_ptr<const Folder> folderFd; // card<N>
        std::shared_ptr<const Folder> deviceFd;
        std::shared_ptr<const Folder> hwmonFd;  // the device's hwmon folder once found
        QString driver;
        std::optional<std::uint16_t> vendor;
        std::optional<std::uint16_t> deviceId;
        QString slot;
        std::optional<std::uint64_t> vramTotal; // amdgpu's fixed sizes, read once
        std::optional<std::uint64_t> gttTotal;
    };
    // The card an entry path belongs to, and whether the path is its device entry.
    Card* cardAt(const QString& path, bool& isDevice) const;
    PlistValue read(Card& card, bool isDevice, const QString& key) const;
    PlistValue performanceStatistics(Card& card) const;
    std::optional<QString> model(const Card& card) const;
    // A file of an open folder; none when the folder or the file cannot be read.
    std::optional<std::string_view> text(const Folder* folder, const char* name) const;
    std::optional<std::uint64_t> number(const Folder* folder, const char* name) const;
    QString entryPath(const QString& folder) const;

    QString m_root;
    QString m_canonicalRoot;
    QByteArray m_drmFolder;
    PciIds m_pciIds;
    mutable std::string m_buffer;
    mutable QHash<QString, Card> m_cards;          // by accelerator path
    mutable QHash<QString, QString> m_cardOfDevice; // device path -> accelerator path
};

} // namespace Platform
