#include "BaseKit/System/MacSystem.h"

#include "BaseKit/BaseKitStrings.h"
#include "BaseKit/Dates/Duration.h"
#include "BaseKit/IO.h"

#include "Platform/Time/Clock.h"
#include "Platform/Bus/DynamicStore.h"
#include "Platform/Proc/HostStatistics.h"
#include "Platform/Registry/Registry.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <charconv>

namespace BaseKit {

namespace {

QString withoutNuls(QString text)
{
    text.remove(QChar(0));
    return text;
}

// Strict UTF-8: none when the bytes hold an invalid sequence.
std::optional<QString> strictUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The five wallpapers of the other platform's releases: no such pictures exist on a Linux system,
// so every one is absent.
std::optional<QImage> picture(int)
{
    return std::nullopt;
}

} // namespace

MacSystem::Sources MacSystem::defaultSources()
{
    Sources result;
    result.machine = std::make_shared<Platform::Machine>();
    result.computerName = [] { return Platform::DynamicStore::shared().computerName(); };
    result.bootTime = []() -> std::optional<std::int64_t> {
        const auto boot = Platform::HostStatistics().bootTime();
        if (!boot)
            return std::nullopt;
        return boot->seconds;
    };
    result.registry = Platform::Registry::live();
    result.clock = Platform::Clock::system();
    return result;
}

MacSystem::MacSystem(Sources sources) : m_sources(std::move(sources))
{
    if (m_sources.machine && m_sources.computerName && m_sources.bootTime && m_sources.registry && m_sources.clock)
        return;
    const Sources defaults = defaultSources();
    if (!m_sources.machine)
        m_sources.machine = defaults.machine;
    if (!m_sources.computerName)
        m_sources.computerName = defaults.computerName;
    if (!m_sources.bootTime)
        m_sources.bootTime = defaults.bootTime;
    if (!m_sources.registry)
        m_sources.registry = defaults.registry;
    if (!m_sources.clock)
        m_sources.clock = defaults.clock;
}

std::optional<int> MacSystem::clusterCount(const QString& prefix) const
{
    if (!isAppleSilicon())
        return std::nullopt;
    Platform::Registry& registry = mainPort();
    int count = 0;
    for (const auto entry : registry.entriesNamed(QStringLiteral("cpu"))) {
        const auto bytes = registry.property(entry, QStringLiteral("cluster-type")).toData();
        if (!bytes)
            continue;
        const auto text = strictUtf8(*bytes);
        if (text && text->startsWith(prefix))
            ++count;
    }
    return count;
}

Platform::Registry& MacSystem::mainPort() const
{
    return *m_sources.registry;
}

QString MacSystem::serialNumber() const
{
    return cached(m_cache.serialNumber, [this] {
        Platform::Registry& registry = mainPort();
        const auto entries = registry.entriesOfClass(QStringLiteral("IOPlatformExpertDevice"));
        if (entries.empty())
            return QStringLiteral("-");
        const auto serial = registry.property(entries.front(), QStringLiteral("IOPlatformSerialNumber")).toString();
        if (!serial)
            return QStringLiteral("-");
        return serial->trimmed();
    });
}

QString MacSystem::marketingName() const
{
    return cached(m_cache.marketingName, [this] {
        if (isAppleSilicon()) {
            Platform::Registry& registry = mainPort();
            const auto product = registry.entryAtPath(QStringLiteral("IOService:/AppleARMPE/product"));
            if (!product)
                return QStringLiteral("-");
            const auto bytes = registry.property(*product, QStringLiteral("product-description")).toData();
            if (!bytes || bytes->isEmpty())
                return QStringLiteral("-");
            return withoutNuls(QString::fromUtf8(*bytes));
        }
        const auto details = hardwareDetails();
        return details ? details->marketingModel : QStringLiteral("-");
    });
}

QString MacSystem::computerName() const
{
    return cached(m_cache.computerName, [this] {
        const QString name = m_sources.computerName();
        return name.isEmpty() ? localizedString(QStringLiteral("UNKNOWN_COMPUTER_NAME")) : name;
    });
}

QString MacSystem::model() const
{
    return cached(m_cache.model, [this] { return withoutNuls(machine().model()); });
}

QString MacSystem::processorName() const
{
    return cached(m_cache.processorName, [this] { return withoutNuls(machine().processorName()); });
}

QString MacSystem::hostName() const
{
    return cached(m_cache.hostName, [this] { return withoutNuls(machine().hostName()); });
}

std::uint32_t MacSystem::coreCount() const
{
    return cached(m_cache.coreCount, [this] { return machine().coreCount(); });
}

std::uint32_t MacSystem::threadCount() const
{
    return cached(m_cache.threadCount, [this] { return machine().threadCount(); });
}

std::uint32_t MacSystem::physicalProcessorCount() const
{
    return coreCount();
}

std::uint32_t MacSystem::logicalProcessorCount() const
{
    return threadCount();
}

QString MacSystem::architecture() const
{
    return cached(m_cache.architecture, [this] { return machine().architecture(); });
}

QString MacSystem::processorKind() const
{
    return cached(m_cache.processorKind,
                  [this] { return processorKind(isAppleSilicon(), architecture(), machine().processorVendor()); });
}

QString MacSystem::processorKind(bool appleSilicon, const QString& architecture, const QString& vendor)
{
    // One predicate decides Apple silicon everywhere; other processors are named by their maker.
    if (appleSilicon)
        return QStringLiteral("Apple Silicon");
    if (vendor == QStringLiteral("GenuineIntel"))
        return QStringLiteral("Intel");
    if (vendor == QStringLiteral("AuthenticAMD"))
        return QStringLiteral("AMD");
    return architecture;
}

std::optional<AppleHardwareDetails> MacSystem::hardwareDetails() const
{
    return cached(m_cache.hardwareDetails, [this]() -> std::optional<AppleHardwareDetails> {
        const auto details = machine().hardwareDetails();
        if (!details)
            return std::nullopt;
        const auto orDash = [](const QString& text) { return text.isEmpty() ? QStringLiteral("-") : text; };
        return AppleHardwareDetails{orDash(details->processor), orDash(details->description),
                                    orDash(details->marketingModel), orDash(details->model)};
    });
}

std::optional<QImage> MacSystem::bigSurWallpaper() const { return picture(0); }
std::optional<QImage> MacSystem::montereyWallpaper() const { return picture(1); }
std::optional<QImage> MacSystem::venturaWallpaper() const { return picture(2); }
std::optional<QImage> MacSystem::sonomaWallpaper() const { return picture(3); }
std::optional<QImage> MacSystem::sequoiaWallpaper() const { return picture(4); }

bool MacSystem::isAppleSilicon() const
{
    // Only a machine whose devicetree names that maker's system on a chip; an arm64 board or laptop
    // of any other maker is none. The devicetree does not change while the machine runs.
    return cached(m_cache.appleSilicon, [this] { return isAppleSilicon(machine().compatible()); });
}

bool MacSystem::isAppleSilicon(const QStringList& compatible)
{
    return std::any_of(compatible.begin(), compatible.end(),
                       [](const QString& one) { return one.startsWith(QLatin1String("apple,")); });
}

std::optional<int> MacSystem::efficiencyCoreCount() const
{
    return clusterCount(QStringLiteral("E"));
}

std::optional<int> MacSystem::performanceCoreCount() const
{
    return clusterCount(QStringLiteral("P"));
}

QString MacSystem::darwinReleaseName(int darwinMajor)
{
    static const char* const names[] = {"macOS Tiger",        "macOS Leopard",     "macOS Snow Leopard",
                                        "macOS Lion",         "macOS Mountain Lion", "macOS Mavericks",
                                        "macOS Yosemite",     "macOS El Capitan",  "macOS Sierra",
                                        "macOS High Sierra",  "macOS Mojave",      "macOS Catalina",
                                        "macOS Big Sur",      "macOS Monterey",    "macOS Ventura",
                                        "macOS Sonoma",       "macOS Sequoia"};
    if (darwinMajor < 8 || darwinMajor > 24)
        return localizedString(QStringLiteral("UNKNOWN_MACOS_VERSION"));
    return QString::fromLatin1(names[darwinMajor - 8]);
}

QString MacSystem::modelSymbolName() const
{
    return modelSymbolName(model());
}

QString MacSystem::modelSymbolName(const QString& model)
{
    if (model == QStringLiteral("Mac13,1"))
        return QStringLiteral("macstudio");
    if (model.startsWith(QStringLiteral("MacBookAir")) || model.startsWith(QStringLiteral("MacBookPro")))
        return QStringLiteral("laptopcomputer");
    if (model.startsWith(QStringLiteral("iMac")))
        return QStringLiteral("desktopcomputer");
    if (model.startsWith(QStringLiteral("Macmini")))
        return QStringLiteral("macmini");
    if (model.startsWith(QStringLiteral("MacPro"))) {
        if (model == QStringLiteral("MacPro4,1") || model == QStringLiteral("MacPro5,1"))
            return QStringLiteral("macpro.gen1");
        if (model == QStringLiteral("MacPro6,1"))
            return QStringLiteral("macpro.gen2");
        return QStringLiteral("macpro.gen3");
    }
    return QStringLiteral("desktopcomputer");
}

QString MacSystem::operatingSystemVersionString() const
{
    return machine().osVersionString();
}

QString MacSystem::versionText(const QString& operatingSystemVersionString)
{
    return QString(operatingSystemVersionString).replace(QStringLiteral("Version"), QString()).trimmed();
}

QString MacSystem::macOSVersionText(const QString& operatingSystemVersionString)
{
    return QString(operatingSystemVersionString).replace(QStringLiteral("Version"), QStringLiteral("macOS")).trimmed();
}

QString MacSystem::versionText() const
{
    return versionText(operatingSystemVersionString());
}

QString MacSystem::macOSVersionText() const
{
    // The running system's own name stands where "macOS" would.
    return QString(operatingSystemVersionString()).replace(QStringLiteral("Version"), macOSName()).trimmed();
}

std::optional<int> MacSystem::majorVersion(const QString& versionText)
{
    const QStringList pieces = versionText.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (pieces.isEmpty())
        return std::nullopt;
    QByteArray part = pieces.front().split(QLatin1Char('.')).front().toUtf8();
    if (part.startsWith('+'))
        part.remove(0, 1);
    int value = 0;
    const char* end = part.constData() + part.size();
    const auto [ptr, ec] = std::from_chars(part.constData(), end, value);
    if (part.isEmpty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::optional<int> MacSystem::majorVersion() const
{
    return majorVersion(versionText());
}

QString MacSystem::macOSName(std::optional<int> majorVersion)
{
    switch (majorVersion.value_or(0)) {
    case 11: return QStringLiteral("macOS Big Sur");
    case 12: return QStringLiteral("macOS Monterey");
    case 13: return QStringLiteral("macOS Ventura");
    case 14: return QStringLiteral("macOS Sonoma");
    case 15: return QStringLiteral("macOS Sequoia");
    default: return localizedString(QStringLiteral("UNKNOWN_MACOS_VERSION"));
    }
}

QString MacSystem::macOSName() const
{
    // os-release's NAME ("Debian GNU/Linux"); the macOS table is for macOS version texts only.
    return machine().osName();
}

QString MacSystem::operatingSystemText() const
{
    // No version known: the name alone, with no trailing blank.
    return (macOSName() + QLatin1Char(' ') + versionText()).trimmed();
}

QString MacSystem::productVersion() const
{
    return machine().productVersion();
}

int MacSystem::activeProcessorCount() const
{
    const std::uint32_t count = machine().threadCount();
    return int(std::min<std::uint32_t>(count, std::numeric_limits<int>::max()));
}

int MacSystem::thermalState() const
{
    return machine().thermalState();
}

std::uint64_t MacSystem::physicalMemory() const
{
    return machine().physicalMemory();
}

QString MacSystem::physicalMemoryText() const
{
    return IO::sizeText(physicalMemory());
}

QString MacSystem::uptimeText(std::int64_t seconds)
{
    if (seconds <= 0)
        return QStringLiteral("-");
    return Duration::durationText(seconds);
}

QString MacSystem::uptimeText() const
{
    // The time since boot that keeps counting through suspend.
    return uptimeText(m_sources.clock->secondsSinceBoot());
}

QString MacSystem::bootUptimeText() const
{
    const auto boot = m_sources.bootTime();
    if (!boot || *boot == 0)
        return QStringLiteral("-");
    const std::int64_t now = m_sources.clock->now().toSecsSinceEpoch();
    return Duration::durationText(now - *boot);
}

std::optional<QImage> MacSystem::wallpaper() const
{
    const auto major = majorVersion();
    if (!major || *major < 11 || *major > 15)
        return std::nullopt;
    return picture(*major - 11);
}

Platform::HostBasicInfo MacSystem::hostBasicInfo() const
{
    return machine().hostBasicInfo();
}

} // namespace BaseKit
