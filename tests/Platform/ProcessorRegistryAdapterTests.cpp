#include "Platform/Registry/ProcessorRegistryAdapter.h"
#include "Platform/Registry/SysfsRegistry.h"

#include <QtEndian>

#include <gtest/gtest.h>

using Platform::PlistValue;
using Platform::ProcessorRegistryAdapter;

namespace {
QString fixture(const char* name)
{
    return QStringLiteral(KESTRION_FIXTURES "/SystemKit/sysfs/") + QLatin1String(name);
}

const QString kCpu = QStringLiteral("IOService:/sys/devices/system/cpu/cpu");

std::optional<quint64> littleEndian(const PlistValue& value)
{
    const auto data = value.toData();
    if (!data)
        return std::nullopt;
    if (data->size() == 4)
        return qFromLittleEndian<quint32>(data->constData());
    if (data->size() == 8)
        return qFromLittleEndian<quint64>(data->constData());
    return std::nullopt;
}
} // namespace

TEST(ProcessorRegistryAdapter, ProcessorListsParseOrFail)
{
    EXPECT_EQ(ProcessorRegistryAdapter::parseProcessorList("0-3,5,7-8\n"), (QList<int>{0, 1, 2, 3, 5, 7, 8}));
    EXPECT_EQ(ProcessorRegistryAdapter::parseProcessorList("0"), QList<int>{0});
    EXPECT_TRUE(ProcessorRegistryAdapter::parseProcessorList("").isEmpty());
    EXPECT_TRUE(ProcessorRegistryAdapter::parseProcessorList("3-1").isEmpty());
    EXPECT_TRUE(ProcessorRegistryAdapter::parseProcessorList("0-x").isEmpty());
    EXPECT_TRUE(ProcessorRegistryAdapter::parseProcessorList("0-99999999").isEmpty());

    // Out of order and overlapping: each processor once, ascending.
    EXPECT_EQ(ProcessorRegistryAdapter::parseProcessorList("6-7,0-2,1-3,2"), (QList<int>{0, 1, 2, 3, 6, 7}));
    // The widest range given over and over still lists each processor once.
    QByteArray repeated;
    for (int i = 0; i < 500; ++i)
        repeated += "0-65535,";
    repeated += "5";
    EXPECT_EQ(ProcessorRegistryAdapter::parseProcessorList(repeated).size(), 65536);
}

TEST(ProcessorRegistryAdapter, OneEntryPerPresentProcessorWithCpufreqClock)
{
    auto registry = Platform::SysfsRegistry(fixture("x86"));
    registry.addAdapter(std::make_unique<ProcessorRegistryAdapter>(fixture("x86")));
    const auto entries = registry.entriesNamed(QStringLiteral("processor"));
    ASSERT_EQ(entries.size(), 4u); // present, offline cpu2 included
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(registry.path(entries[i]), kCpu + QString::number(i));
    EXPECT_EQ(littleEndian(registry.property(entries[0], QStringLiteral("clock-frequency"))), 4700000000ull);
    EXPECT_EQ(registry.property(entries[0], QStringLiteral("clock-frequency")).toData()->size(), 8);
    EXPECT_EQ(littleEndian(registry.property(entries[1], QStringLiteral("clock-frequency"))), 2100000000ull);
    EXPECT_EQ(registry.property(entries[1], QStringLiteral("clock-frequency")).toData()->size(), 4);
    EXPECT_TRUE(registry.property(entries[2], QStringLiteral("clock-frequency")).isNone()); // unreadable number
    EXPECT_TRUE(registry.property(entries[3], QStringLiteral("clock-frequency")).isNone()); // no cpufreq
    EXPECT_TRUE(registry.property(entries[0], QStringLiteral("bus-frequency")).isNone());
    EXPECT_TRUE(registry.property(entries[0], QStringLiteral("compatible")).isNone());
    // Each entry carries its kernel number, the offline one too, whatever else it lacks.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const PlistValue number = registry.property(entries[i], QStringLiteral("processor-number"));
        EXPECT_EQ(littleEndian(number), quint64(i));
        EXPECT_EQ(number.toData()->size(), 4);
    }
}

TEST(ProcessorRegistryAdapter, DevicetreeCellsBecomeLittleEndian)
{
    ProcessorRegistryAdapter adapter(fixture("devicetree"));
    const auto nodes = adapter.entries();
    ASSERT_EQ(nodes.size(), 2u);
    const auto cpu0 = adapter.properties(nodes[0].path);
    EXPECT_EQ(cpu0.at(QStringLiteral("compatible")).toData(), QByteArray("arm,cortex-a72\0", 15));
    EXPECT_EQ(littleEndian(cpu0.at(QStringLiteral("clock-frequency"))), 1500000000u);
    EXPECT_EQ(littleEndian(cpu0.at(QStringLiteral("timebase-frequency"))), 54000000u);
    EXPECT_EQ(cpu0.count(QStringLiteral("bus-frequency")), 0u);

    const auto cpu1 = adapter.properties(nodes[1].path);
    EXPECT_EQ(littleEndian(cpu1.at(QStringLiteral("bus-frequency"))), 6000000000ull); // two cells
    EXPECT_EQ(cpu1.count(QStringLiteral("timebase-frequency")), 0u);                  // three bytes: no number
    // No clock in the devicetree node: cpufreq gives it.
    EXPECT_EQ(littleEndian(cpu1.at(QStringLiteral("clock-frequency"))), 1800000000u);

    EXPECT_TRUE(adapter.properties(QStringLiteral("IOService:/sys/devices/system/cpu/cpu9x")).empty());
    EXPECT_TRUE(adapter.properties(QStringLiteral("IOService:/elsewhere")).empty());
}

TEST(ProcessorRegistryAdapter, WithoutPresentListTheProcessorFoldersCountInNumericOrder)
{
    ProcessorRegistryAdapter adapter(fixture("vm"));
    const auto nodes = adapter.entries();
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0].path, kCpu + "0");
    EXPECT_EQ(nodes[1].path, kCpu + "1");
    EXPECT_EQ(nodes[2].path, kCpu + "10");
    EXPECT_EQ(nodes[0].name, QStringLiteral("processor"));
    // No cpufreq and no devicetree: the kernel number is all there is.
    const auto properties = adapter.properties(nodes[2].path);
    ASSERT_EQ(properties.size(), 1u);
    EXPECT_EQ(littleEndian(properties.at(QStringLiteral("processor-number"))), 10u);
    EXPECT_FALSE(adapter.stamp().isEmpty());
}
