#include "Platform/Registry/DrmRegistryAdapter.h"
#include "Platform/Sysfs/PciIds.h"
#include "Platform/Registry/SysfsRegistry.h"

#include "Support/FixtureRoot.h"

#include <gtest/gtest.h>

using Platform::DrmRegistryAdapter;
using Platform::PlistValue;
using Platform::SysfsRegistry;

namespace {

const QString kCard0 = QStringLiteral("IOService:/sys/class/drm/card0");
const QString kCard1 = QStringLiteral("IOService:/sys/class/drm/card1");
const QString kDevice0 = QStringLiteral("IOService:/sys/class/drm/card0/device");

// An excerpt of the PCI identifier database in its own format.
const QByteArray kPciIds = "# comment\n"
                           "1002  Advanced Micro Devices, Inc. [AMD/ATI]\n"
                           "\t6860  Vega 10 [Instinct MI25/MI25x2/V340/V320]\n"
                           "\t687f  Vega 10 XL/XT [Radeon RX Vega 56/64]\n"
                           "\t\t1002 0b36  RX Vega64\n"
                           "1022  Advanced Micro Devices, Inc. [AMD]\n"
                           "\t5917  Not an Intel device\n"
                           "8086  Intel Corporation\n"
                           "\t5916  HD Graphics 620\n"
                           "\t5917  UHD Graphics 620\n"
                           "C 03  Display controller\n"
                           "\t00  VGA compatible controller\n";

std::unique_ptr<SysfsRegistry> registryOf(const FixtureRoot& root)
{
    auto registry = std::make_unique<SysfsRegistry>(root.path());
    registry->addAdapter(std::make_unique<DrmRegistryAdapter>(root.path()));
    return registry;
}

PlistValue statisticsOf(const SysfsRegistry& registry, const QString& path)
{
    const auto entry = registry.fromPath(path);
    return entry ? registry.property(*entry, QStringLiteral("PerformanceStatistics")) : PlistValue();
}

PlistValue deviceProperty(const SysfsRegistry& registry, const QString& cardPath, const char* key)
{
    const auto entry = registry.fromPath(cardPath);
    if (!entry)
        return {};
    const auto parent = registry.parent(*entry);
    return parent ? registry.property(*parent, QLatin1String(key)) : PlistValue();
}

} // namespace

TEST(DrmRegistryAdapter, OneAcceleratorPerCardUnderItsDevice)
{
    FixtureRoot root(QStringLiteral("drm/amdgpu-i915"));
    // Connectors beside the cards, a render node and the class's own files are not cards.
    root.write(QStringLiteral("sys/class/drm/card1-DP-1/status"), "disconnected\n");
    root.write(QStringLiteral("sys/class/drm/renderD128/dev"), "226:128\n");
    root.write(QStringLiteral("sys/class/drm/card0x/dev"), "226:1\n");
    root.write(QStringLiteral("sys/class/drm/version"), "drm 1.1.0 20060810\n");
    auto registry = registryOf(root);

    const auto cards = registry->entriesOfClass(QStringLiteral("IOAccelerator"));
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(registry->path(cards[0]), kCard0);
    EXPECT_EQ(registry->path(cards[1]), kCard1);
    EXPECT_EQ(registry->name(cards[1]), QStringLiteral("card1"));
    const auto parent = registry->parent(cards[0]);
    ASSERT_TRUE(parent);
    EXPECT_EQ(registry->path(*parent), kDevice0);
    EXPECT_EQ(registry->className(*parent), QStringLiteral("IOPCIDevice"));
    EXPECT_EQ(registry->name(*parent), QStringLiteral("0000:09:00.0"));

    // The vendor sits on the device only: from its vendor file, or from the uevent's PCI_ID where
    // the device has no vendor file (the i915 card).
    EXPECT_TRUE(registry->property(cards[0], QStringLiteral("vendor-id")).isNone());
    EXPECT_EQ(deviceProperty(*registry, kCard0, "vendor-id").toData(), QByteArray("\x02\x10\x00\x00", 4));
    EXPECT_EQ(deviceProperty(*registry, kCard1, "vendor-id").toData(), QByteArray("\x86\x80\x00\x00", 4));

    // amdgpu's memory size on both entries, in whole mebibytes; none for i915.
    EXPECT_EQ(deviceProperty(*registry, kCard0, "VRAM,totalMB").toUInt64(), 8176u);
    EXPECT_EQ(registry->property(cards[0], QStringLiteral("VRAM,totalMB")).toUInt64(), 8176u);
    EXPECT_TRUE(registry->property(cards[1], QStringLiteral("VRAM,totalMB")).isNone());
}

TEST(DrmRegistryAdapter, AmdgpuCountersWithoutHwmonAndAnIdleIntelCard)
{
    FixtureRoot root(QStringLiteral("drm/amdgpu-i915"));
    auto registry = registryOf(root);

    const PlistValue amd = statisticsOf(*registry, kCard0);
    ASSERT_NE(amd.toDictionary(), nullptr);
    EXPECT_EQ(amd[QStringLiteral("Device Utilization %")].toInt64(), 4);
    EXPECT_EQ(amd[QStringLiteral("vramUsedBytes")].toUInt64(), 1490378752u);
    EXPECT_EQ(amd[QStringLiteral("vramFreeBytes")].toUInt64(), 8573157376u - 1490378752u);
    EXPECT_EQ(amd[QStringLiteral("gartSizeBytes")].toUInt64(), 8573157376u);
    EXPECT_EQ(amd[QStringLiteral("gartUsedBytes")].toUInt64(), 144560128u);
    EXPECT_EQ(amd[QStringLiteral("gartFreeBytes")].toUInt64(), 8573157376u - 144560128u);
    // No hwmon folder: the clocks come from the marked power states, and there is no temperature.
    EXPECT_EQ(amd[QStringLiteral("Core Clock(MHz)")].toUInt64(), 852u);
    EXPECT_EQ(amd[QStringLiteral("Memory Clock(MHz)")].toUInt64(), 167u);
    EXPECT_FALSE(amd.contains(QStringLiteral("Temperature(C)")));
    EXPECT_EQ(amd.toDictionary()->size(), 8u);

    // The i915 card publishes nothing readable here: an empty dictionary, not a failed read.
    const PlistValue intel = statisticsOf(*registry, kCard1);
    ASSERT_NE(intel.toDictionary(), nullptr);
    EXPECT_TRUE(intel.toDictionary()->empty());
    // Its frequency files, when present, give the core clock (the actual one before the requested).
    root.write(QStringLiteral("sys/class/drm/card1/gt_cur_freq_mhz"), "1100\n");
    EXPECT_EQ(statisticsOf(*registry, kCard1)[QStringLiteral("Core Clock(MHz)")].toUInt64(), 1100u);
    root.write(QStringLiteral("sys/class/drm/card1/gt_act_freq_mhz"), "350\n");
    EXPECT_EQ(statisticsOf(*registry, kCard1)[QStringLiteral("Core Clock(MHz)")].toUInt64(), 350u);
}

TEST(DrmRegistryAdapter, HwmonSensorsOfAnAmdgpuCard)
{
    FixtureRoot root(QStringLiteral("drm/vega56"));
    auto registry = registryOf(root);
    const PlistValue stats = statisticsOf(*registry, kCard0);
    ASSERT_NE(stats.toDictionary(), nullptr);
    EXPECT_EQ(stats[QStringLiteral("Temperature(C)")].toDouble(), 38.0);
    EXPECT_EQ(stats[QStringLiteral("Total Power(W)")].toDouble(), 8.0);
    EXPECT_EQ(stats[QStringLiteral("Fan Speed(RPM)")].toUInt64(), 5u);
    EXPECT_EQ(stats[QStringLiteral("Fan Speed(%)")].toDouble(), 0.0);
    // hwmon's clocks in Hz win over the power-state tables.
    EXPECT_EQ(stats[QStringLiteral("Core Clock(MHz)")].toDouble(), 26.0);
    EXPECT_EQ(stats[QStringLiteral("Memory Clock(MHz)")].toDouble(), 167.0);
    EXPECT_EQ(stats[QStringLiteral("Device Utilization %")].toInt64(), 0);
    EXPECT_EQ(stats[QStringLiteral("vramUsedBytes")].toUInt64(), 16613376u);

    // Values are live: the next read sees the sensor move.
    root.write(QStringLiteral("sys/class/drm/card0/device/hwmon/hwmon4/temp1_input"), "61900\n");
    root.write(QStringLiteral("sys/class/drm/card0/device/hwmon/hwmon4/pwm1"), "255\n");
    const PlistValue later = statisticsOf(*registry, kCard0);
    EXPECT_DOUBLE_EQ(*later[QStringLiteral("Temperature(C)")].toDouble(), 61.9);
    EXPECT_DOUBLE_EQ(*later[QStringLiteral("Fan Speed(%)")].toDouble(), 100.0);
}

TEST(DrmRegistryAdapter, ASuspendedCardIsNotWoken)
{
    FixtureRoot root(QStringLiteral("drm/vega56"));
    auto registry = registryOf(root);
    root.write(QStringLiteral("sys/class/drm/card0/device/power/runtime_status"), "suspended\n");
    const PlistValue asleep = statisticsOf(*registry, kCard0);
    ASSERT_NE(asleep.toDictionary(), nullptr);
    EXPECT_TRUE(asleep.toDictionary()->empty());
    // Its name and memory size stay readable.
    EXPECT_EQ(deviceProperty(*registry, kCard0, "VRAM,totalMB").toUInt64(), 8176u);

    root.write(QStringLiteral("sys/class/drm/card0/device/power/runtime_status"), "active\n");
    EXPECT_TRUE(statisticsOf(*registry, kCard0).contains(QStringLiteral("Temperature(C)")));
}

TEST(DrmRegistryAdapter, ModelFromProductNameUdevOrPciIds)
{
    FixtureRoot root(QStringLiteral("drm/amdgpu-i915"));
    {
        // The fixture's product name is empty and nothing else names the card.
        auto registry = registryOf(root);
        EXPECT_TRUE(deviceProperty(*registry, kCard0, "model").isNone());
    }
    root.write(QStringLiteral("usr/share/misc/pci.ids"), kPciIds);
    {
        auto registry = registryOf(root);
        EXPECT_EQ(deviceProperty(*registry, kCard0, "model").toData(), QByteArray("Vega 10 XL/XT [Radeon RX Vega 56/64]"));
        // Device 5917 under another vendor does not count for Intel.
        EXPECT_EQ(deviceProperty(*registry, kCard1, "model").toData(), QByteArray("UHD Graphics 620"));
    }
    root.write(QStringLiteral("run/udev/data/+pci:0000:09:00.0"), "I:1\nE:ID_VENDOR_FROM_DATABASE=AMD\nE:ID_MODEL_FROM_DATABASE=Radeon RX Vega 56\n");
    {
        auto registry = registryOf(root);
        EXPECT_EQ(deviceProperty(*registry, kCard0, "model").toData(), QByteArray("Radeon RX Vega 56"));
    }
    root.write(QStringLiteral("sys/class/drm/card0/device/product_name"), "Radeon RX Vega\n");
    {
        auto registry = registryOf(root);
        EXPECT_EQ(deviceProperty(*registry, kCard0, "model").toData(), QByteArray("Radeon RX Vega"));
    }
}

TEST(DrmRegistryAdapter, ARemovedCardVanishesAndNoDrmFolderGivesNoCard)
{
    FixtureRoot root(QStringLiteral("drm/amdgpu-i915"));
    auto registry = registryOf(root);
    ASSERT_TRUE(registry->fromPath(kCard0));
    QDir(root.path() + QStringLiteral("/sys/class/drm/card0")).removeRecursively();
    EXPECT_FALSE(registry->fromPath(kCard0));
    EXPECT_EQ(registry->entriesOfClass(QStringLiteral("IOAccelerator")).size(), 1u);

    QDir(root.path() + QStringLiteral("/sys/class/drm")).removeRecursively();
    EXPECT_TRUE(registry->entriesOfClass(QStringLiteral("IOAccelerator")).empty());
}

TEST(DrmRegistryAdapter, PowerStateTablesAndPciIdsScan)
{
    EXPECT_EQ(DrmRegistryAdapter::activeClock("0: 852Mhz *\n1: 991Mhz \n"), 852u);
    EXPECT_EQ(DrmRegistryAdapter::activeClock("0: 300Mhz \n1: 1200Mhz *\n"), 1200u);
    EXPECT_FALSE(DrmRegistryAdapter::activeClock("0: 300Mhz \n1: 1200Mhz \n"));
    EXPECT_FALSE(DrmRegistryAdapter::activeClock(""));

    const auto find = [](std::uint16_t vendor, std::uint16_t device) {
        return Platform::PciIds::find(kPciIds.constData(), std::size_t(kPciIds.size()), vendor, device);
    };
    EXPECT_EQ(find(0x8086, 0x5916), QStringLiteral("HD Graphics 620"));
    EXPECT_EQ(find(0x1022, 0x5917), QStringLiteral("Not an Intel device"));
    // A subsystem line is no device; the class list after the vendors is no vendor.
    EXPECT_FALSE(find(0x1002, 0x0b36));
    EXPECT_FALSE(find(0x1002, 0x1234));
    EXPECT_FALSE(find(0x10de, 0x0001));
    EXPECT_FALSE(Platform::PciIds::find("", 0, 0x8086, 0x5917));
}
