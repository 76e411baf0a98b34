#pragma once

#include "BaseKit/System/AppleHardwareDetails.h"

#include "Platform/Sysfs/Machine.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace Platform {
class Clock;
class Registry;
} // namespace Platform

namespace BaseKit {

// Which machine this is and which system it runs: model, names, serial number, processor, counts,
// operating system, memory, thermal state, uptime. Used on the main thread only.
//
// The program makes one at start-up and hands it to what shows the machine. The identification values
// (names, model, serial number, processor, counts, architecture, hardware details, pictures) are read
// once, at their first use, and kept for the life of the instance; the others are read again at every
// call. On Linux the operating system's own name and version stand
// where a macOS name would: a Linux system never gets a macOS name.
class MacSystem {
public:
    // Where the readings come from; the defaults read this machine.
    struct Sources {
        std::shared_ptr<const Platform::Machine> machine;
        // The user-visible computer name; "" when there is none.
        std::function<QString()> computerName;
        // The kernel's boot time in seconds since 1970; none when unreadable.
        std::function<std::optional<std::int64_t>()> bootTime;
        // The registry the identification reads.
        std::shared_ptr<Platform::Registry> registry;
        // The uptimes' clock.
        std::shared_ptr<const Platform::Clock> clock;
    };
    static Sources defaultSources();

    // Reads `sources`; an empty member reads this machine.
    explicit MacSystem(Sources sources = defaultSources());

    // Cached members.
    QString serialNumber() const;
    QString marketingName() const;
    QString computerName() const;
    QString model() const;
    QString processorName() const;
    QString hostName() const;
    std::uint32_t coreCount() const;
    std::uint32_t threadCount() const;
    std::uint32_t physicalProcessorCount() const;
    std::uint32_t logicalProcessorCount() const;
    QString architecture() const;
    QString processorKind() const;
    std::optional<AppleHardwareDetails> hardwareDetails() const;
    std::optional<QImage> bigSurWallpaper() const;
    std::optional<QImage> montereyWallpaper() const;
    std::optional<QImage> venturaWallpaper() const;
    std::optional<QImage> sonomaWallpaper() const;
    std::optional<QImage> sequoiaWallpaper() const;

    // Computed members.
    bool isAppleSilicon() const;
    std::optional<int> efficiencyCoreCount() const;
    std::optional<int> performanceCoreCount() const;
    static QString darwinReleaseName(int darwinMajor);
    QString modelSymbolName() const;
    std::optional<int> majorVersion() const;
    QString macOSName() const;
    QString operatingSystemVersionString() const;
    QString versionText() const;
    QString macOSVersionText() const;
    QString operatingSystemText() const;
    QString productVersion() const;
    int activeProcessorCount() const;
    // 0 nominal, 1 fair, 2 serious, 3 critical; −1 when the machine has no thermal zone to tell.
    int thermalState() const;
    std::uint64_t physicalMemory() const;
    QString physicalMemoryText() const;
    QString uptimeText() const;
    QString bootUptimeText() const;
    std::optional<QImage> wallpaper() const;
    Platform::HostBasicInfo hostBasicInfo() const;
    Platform::Registry& mainPort() const;

    // The rules behind the members, on given values.
    static QString processorKind(bool appleSilicon, const QString& architecture, const QString& vendor);
    // Whether devicetree "compatible" strings name a system on a chip of that maker ("apple,...").
    static bool isAppleSilicon(const QStringList& compatible);
    static QString modelSymbolName(const QString& model);
    static QString versionText(const QString& operatingSystemVersionString);
    static QString macOSVersionText(const QString& operatingSystemVersionString);
    static std::optional<int> majorVersion(const QString& versionText);
    static QString macOSName(std::optional<int> majorVersion);
    // Whole seconds since boot as the four-field duration; "-" for 0 or less.
    static QString uptimeText(std::int64_t seconds);

private:
    // Reads a value once and keeps it.
    template <typename T, typename Read>
    const T& cached(std::optional<T>& slot, Read read) const
    {
        if (!slot)
            slot = read();
        return *slot;
    }
    std::optional<int> clusterCount(const QString& prefix) const;
    const Platform::Machine& machine() const { return *m_sources.machine; }

    Sources m_sources;
    // The identification, read once.
    struct Cache {
        std::optional<QString> serialNumber;
        std::optional<QString> marketingName;
        std::optional<QString> computerName;
        std::optional<QString> model;
        std::optional<QString> processorName;
        std::optional<QString> hostName;
        std::optional<std::uint32_t> coreCount;
        std::optional<std::uint32_t> threadCount;
        std::optional<QString> architecture;
        std::optional<QString> processorKind;
        std::optional<bool> appleSilicon;
        std::optional<std::optional<AppleHardwareDetails>> hardwareDetails;
    };
    mutable Cache m_cache;
};

} // namespace BaseKit
