#include "SystemKit/Graphics/AmdGpu.h"
#include "SystemKit/Graphics/AppleGpu.h"
#include "SystemKit/Graphics/GraphicsCardController.h"
#include "SystemKit/Graphics/IntelGpu.h"

#include "Platform/Registry/DrmRegistryAdapter.h"
#include "Platform/Registry/SysfsRegistry.h"

#include "Support/FixtureRoot.h"
#include "GraphicsTestRegistry.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using Platform::PlistValue;
using SystemKit::DataStorageMode;
using SystemKit::GraphicsCardController;
using SystemKit::IGpu;

namespace {

const QString kStats = QStringLiteral("PerformanceStatistics");

PlistValue sample(std::int64_t busy)
{
    return PlistValue(PlistValue::DictionaryType{{QStringLiteral("Device Utilization %"), PlistValue(busy)}});
}

template <typename Card>
bool isA(const std::shared_ptr<IGpu>& card)
{
    return dynamic_cast<Card*>(card.get()) != nullptr;
}

} // namespace

TEST(GraphicsCardController, AmdCardsComeFirstThenRegistryOrder)
{
    GraphicsTestRegistry r;
    r.addCard(QStringLiteral("intel"), 0x8086, {}, {{kStats, sample(1)}});
    r.addCard(QStringLiteral("amd1"), 0x1002, {}, {{kStats, sample(2)}});
    r.addCard(QStringLiteral("nvidia"), 0x10de, {}, {{kStats, sample(3)}});
    r.addCard(QStringLiteral("amd2"), 0x1002, {}, {{kStats, sample(4)}}, /*vendorOnAccelerator=*/true);
    // Two bytes of the AMD identifier are no AMD vendor.
    const auto shortVendor = r.registry->addEntry(std::nullopt, QStringLiteral("short"), QStringLiteral("IOPCIDevice"),
                                                  {{QStringLiteral("vendor-id"), PlistValue(QByteArray("\x02\x10", 2))}});
    r.registry->addEntry(shortVendor, QStringLiteral("accel"), QStringLiteral("IOAccelerator"));
    // An accelerator without a parent is skipped.
    r.registry->addEntry(std::nullopt, QStringLiteral("orphan"), QStringLiteral("IOAccelerator"),
                         {{QStringLiteral("vendor-id"), PlistValue(GraphicsTestRegistry::vendor(0x1002))}});

    GraphicsCardController controller(DataStorageMode::all, 30, r.environment());
    const auto& cards = controller.graphicsCards();
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_TRUE(isA<SystemKit::AmdGpu>(cards[0]));
    EXPECT_EQ(cards[0]->utilization(), 2);
    EXPECT_TRUE(isA<SystemKit::AmdGpu>(cards[1]));
    EXPECT_EQ(cards[1]->utilization(), 4); // vendor on the accelerator itself
    EXPECT_TRUE(isA<SystemKit::IntelGpu>(cards[2]));
    EXPECT_EQ(cards[2]->path(), QStringLiteral("IOService:/intel/accel"));

    // No primary card until the first refresh; then the first AMD card.
    EXPECT_EQ(controller.primary(), nullptr);
    QSignalSpy primary(&controller, &GraphicsCardController::primaryChanged);
    QSignalSpy updated(&controller, &GraphicsCardController::graphicsCardUpdated);
    controller.refresh();
    controller.refresh();
    EXPECT_EQ(controller.primary(), cards[0].get());
    EXPECT_EQ(primary.count(), 2);
    EXPECT_EQ(updated.count(), 2);
}

TEST(GraphicsCardController, AnAppleAcceleratorAloneIsPrimary)
{
    GraphicsTestRegistry r;
    const auto arm = r.registry->addEntry(std::nullopt, QStringLiteral("AppleARMPE"), QStringLiteral("IOPlatformDevice"),
                                          {{QStringLiteral("vendor-id"), PlistValue(GraphicsTestRegistry::vendor(0x106b))}});
    r.registry->addEntry(arm, QStringLiteral("AGX"), QStringLiteral("IOAccelerator"), {{kStats, sample(5)}});
    GraphicsCardController controller(DataStorageMode::all, 30, r.environment());
    ASSERT_EQ(controller.graphicsCards().size(), 1u);
    EXPECT_TRUE(isA<SystemKit::AppleGpu>(controller.graphicsCards()[0]));
    controller.refresh();
    EXPECT_EQ(controller.primary(), controller.graphicsCards()[0].get());
    EXPECT_EQ(controller.primary()->model(), QStringLiteral("Test Processor"));
}

TEST(GraphicsCardController, RefreshSamplesStartRediscoversAndKeepsOneTimer)
{
    GraphicsTestRegistry r;
    const auto accelerator = r.addCard(QStringLiteral("amd"), 0x1002, {}, {{kStats, sample(1)}});
    GraphicsCardController controller(DataStorageMode::all, 30, r.environment());
    const auto constructed = controller.graphicsCards()[0];

    // Before any start, refresh samples the cards made at construction.
    r.registry->setProperty(accelerator, kStats, sample(7));
    controller.refresh();
    EXPECT_EQ(constructed->utilization(), 7);
    EXPECT_EQ(controller.primary(), constructed.get());

    controller.stop(); // nothing to stop
    EXPECT_EQ(controller.timer(), nullptr);

    QSignalSpy timer(&controller, &GraphicsCardController::timerChanged);
    controller.start(1.0);
    QTimer* first = controller.timer();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->interval(), 1000);
    // The list is new; the primary card is the old one until the next refresh, and stays alive.
    EXPECT_NE(controller.graphicsCards()[0], constructed);
    EXPECT_EQ(controller.primary(), constructed.get());
    controller.start(5.0);
    EXPECT_EQ(controller.timer(), first);
    EXPECT_EQ(first->interval(), 1000);
    EXPECT_EQ(timer.count(), 1);
    controller.refresh();
    EXPECT_EQ(controller.primary(), controller.graphicsCards()[0].get());

    controller.stop();
    EXPECT_EQ(controller.timer(), nullptr);
}

TEST(GraphicsCardController, DrmCardsOfAFixtureTree)
{
    FixtureRoot root(QStringLiteral("drm/amdgpu-i915"));
    root.write(QStringLiteral("usr/share/misc/pci.ids"),
               "1002  Advanced Micro Devices, Inc. [AMD/ATI]\n\t687f  Vega 10 XL/XT [Radeon RX Vega 56/64]\n"
               "8086  Intel Corporation\n\t5917  UHD Graphics 620\n");
    auto registry = std::make_shared<Platform::SysfsRegistry>(root.path());
    registry->addAdapter(std::make_unique<Platform::DrmRegistryAdapter>(root.path()));
    SystemKit::GraphicsEnvironment environment;
    environment.registry = registry;
    GraphicsCardController controller(DataStorageMode::all, 30, environment);
    controller.start(1.0);
    controller.refresh();

    const auto& cards = controller.graphicsCards();
    ASSERT_EQ(cards.size(), 2u);
    IGpu* amd = controller.primary();
    ASSERT_EQ(amd, cards[0].get());
    EXPECT_EQ(amd->model(), QStringLiteral("Vega 10 XL/XT [Radeon RX Vega 56/64]"));
    EXPECT_EQ(amd->vramSizeBytes(), 8573157376u);
    EXPECT_EQ(amd->utilization(), 4);
    EXPECT_NEAR(amd->vramRatio(), 1490378752.0 / 8573157376.0, 1e-6);
    EXPECT_FALSE(amd->hasTemperature());
    QStringList rows;
    for (const auto& item : amd->statistics()->items())
        rows << item.name() + QStringLiteral(": ") + item.formattedValue();
    EXPECT_EQ(rows, (QStringList{"Core Clock: 852 Mhz", "Device Utilization: 4 %", "GART Free: 7.85 GB", "GART Size: 7.98 GB",
                                 "GART Used: 137.9 MB", "Memory Clock: 167 Mhz", "VRAM Free: 6.6 GB", "VRAM Used: 1.39 GB"}));

    IGpu* intel = cards[1].get();
    EXPECT_EQ(intel->model(), QStringLiteral("UHD Graphics 620"));
    EXPECT_FALSE(intel->utilization());
    EXPECT_EQ(intel->vramRatio(), 0.0f);
    ASSERT_TRUE(intel->statistics());
    EXPECT_TRUE(intel->statistics()->items().isEmpty());

    // The AMD card is removed between two ticks: it reports no sample and keeps its place until the
    // next start.
    QDir(root.path() + QStringLiteral("/sys/class/drm/card0")).removeRecursively();
    controller.refresh();
    EXPECT_EQ(controller.graphicsCards().size(), 2u);
    EXPECT_EQ(controller.primary(), amd);
    EXPECT_FALSE(amd->statistics());
    EXPECT_EQ(amd->vramRatio(), 0.0f);
    controller.start(1.0);
    controller.refresh();
    ASSERT_EQ(controller.graphicsCards().size(), 1u);
    EXPECT_EQ(controller.primary()->model(), QStringLiteral("UHD Graphics 620"));

    // No DRM folder at all (a machine without a graphics card): no card, no primary, still an event.
    QDir(root.path() + QStringLiteral("/sys/class/drm")).removeRecursively();
    controller.start(1.0);
    QSignalSpy updated(&controller, &GraphicsCardController::graphicsCardUpdated);
    controller.refresh();
    EXPECT_TRUE(controller.graphicsCards().empty());
    EXPECT_EQ(controller.primary(), nullptr);
    EXPECT_EQ(updated.count(), 1);
}

TEST(GraphicsCardController, ASuspendedCardShowsAnEmptySample)
{
    FixtureRoot root(QStringLiteral("drm/vega56"));
    root.write(QStringLiteral("sys/class/drm/card0/device/power/runtime_status"), "suspended\n");
    auto registry = std::make_shared<Platform::SysfsRegistry>(root.path());
    registry->addAdapter(std::make_unique<Platform::DrmRegistryAdapter>(root.path()));
    SystemKit::GraphicsEnvironment environment;
    environment.registry = registry;
    GraphicsCardController controller(DataStorageMode::all, 30, environment);
    controller.refresh();
    IGpu* card = controller.primary();
    ASSERT_NE(card, nullptr);
    ASSERT_TRUE(card->statistics());
    EXPECT_TRUE(card->statistics()->items().isEmpty());
    EXPECT_FALSE(card->utilization());
    EXPECT_FALSE(card->hasTemperature());
    EXPECT_EQ(card->vramRatio(), 0.0f);

    root.write(QStringLiteral("sys/class/drm/card0/device/power/runtime_status"), "active\n");
    controller.refresh();
    EXPECT_TRUE(card->hasTemperature());
    EXPECT_EQ(card->utilization(), 0);
    EXPECT_NEAR(card->vramRatio(), 16613376.0 / 8573157376.0, 1e-6);
}
