#include "Platform/Sysfs/Machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Platform::KernelIdentity;
using Platform::Machine;

namespace {

const KernelIdentity linuxKernel{QStringLiteral("Linux"), QStringLiteral("host"), QStringLiteral("6.1.0-18-amd64"),
                                 QStringLiteral("x86_64")};

Machine fixture(const char* name, KernelIdentity kernel = linuxKernel)
{
    return Machine(QStringLiteral(KESTRION_FIXTURES "/BaseKit/") + QLatin1String(name), kernel);
}

// A machine tree written by the test itself.
class Tree {
public:
    void write(const QString& relative, const QByteArray& content)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    Machine machine() const { return Machine(dir.path(), linuxKernel); }

    QTemporaryDir dir;
};

} // namespace

TEST(Machine, TwoSocketHyperThreadedServer)
{
    const Machine m = fixture("x86-two-socket");
    EXPECT_EQ(m.model(), QStringLiteral("PowerEdge R730"));
    EXPECT_EQ(m.marketingName(), QStringLiteral("Dell Inc. PowerEdge R730"));
    EXPECT_EQ(m.serialNumber(), QStringLiteral("4XK9R52"));
    EXPECT_EQ(m.processorName(), QStringLiteral("Intel(R) Xeon(R) CPU E5-2620 v4 @ 2.10GHz"));
    EXPECT_EQ(m.processorVendor(), QStringLiteral("GenuineIntel"));
    // Core 0 of socket 0 and core 0 of socket 1 are two cores; their second threads add none.
    EXPECT_EQ(m.coreCount(), 16u);
    EXPECT_EQ(m.threadCount(), 32u);
    EXPECT_FALSE(m.coreKinds().has_value());
    EXPECT_EQ(m.physicalMemory(), 131862236ull * 1024);
    EXPECT_EQ(m.thermalState(), 0);
    const auto details = m.hardwareDetails();
    ASSERT_TRUE(details.has_value());
    EXPECT_EQ(details->marketingModel, QStringLiteral("Dell Inc. PowerEdge R730"));
    EXPECT_EQ(details->model, QStringLiteral("PowerEdge R730"));
    EXPECT_EQ(details->processor, m.processorName());
    EXPECT_EQ(details->description, QStringLiteral("-"));
    const auto host = m.hostBasicInfo();
    EXPECT_EQ(host.logicalProcessors, 32);
    EXPECT_EQ(host.physicalProcessors, 16);
    EXPECT_EQ(host.memorySize, 1u << 31);
    EXPECT_EQ(host.maxMemory, 131862236ull * 1024);
}

TEST(Machine, ArmBoardWithoutProcessorNameAndWithTwoClusters)
{
    const Machine m = fixture("aarch64-rk3399");
    EXPECT_EQ(m.processorName(), QString());
    EXPECT_EQ(m.processorVendor(), QString());
    EXPECT_EQ(m.model(), QStringLiteral("pine64,rockpro64-v2.1"));
    EXPECT_EQ(m.marketingName(), QStringLiteral("Pine64 RockPro64 v2.1"));
    EXPECT_EQ(m.serialNumber(), QStringLiteral("f3c7a2b81d4e5960"));
    // core_id repeats in the second cluster: still six cores.
    EXPECT_EQ(m.coreCount(), 6u);
    EXPECT_EQ(m.threadCount(), 6u);
    const auto kinds = m.coreKinds();
    ASSERT_TRUE(kinds.has_value());
    EXPECT_EQ(kinds->performance, 2u);
    EXPECT_EQ(kinds->efficiency, 4u);
    EXPECT_EQ(m.thermalState(), 0);
}

TEST(Machine, ArmBoardNamesItsHardwareAndRunsHot)
{
    const Machine m = fixture("aarch64-rpi4");
    EXPECT_EQ(m.processorName(), QStringLiteral("BCM2835"));
    EXPECT_EQ(m.marketingName(), QStringLiteral("Raspberry Pi 4 Model B Rev 1.4"));
    EXPECT_EQ(m.model(), QStringLiteral("raspberrypi,4-model-b"));
    EXPECT_FALSE(m.coreKinds().has_value());
    EXPECT_EQ(m.thermalState(), 3);
}

TEST(Machine, HybridLaptopWithThermalZones)
{
    const Machine m = fixture("laptop-xps13");
    EXPECT_EQ(m.model(), QStringLiteral("XPS 13 9320"));
    EXPECT_EQ(m.marketingName(), QStringLiteral("Dell Inc. XPS 13 9320"));
    EXPECT_EQ(m.serialNumber(), QString()); // the serial file is root's only
    EXPECT_EQ(m.coreCount(), 12u);
    EXPECT_EQ(m.threadCount(), 16u);
    const auto kinds = m.coreKinds();
    ASSERT_TRUE(kinds.has_value());
    EXPECT_EQ(kinds->performance, 4u);
    EXPECT_EQ(kinds->efficiency, 8u);
    // x86_pkg_temp's switched-off trip points at 0 and the silent Wi-Fi zone leave the machine nominal.
    EXPECT_EQ(m.thermalState(), 0);
    EXPECT_EQ(m.osName(), QStringLiteral("Ubuntu"));
    EXPECT_EQ(m.productVersion(), QStringLiteral("22.04"));
    EXPECT_EQ(m.osVersionString(), QStringLiteral("Version 22.04 (Build 6.1.0-18-amd64)"));
}

TEST(Machine, ContainerWithoutFirmwareTablesOrThermalZones)
{
    const Machine m = fixture("container");
    EXPECT_EQ(m.model(), QString());
    EXPECT_EQ(m.marketingName(), QString());
    EXPECT_FALSE(m.hardwareDetails().has_value());
    EXPECT_EQ(m.serialNumber(), QString());
    EXPECT_EQ(m.thermalState(), -1);
    EXPECT_EQ(m.processorVendor(), QStringLiteral("AuthenticAMD"));
    EXPECT_EQ(m.coreCount(), 2u);
    EXPECT_EQ(m.threadCount(), 4u);
    EXPECT_EQ(m.osName(), QStringLiteral("Debian GNU/Linux"));
    EXPECT_EQ(m.osVersionString(), QStringLiteral("Version 12 (Build 6.1.0-18-amd64)"));
    // A tree whose kernel release is unknown gives no empty build text.
    EXPECT_EQ(fixture("container", KernelIdentity{}).osVersionString(), QStringLiteral("Version 12"));
    EXPECT_EQ(m.architecture(), QStringLiteral("x86_64"));
    EXPECT_EQ(m.hostName(), QStringLiteral("host"));
}

TEST(Machine, CountsAboveTwoHundredFiftyFiveStayWhole)
{
    Tree tree;
    tree.write(QStringLiteral("sys/devices/system/cpu/online"), "0-299\n");
    for (int cpu = 0; cpu < 300; ++cpu)
        tree.write(QStringLiteral("sys/devices/system/cpu/cpu%1/topology/core_cpus_list").arg(cpu),
                   QByteArray::number(cpu) + '\n');
    const Machine m = tree.machine();
    EXPECT_EQ(m.threadCount(), 300u);
    EXPECT_EQ(m.coreCount(), 300u);
}

TEST(Machine, OnlineListsWithGapsAndOfflineProcessors)
{
    Tree tree;
    tree.write(QStringLiteral("sys/devices/system/cpu/online"), "0-3,5,8-9\n");
    for (int cpu = 0; cpu < 10; ++cpu)
        tree.write(QStringLiteral("sys/devices/system/cpu/cpu%1/topology/core_cpus_list").arg(cpu),
                   QByteArray::number(cpu / 2 * 2) + ',' + QByteArray::number(cpu / 2 * 2 + 1));
    const Machine m = tree.machine();
    EXPECT_EQ(m.threadCount(), 7u);
    EXPECT_EQ(m.coreCount(), 4u); // {0,1} {2,3} {4,5} {8,9}
}

TEST(Machine, OverlappingAndMalformedOnlinePiecesCountEachProcessorOnce)
{
    Tree tree;
    // Out of order, overlapping and repeated pieces; "x", "7-6" and a number past the limit are skipped.
    tree.write(QStringLiteral("sys/devices/system/cpu/online"), "4-6,0-2,1-5,x,7-6,3,70000\n");
    EXPECT_EQ(tree.machine().threadCount(), 7u);
}

TEST(Machine, FirmwarePlaceholdersAreNoNames)
{
    Tree tree;
    tree.write(QStringLiteral("sys/class/dmi/id/sys_vendor"), "System manufacturer\n");
    tree.write(QStringLiteral("sys/class/dmi/id/product_name"), "System Product Name\n");
    tree.write(QStringLiteral("sys/class/dmi/id/product_serial"), "To be filled by O.E.M.\n");
    Machine m = tree.machine();
    EXPECT_EQ(m.model(), QString());
    EXPECT_EQ(m.marketingName(), QString());
    EXPECT_EQ(m.serialNumber(), QString());
    EXPECT_FALSE(m.hardwareDetails().has_value());

    tree.write(QStringLiteral("sys/class/dmi/id/sys_vendor"), "ASUS\n");
    tree.write(QStringLiteral("sys/class/dmi/id/product_name"), "Default string\n");
    EXPECT_EQ(tree.machine().marketingName(), QStringLiteral("ASUS"));
}

TEST(Machine, ThermalLevelIsTheHighestTripReached)
{
    Tree tree;
    tree.write(QStringLiteral("sys/class/thermal/thermal_zone0/temp"), "91000\n");
    tree.write(QStringLiteral("sys/class/thermal/thermal_zone0/trip_point_0_type"), "passive\n");
    tree.write(QStringLiteral("sys/class/thermal/thermal_zone0/trip_point_0_temp"), "90000\n");
    tree.write(QStringLiteral("sys/class/thermal/thermal_zone0/trip_point_1_type"), "active\n");
    tree.write(QStringLiteral("sys/class/thermal/thermal_zone0/trip_point_1_temp"), "40000\n");
    EXPECT_EQ(tree.machine().thermalState(), 1);
    tree.write(QStringLiteral("sys/class/thermal/thermal_zone1/temp"), "100000\n");
    tree.write(QStringLiteral("sys/class/thermal/thermal_zone1/trip_point_0_type"), "hot\n");
    tree.write(QStringLiteral("sys/class/thermal/thermal_zone1/trip_point_0_temp"), "100000\n");
    EXPECT_EQ(tree.machine().thermalState(), 2);
    tree.write(QStringLiteral("sys/class/thermal/thermal_zone1/temp"), "garbage\n");
    EXPECT_EQ(tree.machine().thermalState(), 1);
}

TEST(Machine, OsReleaseQuotingAndFallbacks)
{
    Tree tree;
    EXPECT_EQ(tree.machine().osName(), QStringLiteral("Linux"));
    EXPECT_EQ(tree.machine().osVersionString(), QStringLiteral("Version (Build 6.1.0-18-amd64)"));
    tree.write(QStringLiteral("usr/lib/os-release"), "NAME='Arch Linux'\nBUILD_ID=rolling\n");
    EXPECT_EQ(tree.machine().osName(), QStringLiteral("Arch Linux"));
    EXPECT_EQ(tree.machine().productVersion(), QStringLiteral("rolling"));
    tree.write(QStringLiteral("etc/os-release"), "# comment\nNAME=\"Say \\\"Hi\\\" OS\"\nVERSION_ID=3.1\n");
    EXPECT_EQ(tree.machine().osName(), QStringLiteral("Say \"Hi\" OS"));
    EXPECT_EQ(tree.machine().productVersion(), QStringLiteral("3.1"));
}

TEST(Machine, MeminfoThatDoesNotParseGivesZero)
{
    Tree tree;
    tree.write(QStringLiteral("proc/meminfo"), "MemTotal:       lots kB\n");
    EXPECT_EQ(tree.machine().physicalMemory(), 0u);
    tree.write(QStringLiteral("proc/meminfo"), "MemTotal:       99999999999999999 kB\n");
    EXPECT_EQ(tree.machine().physicalMemory(), 0u);
    tree.write(QStringLiteral("proc/meminfo"), "MemFree: 1 kB\nMemTotal:  2048 kB\n");
    EXPECT_EQ(tree.machine().physicalMemory(), 2048u * 1024);
}
