#include "SystemKit/Graphics/GpuStatistics.h"
#include "SystemKit/Graphics/GraphicsCardKeyCategory.h"
#include "SystemKit/Graphics/OpenGlKey.h"

#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using SystemKit::GpuNumber;
using SystemKit::GpuStatistics;
using SystemKit::GraphicsCardKeyCategory;
using SystemKit::OpenGlKey;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
} // namespace

TEST(OpenGlKey, CatalogueHoldsEveryNameOnceInDeclarationOrder)
{
    const auto& all = OpenGlKey::allCases();
    QSet<QString> raw;
    QSet<QString> names;
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].index(), i);
        raw.insert(all[i].rawValue());
        names.insert(all[i].caseName());
        // Every raw value leads back to its own key.
        EXPECT_EQ(OpenGlKey::fromRawValue(all[i].rawValue()), all[i]) << all[i].rawValue().toStdString();
    }
    // No two keys share a raw value or a name, so no counter of a sample is shown twice or hidden.
    EXPECT_EQ(std::size_t(raw.size()), all.size());
    EXPECT_EQ(std::size_t(names.size()), all.size());
    EXPECT_EQ(OpenGlKey(OpenGlKey::hwChannelCompute1).rawValue(), QStringLiteral("HWChannel Compute1 | Commands Submitted"));
}

TEST(OpenGlKey, RawValuesMatchExactlyIncludingTheCrossedPairs)
{
    EXPECT_EQ(OpenGlKey::fromRawValue(u"Fan Speed(RPM)"), OpenGlKey::fanSpeedRpm);
    EXPECT_FALSE(OpenGlKey::fromRawValue(u"fanSpeedRpm"));
    EXPECT_FALSE(OpenGlKey::fromRawValue(u"fan speed(rpm)"));
    EXPECT_FALSE(OpenGlKey::fromRawValue(u"Fan Speed(RPM) "));
    EXPECT_EQ(OpenGlKey::fromRawValue(u"Device Utilization % at cur p-state"), OpenGlKey::deviceUtilizationAtCurrentPowerState);
    EXPECT_EQ(OpenGlKey::fromRawValue(u"contextGLCount"), OpenGlKey::contextGLCount);
    EXPECT_EQ(OpenGlKey::fromRawValue(u"contextGLCountcontextGLCount"), OpenGlKey::contextGLCountcontextGLCount);
    EXPECT_NE(OpenGlKey(OpenGlKey::contextGLCount), OpenGlKey(OpenGlKey::contextGLCountcontextGLCount));

    EXPECT_EQ(OpenGlKey(OpenGlKey::allocSystemMemory).rawValue(), QStringLiteral("Allow system memory"));
    EXPECT_EQ(OpenGlKey::fromRawValue(u"Allow system memory"), OpenGlKey::allocSystemMemory);
    EXPECT_EQ(OpenGlKey(OpenGlKey::allowSystemMemory).rawValue(), QStringLiteral("Alloc system memory"));
    EXPECT_EQ(OpenGlKey::fromRawValue(u"Alloc system memory"), OpenGlKey::allowSystemMemory);
    EXPECT_EQ(OpenGlKey::fromRawValue(u"Tiler Utilization"), OpenGlKey::tilerUtilization);
    EXPECT_EQ(OpenGlKey::fromRawValue(u"Tiler Utilization %"), OpenGlKey::tileUtilization);
    EXPECT_EQ(OpenGlKey::fromRawValue(u"HWChannel UVDDec | Commands Completed"), OpenGlKey::hwChannelCommandsCompleted);
}

TEST(OpenGlKey, CategoriesSymbolsAndFlags)
{
    using C = GraphicsCardKeyCategory;
    // The video memory group is filled from the card's memory figures, never from a counter.
    for (const OpenGlKey key : OpenGlKey::allCases())
        EXPECT_NE(key.category(), C::vram) << key.caseName().toStdString();

    // Keys whose group differs from what their names suggest.
    EXPECT_EQ(OpenGlKey(OpenGlKey::gartMapInBytesPerSample).category(), C::count);
    EXPECT_EQ(OpenGlKey(OpenGlKey::orphanedReusableSysMemoryHitRate).category(), C::count);
    EXPECT_EQ(OpenGlKey(OpenGlKey::freeSurfaceSwapBufferWaitTime).category(), C::count);
    EXPECT_EQ(OpenGlKey(OpenGlKey::lastRecoveryTime).category(), C::latency);

    EXPECT_EQ(OpenGlKey(OpenGlKey::textureCount).symbolName(), QStringLiteral("rectangle.grid.2x2.fill"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::surfaceCount).symbolName(), QStringLiteral("cpu"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::coreClockMhz).symbolName(), QStringLiteral("gauge"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::vramFreeBytes).symbolName(), QStringLiteral("memorychip"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::fanSpeedRpm).symbolName(), QStringLiteral("fanblades.fill"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::tileUtilization).symbolName(), QStringLiteral("gauge"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::totalPowerWatts).symbolName(), QStringLiteral("bolt.fill"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::temperature).symbolName(), QStringLiteral("flame.fill"));

    const auto& categories = GraphicsCardKeyCategory::allCases();
    ASSERT_GT(categories.size(), 2u);
    EXPECT_EQ(categories[2], C::vram);
    EXPECT_EQ(GraphicsCardKeyCategory::fromRawValue(QStringLiteral("hardwareChannel")), C::hardwareChannel);
    EXPECT_FALSE(GraphicsCardKeyCategory::fromRawValue(QStringLiteral("Memory")));
    EXPECT_EQ(GraphicsCardKeyCategory(C::vram).description(), QStringLiteral("Video Memory"));
}

TEST(OpenGlKey, DisplayNamesComeFromTheLibraryTable)
{
    EXPECT_EQ(OpenGlKey(OpenGlKey::fanSpeedRpm).localizedName(), QStringLiteral("Fan Speed"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::vramUsedBytes).localizedName(), QStringLiteral("VRAM Used"));
    // Every key has an English name of its own, unlike its case name.
    for (const OpenGlKey key : OpenGlKey::allCases())
        EXPECT_NE(key.localizedName(), key.caseName()) << key.caseName().toStdString();
}

TEST(OpenGlKey, ValueTextsByRule)
{
    const auto text = [](OpenGlKey::Case key, double value) { return OpenGlKey(key).valueText(value); };
    EXPECT_EQ(text(OpenGlKey::vramUsedBytes, 0), QStringLiteral("0 B"));
    EXPECT_EQ(text(OpenGlKey::vramUsedBytes, -5), QStringLiteral("0 B"));
    EXPECT_EQ(text(OpenGlKey::vramUsedBytes, 1536), QStringLiteral("1.5 KB"));
    EXPECT_EQ(text(OpenGlKey::hardwareWaitTime, 250000), QStringLiteral("2"));
    EXPECT_EQ(text(OpenGlKey::hardwareWaitTime, 99999), QStringLiteral("0"));
    EXPECT_EQ(text(OpenGlKey::fanSpeedRpm, 1200.9), QStringLiteral("1200 Rpm"));
    EXPECT_EQ(text(OpenGlKey::temperature, 61.9), QStringLiteral("61 \u00B0C"));
    EXPECT_EQ(text(OpenGlKey::deviceUtilization, 37.6), QStringLiteral("37 %"));
    EXPECT_EQ(text(OpenGlKey::tileUtilization, 37.6), QStringLiteral("37"));
    EXPECT_EQ(text(OpenGlKey::totalPowerWatts, 8.0), QStringLiteral("8 W"));
    EXPECT_EQ(text(OpenGlKey::coreClockMhz, 852), QStringLiteral("852 Mhz"));
    EXPECT_EQ(text(OpenGlKey::submitStamp, -1), QStringLiteral("0"));
    EXPECT_EQ(text(OpenGlKey::textureCount, 42.7), QStringLiteral("42"));
    EXPECT_EQ(text(OpenGlKey::temperature, -3.5), QStringLiteral("-3 \u00B0C"));
}

TEST(OpenGlKey, HostileNumbersShowADash)
{
    // Not finite or beyond the whole-number type of the rule: "-", never an undefined conversion.
    for (const double hostile : {kNaN, kInfinity, -kInfinity}) {
        for (const OpenGlKey key : OpenGlKey::allCases())
            EXPECT_EQ(key.valueText(hostile), QStringLiteral("-")) << key.caseName().toStdString();
    }
    for (const OpenGlKey::Case key : {OpenGlKey::vramUsedBytes, OpenGlKey::submitStamp, OpenGlKey::temperature,
                                      OpenGlKey::deviceUtilization, OpenGlKey::fanSpeedRpm, OpenGlKey::coreClockMhz})
        EXPECT_EQ(OpenGlKey(key).valueText(1e30), QStringLiteral("-")) << int(key);
    // Fan speeds are 32-bit: from 2^32, or at -1 and below, there is no value.
    EXPECT_EQ(OpenGlKey(OpenGlKey::fanSpeedRpm).valueText(4294967295.0), QStringLiteral("4294967295 Rpm"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::fanSpeedRpm).valueText(4294967296.0), QStringLiteral("-"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::fanSpeedRpm).valueText(-1), QStringLiteral("-"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::fanSpeedRpm).valueText(-0.5), QStringLiteral("0 Rpm"));
    // A negative huge counter on an unsigned rule is 0, a negative huge percentage has no value.
    EXPECT_EQ(OpenGlKey(OpenGlKey::submitStamp).valueText(-1e30), QStringLiteral("0"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::deviceUtilization).valueText(-1e30), QStringLiteral("-"));
    EXPECT_EQ(OpenGlKey(OpenGlKey::hardwareWaitTime).valueText(1e30), QStringLiteral("-"));
}

TEST(GpuStatistics, SnapshotKeepsTheReadingAndListsKnownCounters)
{
    const GpuStatistics empty;
    EXPECT_TRUE(empty.rawData().isEmpty());
    EXPECT_TRUE(empty.items().isEmpty());
    for (const OpenGlKey key : OpenGlKey::allCases())
        EXPECT_FALSE(empty.value(key));

    const GpuStatistics unknown({{QStringLiteral("fanSpeedRpm"), GpuNumber(5)}, {QStringLiteral("Bogus"), GpuNumber(1)}});
    EXPECT_EQ(unknown.rawData().size(), 2);
    EXPECT_TRUE(unknown.items().isEmpty());

    const GpuStatistics fan({{QStringLiteral("Fan Speed(RPM)"), GpuNumber(1200)}, {QStringLiteral("fanSpeedRpm"), GpuNumber(5)}});
    ASSERT_EQ(fan.items().size(), 1);
    EXPECT_EQ(fan.items()[0].key(), OpenGlKey::fanSpeedRpm);
    EXPECT_EQ(fan.items()[0].value(), 1200.0);
    EXPECT_EQ(fan.items()[0].formattedValue(), QStringLiteral("1200 Rpm"));
    EXPECT_EQ(fan.items()[0].description(), fan.items()[0].formattedValue());
    EXPECT_EQ(fan.value(OpenGlKey::fanSpeedRpm), GpuNumber(1200));

    const GpuStatistics flag({{QStringLiteral("recoveryCount"), GpuNumber(true)}});
    ASSERT_EQ(flag.items().size(), 1);
    EXPECT_EQ(flag.items()[0].value(), 1.0);
}

TEST(GpuStatistics, ItemsSortByDisplayNameWithFreshIds)
{
    const GpuStatistics::RawData raw{{QStringLiteral("Temperature(C)"), GpuNumber(40)},
                                     {QStringLiteral("vramUsedBytes"), GpuNumber(1024)},
                                     {QStringLiteral("Device Utilization %"), GpuNumber(3.0)},
                                     {QStringLiteral("Core Clock(MHz)"), GpuNumber(852)},
                                     {QStringLiteral("gartSizeBytes"), GpuNumber(2048)}};
    const GpuStatistics first(raw);
    const GpuStatistics second(raw);
    QStringList names;
    for (const auto& item : first.items())
        names << item.name();
    // Plain code-point order: upper-case letters before lower-case ones.
    EXPECT_EQ(names, (QStringList{"Core Clock", "Device Utilization", "GART Size", "Temperature", "VRAM Used"}));
    ASSERT_EQ(first.items().size(), second.items().size());
    for (qsizetype i = 0; i < first.items().size(); ++i) {
        EXPECT_EQ(first.items()[i].name(), second.items()[i].name());
        EXPECT_EQ(first.items()[i].value(), second.items()[i].value());
        EXPECT_NE(first.items()[i], second.items()[i]); // fresh ids
        EXPECT_EQ(first.items()[i].id().version(), QUuid::Random);
        EXPECT_EQ(first.items()[i].id().variant(), QUuid::DCE);
        EXPECT_EQ(qHash(first.items()[i]), qHash(second.items()[i]));
    }

    const auto placeholder = GpuStatistics::placeholder();
    ASSERT_EQ(placeholder->items().size(), 2);
    EXPECT_EQ(placeholder->items()[0].key(), OpenGlKey::deviceUtilization);
    EXPECT_EQ(placeholder->items()[1].key(), OpenGlKey::temperature);
    EXPECT_TRUE(placeholder->value(OpenGlKey::deviceUtilization)->isReal());
    EXPECT_FALSE(placeholder->value(OpenGlKey::temperature)->isReal());
}
