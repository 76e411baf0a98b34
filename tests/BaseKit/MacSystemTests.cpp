#include "BaseKit/System/MacSystem.h"

#include "BaseKit/BaseKitStrings.h"
#include "BaseKit/IO.h"

#include "Platform/Time/FakeClock.h"
#include "Platform/Proc/HostStatistics.h"
#include "Platform/Registry/InMemoryRegistry.h"

#include <QTimeZone>
#include <gtest/gtest.h>

#include <memory>

using BaseKit::MacSystem;

namespace {

const QString fixtures = QStringLiteral(KESTRION_FIXTURES "/BaseKit/");

Platform::KernelIdentity kernel(const char* machine)
{
    return {QStringLiteral("Linux"), QStringLiteral("worklaptop"), QStringLiteral("6.1.0-18-amd64"),
            QLatin1String(machine)};
}

QString unknownMacOS()
{
    return BaseKit::localizedString(QStringLiteral("UNKNOWN_MACOS_VERSION"));
}

class MacSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registry = std::make_shared<Platform::InMemoryRegistry>();
        clock = std::make_shared<Platform::FakeClock>();
    }

    void use(const char* tree, const char* machine = "x86_64", QString computerName = QString())
    {
        const QString root = fixtures + QLatin1String(tree);
        MacSystem::Sources sources;
        sources.machine = std::make_shared<Platform::Machine>(root, kernel(machine));
        sources.computerName = [this, computerName] {
            ++computerNameReads;
            return computerName;
        };
        sources.bootTime = [root]() -> std::optional<std::int64_t> {
            const auto boot = Platform::HostStatistics(root).bootTime();
            return boot ? std::optional<std::int64_t>(boot->seconds) : std::nullopt;
        };
        sources.registry = registry;
        sources.clock = clock;
        system = std::make_unique<MacSystem>(std::move(sources));
    }

    // The machine of the last use().
    std::unique_ptr<MacSystem> system;
    std::shared_ptr<Platform::InMemoryRegistry> registry;
    std::shared_ptr<Platform::FakeClock> clock;
    int computerNameReads = 0;
};

} // namespace

TEST(MacSystemRules, ModelSymbolNames)
{
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("Mac13,1")), QStringLiteral("macstudio"));
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("Mac13,2")), QStringLiteral("desktopcomputer"));
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("MacPro7,1")), QStringLiteral("macpro.gen3"));
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("MacPro8,1")), QStringLiteral("macpro.gen3"));
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("MacPro5,1")), QStringLiteral("macpro.gen1"));
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("MacPro6,1")), QStringLiteral("macpro.gen2"));
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("MacBookAir10,1")), QStringLiteral("laptopcomputer"));
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("MacBook10,1")), QStringLiteral("desktopcomputer"));
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("Macmini9,1")), QStringLiteral("macmini"));
    EXPECT_EQ(MacSystem::modelSymbolName(QStringLiteral("imac21,1")), QStringLiteral("desktopcomputer"));
    EXPECT_EQ(MacSystem::modelSymbolName(QString()), QStringLiteral("desktopcomputer"));
}

TEST(MacSystemRules, MacOSVersionTexts)
{
    const QString raw = QStringLiteral("Version 15.1 (Build 24B83)");
    const QString version = MacSystem::versionText(raw);
    EXPECT_EQ(version, QStringLiteral("15.1 (Build 24B83)"));
    EXPECT_EQ(MacSystem::majorVersion(version), 15);
    EXPECT_EQ(MacSystem::macOSName(MacSystem::majorVersion(version)), QStringLiteral("macOS Sequoia"));
    EXPECT_EQ(MacSystem::macOSName(11), QStringLiteral("macOS Big Sur"));
    EXPECT_EQ(MacSystem::macOSVersionText(raw), QStringLiteral("macOS 15.1 (Build 24B83)"));
    EXPECT_EQ(MacSystem::macOSName(26), unknownMacOS());
    EXPECT_EQ(MacSystem::macOSName(std::nullopt), unknownMacOS());
    EXPECT_EQ(MacSystem::majorVersion(QStringLiteral("+14.5 (Build 23F79)")), 14);
    EXPECT_EQ(MacSystem::majorVersion(QStringLiteral("-3.1")), -3);
    EXPECT_FALSE(MacSystem::majorVersion(QString()).has_value());
    EXPECT_FALSE(MacSystem::majorVersion(QStringLiteral("(Build 6.1.0)")).has_value());
    EXPECT_FALSE(MacSystem::majorVersion(QStringLiteral("99999999999.1")).has_value());
}

TEST(MacSystemRules, DarwinReleaseNames)
{
    EXPECT_EQ(MacSystem::darwinReleaseName(20), QStringLiteral("macOS Big Sur"));
    EXPECT_EQ(MacSystem::darwinReleaseName(8), QStringLiteral("macOS Tiger"));
    EXPECT_EQ(MacSystem::darwinReleaseName(24), QStringLiteral("macOS Sequoia"));
    EXPECT_EQ(MacSystem::darwinReleaseName(7), unknownMacOS());
    EXPECT_EQ(MacSystem::darwinReleaseName(25), unknownMacOS());
    EXPECT_EQ(MacSystem::darwinReleaseName(-20), unknownMacOS());
}

TEST(MacSystemRules, ProcessorKindNamesTheMaker)
{
    EXPECT_EQ(MacSystem::processorKind(true, QStringLiteral("aarch64"), QString()), QStringLiteral("Apple Silicon"));
    // Any other arm64 machine is named as uname names it.
    EXPECT_EQ(MacSystem::processorKind(false, QStringLiteral("arm64"), QString()), QStringLiteral("arm64"));
    EXPECT_EQ(MacSystem::processorKind(false, QStringLiteral("x86_64"), QStringLiteral("AuthenticAMD")), QStringLiteral("AMD"));
    EXPECT_EQ(MacSystem::processorKind(false, QStringLiteral("x86_64"), QStringLiteral("GenuineIntel")), QStringLiteral("Intel"));
    EXPECT_EQ(MacSystem::processorKind(false, QStringLiteral("aarch64"), QString()), QStringLiteral("aarch64"));
}

TEST(MacSystemRules, AppleSiliconOnlyWhereTheDevicetreeNamesThatMakersChip)
{
    EXPECT_TRUE(MacSystem::isAppleSilicon(QStringList{"apple,j293", "apple,t8103", "apple,arm-platform"}));
    EXPECT_FALSE(MacSystem::isAppleSilicon(QStringList{"pine64,rockpro64-v2.1", "rockchip,rk3399"}));
    EXPECT_FALSE(MacSystem::isAppleSilicon(QStringList{"raspberrypi,4-model-b", "brcm,bcm2711"}));
    EXPECT_FALSE(MacSystem::isAppleSilicon(QStringList{"applemicro,xgene", "PowerMac7,3"}));
    EXPECT_FALSE(MacSystem::isAppleSilicon(QStringList{}));
}

TEST(MacSystemRules, UptimeOfZeroIsADash)
{
    EXPECT_EQ(MacSystem::uptimeText(0), QStringLiteral("-"));
    EXPECT_EQ(MacSystem::uptimeText(-5), QStringLiteral("-"));
    EXPECT_EQ(MacSystem::uptimeText(90061), QStringLiteral("01:01:01:01"));
}

TEST_F(MacSystemTest, ALinuxSystemIsNamedByItself)
{
    use("container");
    EXPECT_EQ(system->macOSName(), QStringLiteral("Debian GNU/Linux"));
    EXPECT_EQ(system->operatingSystemVersionString(), QStringLiteral("Version 12 (Build 6.1.0-18-amd64)"));
    EXPECT_EQ(system->versionText(), QStringLiteral("12 (Build 6.1.0-18-amd64)"));
    EXPECT_EQ(system->operatingSystemText(), QStringLiteral("Debian GNU/Linux 12 (Build 6.1.0-18-amd64)"));
    EXPECT_EQ(system->macOSVersionText(), QStringLiteral("Debian GNU/Linux 12 (Build 6.1.0-18-amd64)"));
    EXPECT_EQ(system->productVersion(), QStringLiteral("12"));
    EXPECT_EQ(system->majorVersion(), 12);
    EXPECT_FALSE(system->wallpaper().has_value());
}

TEST_F(MacSystemTest, ContainerGivesTheFallbacks)
{
    use("container");
    EXPECT_EQ(system->serialNumber(), QStringLiteral("-"));
    EXPECT_EQ(system->marketingName(), QStringLiteral("-"));
    EXPECT_FALSE(system->hardwareDetails().has_value());
    EXPECT_EQ(system->model(), QString());
    EXPECT_EQ(system->computerName(), BaseKit::localizedString(QStringLiteral("UNKNOWN_COMPUTER_NAME")));
    EXPECT_EQ(system->thermalState(), -1);
    EXPECT_EQ(system->processorKind(), QStringLiteral("AMD"));
    EXPECT_FALSE(system->isAppleSilicon());
    EXPECT_FALSE(system->efficiencyCoreCount().has_value());
    EXPECT_FALSE(system->performanceCoreCount().has_value());
    EXPECT_EQ(system->physicalMemory(), 16393548ull * 1024);
    EXPECT_EQ(system->physicalMemoryText(), BaseKit::IO::sizeText(16393548ull * 1024));
}

TEST_F(MacSystemTest, LaptopIdentity)
{
    registry->addEntry(std::nullopt, QStringLiteral("XPS 13 9320"), QStringLiteral("IOPlatformExpertDevice"),
                       {{QStringLiteral("IOPlatformSerialNumber"), Platform::PlistValue(" 7HXK2Q3\n")}});
    use("laptop-xps13", "x86_64", QStringLiteral("Anna's Laptop"));
    EXPECT_EQ(system->serialNumber(), QStringLiteral("7HXK2Q3"));
    EXPECT_EQ(system->marketingName(), QStringLiteral("Dell Inc. XPS 13 9320"));
    EXPECT_EQ(system->model(), QStringLiteral("XPS 13 9320"));
    EXPECT_EQ(system->computerName(), QStringLiteral("Anna's Laptop"));
    EXPECT_EQ(system->hostName(), QStringLiteral("worklaptop"));
    EXPECT_EQ(system->processorName(), QStringLiteral("12th Gen Intel(R) Core(TM) i7-1260P"));
    EXPECT_EQ(system->processorKind(), QStringLiteral("Intel"));
    EXPECT_EQ(system->coreCount(), 12u);
    EXPECT_EQ(system->threadCount(), 16u);
    EXPECT_EQ(system->activeProcessorCount(), 16);
    EXPECT_EQ(system->thermalState(), 0);
    const auto details = system->hardwareDetails();
    ASSERT_TRUE(details.has_value());
    EXPECT_EQ(details->model, QStringLiteral("XPS 13 9320"));
    EXPECT_EQ(details->description, QStringLiteral("-"));
    EXPECT_EQ(system->operatingSystemText(), QStringLiteral("Ubuntu 22.04 (Build 6.1.0-18-amd64)"));
}

TEST_F(MacSystemTest, TwoSocketCounts)
{
    use("x86-two-socket");
    EXPECT_EQ(system->coreCount(), 16u);
    EXPECT_EQ(system->physicalProcessorCount(), 16u);
    EXPECT_EQ(system->threadCount(), 32u);
    EXPECT_EQ(system->logicalProcessorCount(), 32u);
    EXPECT_EQ(system->hostBasicInfo().logicalProcessors, 32);
}

TEST_F(MacSystemTest, IdentificationIsReadOnce)
{
    const auto entry = registry->addEntry(std::nullopt, QStringLiteral("platform"),
                                          QStringLiteral("IOPlatformExpertDevice"),
                                          {{QStringLiteral("IOPlatformSerialNumber"), Platform::PlistValue("A1")}});
    use("laptop-xps13", "x86_64", QStringLiteral("Desk"));
    EXPECT_EQ(system->serialNumber(), QStringLiteral("A1"));
    EXPECT_EQ(system->computerName(), QStringLiteral("Desk"));
    registry->setProperty(entry, QStringLiteral("IOPlatformSerialNumber"), Platform::PlistValue("B2"));
    EXPECT_EQ(system->serialNumber(), QStringLiteral("A1"));
    EXPECT_EQ(system->computerName(), QStringLiteral("Desk"));
    EXPECT_EQ(computerNameReads, 1);
}

TEST_F(MacSystemTest, SerialNumberOfTheWrongKindIsADash)
{
    registry->addEntry(std::nullopt, QStringLiteral("platform"), QStringLiteral("IOPlatformExpertDevice"),
                       {{QStringLiteral("IOPlatformSerialNumber"), Platform::PlistValue(QByteArray("A1"))}});
    use("laptop-xps13");
    EXPECT_EQ(system->serialNumber(), QStringLiteral("-"));
}

TEST_F(MacSystemTest, AppleSiliconReadsTheRegistry)
{
    const auto arm = registry->addEntry(std::nullopt, QStringLiteral("AppleARMPE"), QStringLiteral("IOPlatformDevice"));
    registry->addEntry(arm, QStringLiteral("product"), QStringLiteral("IOService"),
                       {{QStringLiteral("product-description"),
                         Platform::PlistValue(QByteArray("MacBook Pro (14-inch, 2021)\0", 28))}});
    const auto cpus = registry->addEntry(std::nullopt, QStringLiteral("cpus"), QStringLiteral("IOService"));
    const auto cluster = [&](Platform::PlistValue type) {
        registry->addEntry(cpus, QStringLiteral("cpu"), QStringLiteral("AppleARMCPU"),
                           {{QStringLiteral("cluster-type"), std::move(type)}});
    };
    cluster(Platform::PlistValue(QByteArray("E\0", 2)));
    cluster(Platform::PlistValue(QByteArray("E\0", 2)));
    cluster(Platform::PlistValue(QByteArray("P\0", 2)));
    cluster(Platform::PlistValue(QStringLiteral("P")));      // text, not bytes: not counted
    cluster(Platform::PlistValue(QByteArray("P\xff", 2)));   // not UTF-8: not counted
    use("apple-m1", "aarch64");
    EXPECT_TRUE(system->isAppleSilicon());
    EXPECT_EQ(system->processorKind(), QStringLiteral("Apple Silicon"));
    EXPECT_EQ(system->marketingName(), QStringLiteral("MacBook Pro (14-inch, 2021)"));
    EXPECT_EQ(system->efficiencyCoreCount(), 2);
    EXPECT_EQ(system->performanceCoreCount(), 1);
}

TEST_F(MacSystemTest, AppleSiliconWithoutEntriesGivesDashAndZero)
{
    use("apple-m2-procfs", "aarch64");
    EXPECT_TRUE(system->isAppleSilicon());
    EXPECT_EQ(system->marketingName(), QStringLiteral("-"));
    EXPECT_EQ(system->efficiencyCoreCount(), 0);
}

TEST_F(MacSystemTest, ArmBoardsAreNoAppleSilicon)
{
    use("aarch64-rk3399", "aarch64");
    EXPECT_FALSE(system->isAppleSilicon());
    // Also where uname says arm64: the devicetree names another maker's chip, or there is none.
    use("aarch64-rk3399", "arm64");
    EXPECT_FALSE(system->isAppleSilicon());
    EXPECT_FALSE(system->efficiencyCoreCount().has_value());
    // The ARM board of 2012 the sampling tool's fixtures hold: no devicetree at all.
    use("../Tools/kestrion-sample/embedded-arm", "arm64");
    EXPECT_FALSE(system->isAppleSilicon());
    EXPECT_EQ(system->processorKind(), QStringLiteral("arm64"));
    use("aarch64-rk3399", "aarch64");
    EXPECT_EQ(system->processorKind(), QStringLiteral("aarch64"));
    EXPECT_EQ(system->processorName(), QString());
    EXPECT_EQ(system->marketingName(), QStringLiteral("Pine64 RockPro64 v2.1"));
    EXPECT_FALSE(system->efficiencyCoreCount().has_value());
}

TEST_F(MacSystemTest, UptimeKeepsCountingThroughSuspend)
{
    use("container");
    // Booted a day ago and suspended for most of it: the monotonic clock saw only 100 seconds.
    clock->setMonotonic(std::chrono::seconds(100));
    clock->setSecondsSinceBoot(90061);
    EXPECT_EQ(system->uptimeText(), QStringLiteral("01:01:01:01"));
    clock->setSecondsSinceBoot(0);
    EXPECT_EQ(system->uptimeText(), QStringLiteral("-"));
}

TEST_F(MacSystemTest, BootUptimeFromTheKernelsBootTime)
{
    use("container"); // btime 1733560000
    clock->setNow(QDateTime::fromSecsSinceEpoch(1733560000 + 3661, QTimeZone::utc()));
    EXPECT_EQ(system->bootUptimeText(), QStringLiteral("00:01:01:01"));

    MacSystem::Sources none;
    none.machine = std::make_shared<Platform::Machine>(fixtures + QStringLiteral("container"), kernel("x86_64"));
    none.bootTime = [] { return std::optional<std::int64_t>(); };
    none.registry = registry;
    none.clock = clock;
    system = std::make_unique<MacSystem>(none);
    EXPECT_EQ(system->bootUptimeText(), QStringLiteral("-"));
    none.bootTime = [] { return std::optional<std::int64_t>(0); };
    system = std::make_unique<MacSystem>(none);
    EXPECT_EQ(system->bootUptimeText(), QStringLiteral("-"));
}
