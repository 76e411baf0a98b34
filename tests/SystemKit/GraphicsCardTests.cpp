#include "SystemKit/Graphics/AmdGpu.h"
#include "SystemKit/Graphics/AppleGpu.h"
#include "SystemKit/Graphics/IntelGpu.h"
#include "SystemKit/Graphics/NativeController.h"

#include "GraphicsTestRegistry.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

using Platform::PlistValue;
using SystemKit::AmdGpu;
using SystemKit::AppleGpu;
using SystemKit::DataStorageMode;
using SystemKit::GpuNumber;
using SystemKit::IntelGpu;
using SystemKit::NativeController;
using SystemKit::OpenGlKey;

namespace {

const QString kStats = QStringLiteral("PerformanceStatistics");

PlistValue::DictionaryType counters(double busy, double temperature, std::uint64_t vramFree)
{
    return {{QStringLiteral("Device Utilization %"), PlistValue(busy)},
            {QStringLiteral("Temperature(C)"), PlistValue(temperature)},
            {QStringLiteral("vramFreeBytes"), PlistValue(vramFree)},
            {QStringLiteral("Uncatalogued"), PlistValue(std::int64_t(7))}};
}

struct AmdFixture : GraphicsTestRegistry {
    Platform::RegistryEntryId accelerator = 0;
    Platform::RegistryEntryId device = 0;
    AmdFixture()
    {
        accelerator = addCard(QStringLiteral("pci0"), 0x1002,
                              {{QStringLiteral("model"), PlistValue(QByteArray("Radeon Test\0\0", 13))},
                               {QStringLiteral("VRAM,totalMB"), PlistValue(std::uint64_t(8192))}},
                              {{kStats, statistics(counters(12, 40, 2147483648ULL))}});
        device = *registry->parent(accelerator);
    }
    QString path() const { return registry->path(accelerator); }
    QString parentPath() const { return registry->path(device); }
    void setCounters(PlistValue::DictionaryType values) { registry->setProperty(accelerator, kStats, statistics(std::move(values))); }
    void failReads() { registry->setProperty(accelerator, kStats, PlistValue()); }
};

} // namespace

TEST(AmdGpu, ConstructionReadsNameMemoryAndTheFirstSampleIntoAFullHistory)
{
    AmdFixture f;
    AmdGpu card(f.path(), f.parentPath(), DataStorageMode::all, 30, f.environment());
    EXPECT_EQ(card.priority(), 1);
    EXPECT_EQ(card.model(), QStringLiteral("Radeon Test")); // trailing NULs removed
    EXPECT_EQ(card.vramSizeBytes(), 8192ULL * 1048576ULL);
    ASSERT_TRUE(card.statistics());
    ASSERT_EQ(card.history().size(), 30);
    for (int i = 1; i < 29; ++i)
        EXPECT_EQ(card.history()[i], card.history()[0]);
    EXPECT_NE(card.history()[0], card.statistics());
    EXPECT_EQ(card.history()[0]->rawData().size(), 2); // the placeholder
    EXPECT_EQ(card.history()[29], card.statistics());
    EXPECT_FALSE(card.previousStatistics());
    EXPECT_TRUE(card.maxValues().isEmpty());
    EXPECT_TRUE(card.lastChanges().isEmpty());
    EXPECT_EQ(card.utilization(), 12);
    EXPECT_TRUE(card.hasTemperature());
    // The memory bar shows the used share for every vendor: 2 GiB free of 8 GiB is three quarters used.
    EXPECT_FLOAT_EQ(card.vramRatio(), 0.75f);
}

TEST(AmdGpu, UpdatesKeepMaximaAndStampOnlyChangedCounters)
{
    AmdFixture f;
    AmdGpu card(f.path(), f.parentPath(), DataStorageMode::all, 3, f.environment());
    const auto first = card.statistics();
    f.setCounters(counters(12.7, 41, 2147483648ULL));
    f.now += 1;
    QSignalSpy statistics(&card, &AmdGpu::statisticsChanged);
    card.update();
    EXPECT_EQ(statistics.count(), 1);
    EXPECT_EQ(card.previousStatistics(), first);
    EXPECT_EQ(card.history().size(), 3);
    EXPECT_EQ(card.history()[1], first);
    EXPECT_EQ(card.history()[2], card.statistics());
    // Maxima for every catalogued counter of the sample; last changes only where the whole value moved
    // (12 to 12.7 is no change).
    EXPECT_EQ(card.maxValues().size(), 3);
    EXPECT_FALSE(card.maxValues().contains(OpenGlKey::gpuActivityPercentage));
    EXPECT_EQ(card.lastChanges().keys(), QList<OpenGlKey>{OpenGlKey::temperature});
    EXPECT_EQ(card.lastChanges().value(OpenGlKey::temperature), f.now);

    // 12.7 and 12.9 are both 12: the first maximum stays.
    f.setCounters(counters(12.9, 30, 2147483648ULL));
    card.update();
    EXPECT_EQ(card.maxValues().value(OpenGlKey::deviceUtilization), GpuNumber(12.7));
    EXPECT_EQ(card.maxValues().value(OpenGlKey::temperature), GpuNumber(41.0));
}

TEST(AmdGpu, NegativeAndHostileCountersNeverBecomeHugeMaxima)
{
    AmdFixture f;
    f.setCounters({{QStringLiteral("submitStamp"), PlistValue(std::int64_t(-1))}});
    AmdGpu card(f.path(), f.parentPath(), DataStorageMode::all, 30, f.environment());
    card.update();
    ASSERT_TRUE(card.maxValues().contains(OpenGlKey::submitStamp));
    f.setCounters({{QStringLiteral("submitStamp"), PlistValue(std::int64_t(5))}});
    card.update();
    EXPECT_EQ(card.maxValues().value(OpenGlKey::submitStamp), GpuNumber(5));
    f.setCounters({{QStringLiteral("submitStamp"), PlistValue(std::numeric_limits<double>::quiet_NaN())},
                   {QStringLiteral("Device Utilization %"), PlistValue(std::numeric_limits<double>::infinity())}});
    card.update();
    EXPECT_EQ(card.maxValues().value(OpenGlKey::submitStamp), GpuNumber(5));
    // A utilisation with no whole-number value is no utilisation.
    EXPECT_FALSE(card.utilization());
}

TEST(AmdGpu, AFailedReadKeepsTheHistoryAndTheNextReadStampsEveryCounter)
{
    AmdFixture f;
    f.failReads();
    AmdGpu card(f.path(), f.parentPath(), DataStorageMode::all, 30, f.environment());
    EXPECT_FALSE(card.statistics());
    EXPECT_EQ(card.history().size(), 30);
    EXPECT_EQ(card.history().front(), card.history().back());
    EXPECT_FALSE(card.utilization());
    EXPECT_FALSE(card.hasTemperature());
    EXPECT_EQ(card.vramRatio(), 0.0f);

    f.setCounters(counters(1, 2, 3));
    card.update();
    EXPECT_EQ(std::size_t(card.lastChanges().size()), OpenGlKey::allCases().size()); // every key stamped
    const auto good = card.statistics();

    // Gone again: the previous sample is the last good one, the history stays, nothing is updated.
    f.failReads();
    const auto history = card.history();
    const auto maxima = card.maxValues();
    card.update();
    EXPECT_FALSE(card.statistics());
    EXPECT_EQ(card.previousStatistics(), good);
    EXPECT_EQ(card.history(), history);
    EXPECT_EQ(card.maxValues(), maxima);
}

TEST(AmdGpu, ModeNoneStillKeepsMaximaButIntelDoesNot)
{
    AmdFixture f;
    AmdGpu amd(f.path(), f.parentPath(), DataStorageMode::none, 30, f.environment());
    IntelGpu intel(f.path(), f.parentPath(), DataStorageMode::none, 30, f.environment());
    for (int i = 0; i < 3; ++i) {
        f.now += 1;
        amd.update();
        intel.update();
        EXPECT_EQ(amd.lastChanges().value(OpenGlKey::lastRecoveryTime), f.now); // every key, every update
    }
    EXPECT_TRUE(amd.history().isEmpty());
    EXPECT_FALSE(amd.previousStatistics());
    EXPECT_EQ(amd.maxValues().size(), 3);
    EXPECT_EQ(std::size_t(amd.lastChanges().size()), OpenGlKey::allCases().size());
    EXPECT_TRUE(intel.history().isEmpty());
    EXPECT_FALSE(intel.previousStatistics());
    EXPECT_TRUE(intel.maxValues().isEmpty());
    EXPECT_TRUE(intel.lastChanges().isEmpty());
    EXPECT_TRUE(intel.statistics());
}

TEST(IntelGpu, NameFromTheDeviceMemoryFromTheAccelerator)
{
    GraphicsTestRegistry r;
    const auto accelerator = r.addCard(QStringLiteral("igpu"), 0x8086, {{QStringLiteral("VRAM,totalMB"), PlistValue(std::uint64_t(4096))}},
                                       {{QStringLiteral("VRAM,totalMB"), PlistValue(std::uint64_t(1024))},
                                        {kStats, GraphicsTestRegistry::statistics({{QStringLiteral("GPU Activity(%)"), PlistValue(std::int64_t(40))}})}});
    IntelGpu card(r.registry->path(accelerator), r.registry->path(*r.registry->parent(accelerator)), DataStorageMode::all, 30,
                  r.environment());
    EXPECT_EQ(card.priority(), 0);
    EXPECT_EQ(card.vramSizeBytes(), 1024ULL * 1048576ULL);
    // No model on the device: the library's unknown-model text.
    EXPECT_EQ(card.model(), QStringLiteral("Unknown Graphics Card"));
    EXPECT_EQ(card.utilization(), 40);
    EXPECT_EQ(card.vramRatio(), 0.0f); // no free-memory counter
    EXPECT_FALSE(card.hasTemperature());

    // The first utilisation key wins whenever present, also at 0.
    r.registry->setProperty(accelerator, kStats,
                            GraphicsTestRegistry::statistics({{QStringLiteral("GPU Activity(%)"), PlistValue(std::int64_t(40))},
                                                              {QStringLiteral("Device Utilization %"), PlistValue(0.0)}}));
    card.update();
    EXPECT_EQ(card.utilization(), 0);
}

TEST(NativeController, RegistryReadersAndTheirFailures)
{
    GraphicsTestRegistry r;
    auto& reg = *r.registry;
    const auto entry = reg.addEntry(std::nullopt, QStringLiteral("e"), QStringLiteral("IOAccelerator"));
    EXPECT_FALSE(NativeController::model(reg, entry));
    reg.setProperty(entry, QStringLiteral("model"), PlistValue(QStringLiteral("text, not data")));
    EXPECT_FALSE(NativeController::model(reg, entry));
    reg.setProperty(entry, QStringLiteral("model"), PlistValue(QByteArray(3, '\0')));
    EXPECT_EQ(NativeController::model(reg, entry), QString());
    reg.setProperty(entry, QStringLiteral("model"), PlistValue(QByteArray("Ra\0de\xffon", 8)));
    EXPECT_EQ(NativeController::model(reg, entry), QStringLiteral("Rade\uFFFDon"));

    EXPECT_FALSE(NativeController::readPerformanceStatistics(reg, entry));
    reg.setProperty(entry, kStats, PlistValue(PlistValue::DictionaryType{}));
    const auto empty = NativeController::readPerformanceStatistics(reg, entry);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->rawData().isEmpty());
    // One value that is no number spoils the whole reading.
    reg.setProperty(entry, kStats,
                    PlistValue(PlistValue::DictionaryType{{QStringLiteral("Temperature(C)"), PlistValue(std::int64_t(40))},
                                                          {QStringLiteral("nested"), PlistValue(PlistValue::DictionaryType{})}}));
    EXPECT_FALSE(NativeController::readPerformanceStatistics(reg, entry));
    reg.setProperty(entry, kStats, PlistValue(QStringLiteral("not a dictionary")));
    EXPECT_FALSE(NativeController::readPerformanceStatistics(reg, entry));

    EXPECT_FALSE(NativeController::gpuCoreCount(reg, entry));
    reg.setProperty(entry, QStringLiteral("gpu-core-count"), PlistValue(std::int64_t(8)));
    EXPECT_EQ(NativeController::gpuCoreCount(reg, entry), 8);
    // 256 cores do not read as 0.
    reg.setProperty(entry, QStringLiteral("gpu-core-count"), PlistValue(std::int64_t(256)));
    EXPECT_EQ(NativeController::gpuCoreCount(reg, entry), 255);
    reg.setProperty(entry, QStringLiteral("gpu-core-count"), PlistValue(std::int64_t(-3)));
    EXPECT_EQ(NativeController::gpuCoreCount(reg, entry), 0);

    EXPECT_FALSE(NativeController::socName(reg));
    const auto arm = reg.addEntry(std::nullopt, QStringLiteral("AppleARMPE"), QStringLiteral("IOPlatformDevice"));
    const auto product = reg.addEntry(arm, QStringLiteral("product"), QStringLiteral("IOService"));
    EXPECT_FALSE(NativeController::socName(reg));
    reg.setProperty(product, QStringLiteral("product-soc-name"), PlistValue(QByteArray("Apple M2 Pro\0junk", 17)));
    EXPECT_EQ(NativeController::socName(reg), QStringLiteral("Apple M2 Pro"));
}

TEST(AppleGpu, ChipNameMachineMemoryAndTheUsedShare)
{
    GraphicsTestRegistry r;
    const auto arm = r.registry->addEntry(std::nullopt, QStringLiteral("AppleARMPE"), QStringLiteral("IOPlatformDevice"));
    const auto product = r.registry->addEntry(arm, QStringLiteral("product"), QStringLiteral("IOService"),
                                              {{QStringLiteral("product-soc-name"), PlistValue(QByteArray("Apple M1\0", 9))}});
    const auto agx = r.registry->addEntry(arm, QStringLiteral("AGXAccelerator"), QStringLiteral("IOAccelerator"),
                                          {{QStringLiteral("gpu-core-count"), PlistValue(std::int64_t(8))},
                                           {kStats, GraphicsTestRegistry::statistics(
                                                        {{QStringLiteral("In use system memory"), PlistValue(std::uint64_t(4294967296ULL))},
                                                         {QStringLiteral("Device Utilization %"), PlistValue(std::int64_t(9))}})}});
    AppleGpu card(r.registry->path(agx), DataStorageMode::all, 30, r.environment());
    EXPECT_EQ(card.priority(), 0);
    EXPECT_EQ(card.model(), QStringLiteral("Apple M1"));
    EXPECT_EQ(card.gpuCoreCount(), 8);
    EXPECT_EQ(card.vramSizeBytes(), r.physicalMemory);
    EXPECT_FLOAT_EQ(card.vramRatio(), 0.25f);
    EXPECT_EQ(card.utilization(), 9);
    EXPECT_EQ(card.history().size(), 30);

    // A free-memory counter does not stand in for the in-use one.
    r.registry->setProperty(agx, kStats, GraphicsTestRegistry::statistics({{QStringLiteral("vramFreeBytes"), PlistValue(std::uint64_t(1))}}));
    card.update();
    EXPECT_EQ(card.vramRatio(), 0.0f);
    EXPECT_EQ(card.lastChanges().size(), 0); // no counter held by both samples changed

    // An empty chip name falls back to the processor's brand text; no core count, no count.
    r.registry->setProperty(product, QStringLiteral("product-soc-name"), PlistValue(QByteArray()));
    r.registry->setProperty(agx, QStringLiteral("gpu-core-count"), PlistValue());
    AppleGpu fallback(r.registry->path(agx), DataStorageMode::none, 30, r.environment());
    EXPECT_EQ(fallback.model(), QStringLiteral("Test Processor"));
    EXPECT_FALSE(fallback.gpuCoreCount());
    fallback.update();
    EXPECT_TRUE(fallback.maxValues().isEmpty());
    EXPECT_TRUE(fallback.history().isEmpty());
}
