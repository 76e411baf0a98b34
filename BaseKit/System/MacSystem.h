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
// The identification values (names, model, serial number, processor, counts, architecture, hardware
// details, pictures) are read once, at their first use, and kept for the life of the process; the
// others are read again at every call. On Linux the operating system's own name and version stand
// where a macOS name would: a Linux system never gets a macOS name.
class MacSystem {
public:
    MacSystem() = delete;

    // Where the readings come from. Tests install their own with setSources(); the defaults read this
    // machine.
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
    // Replaces the sources and forgets every cached value.
    static void setSources(Sources sources);

    // Cached members.
    static QString serialNumber();
    static QString marketingName();
    static QString computerName();
    static QString model();
    static QString processorName();
    static QString hostName();
    static std::uint32_t coreCount();
    static std::uint32_t threadCount();
    static std::uint32_t physicalProcessorCount();
    static std::uint32_t logicalProcessorCount();
    static QString architecture();
    static QString processorKind();
    static std::optional<AppleHardwareDetails> hardwareDetails();
    static std::optional<QImage> bigSurWallpaper();
    static std::optional<QImage> montereyWallpaper();
    static std::optional<QImage> venturaWallpaper();
    static std::optional<QImage> sonomaWallpaper();
    static std::optional<QImage> sequoiaWallpaper();

    // Computed members.
    static bool isAppleSilicon();
    static std::optional<int> efficiencyCoreCount();
    static std::optional<int> performanceCoreCount();
    static QString darwinReleaseName(int darwinMajor);
    static QString modelSymbolName();
    static std::optional<int> majorVersion();
    static QString macOSName();
    static QString operatingSystemVersionString();
    static QString versionText();
    static QString macOSVersionText();
    static QString operatingSystemText();
    static QString productVersion();
    static int activeProcessorCount();
    // 0 nominal, 1 fair, 2 serious, 3 critical; −1 when the machine has no thermal zone to tell.
    static int thermalState();
    static std::uint64_t physicalMemory();
    static QString physicalMemoryText();
    static QString uptimeText();
    static QString bootUptimeText();
    static std::optional<QImage> wallpaper();
    static Platform::HostBasicInfo hostBasicInfo();
    static Platform::Registry& mainPort();

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
};

} // namespace BaseKit
