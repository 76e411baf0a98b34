#include "Platform/Sysfs/BlockDevices.h"
#include "Platform/Registry/BlockStorageRegistryAdapter.h"
#include "Platform/Volumes/Disks.h"
#include "Platform/Volumes/Mounts.h"
#include "Platform/Registry/SysfsRegistry.h"

#include "Support/VolumeTree.h"

#include <gtest/gtest.h>

using Platform::BlockDevices;
using Platform::BlockStorageRegistryAdapter;
using Platform::Disks;
using Platform::MountEntry;
using Platform::PlistValue;
using Platform::SysfsRegistry;

namespace {

const QString kSata = QStringLiteral("/sys/devices/pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0");
const QString kNvme = QStringLiteral("/sys/devices/pci0000:00/0000:00:01.0/0000:01:00.0/nvme/nvme0");

MountEntry mount(unsigned major, unsigned minor, const char* source, const char* type = "ext4")
{
    MountEntry entry;
    entry.major = major;
    entry.minor = minor;
    entry.root = QStringLiteral("/");
    entry.mountPoint = QStringLiteral("/mnt");
    entry.source = QLatin1String(source);
    entry.fileSystemType = QLatin1String(type);
    return entry;
}

// The names of the entries from `path` up to the top that carry a "BSD Name".
QStringList namedAncestors(const SysfsRegistry& registry, const QString& path)
{
    QStringList names;
    auto entry = registry.entryAtPath(path);
    if (!entry)
        return names;
    for (auto up = registry.parent(*entry); up; up = registry.parent(*up)) {
        if (const auto name = registry.property(*up, QStringLiteral("BSD Name")).toString())
            names << *name;
    }
    return names;
}

} // namespace

TEST(BlockDevices, StatisticsFromStatFilesOfEveryLength)
{
    for (const char* text : {"1 2 3 4 5 6 7 8", "1 2 3 4 5 6 7 8 9 10 11", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15",
                             "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17\n"}) {
        const auto stats = BlockDevices::parseStatistics(text);
        ASSERT_TRUE(stats) << text;
        EXPECT_EQ(stats->at("Operations (Read)").toUInt64(), 1u);
        EXPECT_EQ(stats->at("Bytes (Read)").toUInt64(), 3u * 512);
        EXPECT_EQ(stats->at("Total Time (Read)").toUInt64(), 4000000u);
        EXPECT_EQ(stats->at("Operations (Write)").toUInt64(), 5u);
        EXPECT_EQ(stats->at("Bytes (Write)").toUInt64(), 7u * 512);
        EXPECT_EQ(stats->at("Total Time (Write)").toUInt64(), 8000000u);
        EXPECT_FALSE(stats->count("Errors (Read)"));
    }
    EXPECT_FALSE(BlockDevices::parseStatistics("1 2 3 4 5 6 7"));
    EXPECT_FALSE(BlockDevices::parseStatistics("1 2 x 4 5 6 7 8"));
    EXPECT_FALSE(BlockDevices::parseStatistics(""));
    // A sector count near the top of 64 bits does not wrap when turned into bytes.
    EXPECT_EQ(BlockDevices::parseStatistics("0 0 18446744073709551615 0 0 0 0 0")->at("Bytes (Read)").toUInt64(),
              UINT64_MAX);

    const BlockDevices fixture(QStringLiteral(KESTRION_FIXTURES "/Platform/volumes/nvme-sata"));
    EXPECT_EQ(fixture.statistics(QStringLiteral("sdb"))->at("Bytes (Read)").toUInt64(), 14346u * 512);
    EXPECT_FALSE(fixture.statistics(QStringLiteral("sdz")));
    EXPECT_FALSE(fixture.statistics(QStringLiteral("../sda")));
    const BlockDevices procfs(QStringLiteral(KESTRION_FIXTURES "/Platform/volumes/dm"));
    EXPECT_EQ(procfs.statistics(QStringLiteral("sda"))->at("Bytes (Write)").toUInt64(), 286915323ull * 512);
}

TEST(BlockDevices, DisksPartitionsAndStacks)
{
    StackedTree tree;
    ASSERT_TRUE(tree.isValid());
    const BlockDevices devices(tree.root());
    // loop0 of size 0 is left out.
    EXPECT_EQ(devices.disks(), QStringList({"dm-0", "mmcblk0", "mmcblk0boot0", "nvme0n1", "sda", "sdb", "sdc"}));
    EXPECT_EQ(devices.partitions(QStringLiteral("sda")), QStringList({"sda1", "sda2", "sda3", "sda4", "sda5", "sda6"}));
    EXPECT_EQ(devices.wholeDisk(QStringLiteral("nvme0n1p3")), QStringLiteral("nvme0n1"));
    EXPECT_EQ(devices.physicalDisk(QStringLiteral("dm-0")), QStringLiteral("nvme0n1"));
    EXPECT_EQ(devices.nameOfDevice(QStringLiteral("8:4")), QStringLiteral("sda4"));
    EXPECT_EQ(devices.nameOfDevice(QStringLiteral("9:9")), std::nullopt);
    EXPECT_EQ(devices.deviceFolder(QStringLiteral("nvme0n1")), kNvme);

    EXPECT_EQ(devices.protocol(QStringLiteral("sda")), QStringLiteral("SATA"));
    EXPECT_EQ(devices.protocol(QStringLiteral("dm-0")), QStringLiteral("PCI-Express"));
    EXPECT_EQ(devices.protocol(QStringLiteral("sdc")), QStringLiteral("USB"));
    EXPECT_EQ(devices.protocol(QStringLiteral("mmcblk0")), QStringLiteral("Secure Digital"));

    const auto sata = devices.characteristics(QStringLiteral("sda"));
    EXPECT_EQ(sata.at("Product Name").toString(), QStringLiteral("KINGSTON SH103S3"));
    EXPECT_EQ(sata.at("Vendor Name").toString(), QStringLiteral("ATA"));
    EXPECT_EQ(sata.at("Product Revision Level").toString(), QStringLiteral("BBF0"));
    EXPECT_EQ(sata.at("Medium Type").toString(), QStringLiteral("Solid State"));
    const auto nvme = devices.characteristics(QStringLiteral("nvme0n1"));
    EXPECT_EQ(nvme.at("Product Name").toString(), QStringLiteral("KINGSTON SKC1000240G"));
    EXPECT_EQ(nvme.at("Serial Number").toString(), QStringLiteral("50026B728203601D"));
    EXPECT_EQ(nvme.at("Product Revision Level").toString(), QStringLiteral("E7FT04.6"));

    // The procfs tree: dm-0's slave is a plain file, and sda has no device link.
    const BlockDevices procfs(QStringLiteral(KESTRION_FIXTURES "/Platform/volumes/dm"));
    EXPECT_EQ(procfs.physicalDisk(QStringLiteral("dm-0")), QStringLiteral("sda"));
    // A slave without a sysfs folder ends the walk at the device made of it.
    EXPECT_EQ(procfs.physicalDisk(QStringLiteral("dm-1")), QStringLiteral("dm-1"));
    EXPECT_EQ(procfs.characteristics(QStringLiteral("sda")).at("Medium Type").toString(), QStringLiteral("Rotational"));
}

TEST(BlockDevices, TheStampFollowsTheWatchedDevicesAsTheyFillAndChange)
{
    StackedTree tree;
    ASSERT_TRUE(tree.isValid());
    const BlockDevices devices(tree.root());
    const QStringList empty = devices.emptyDevices();
    ASSERT_EQ(empty, QStringList{QStringLiteral("loop0")});
    const QByteArray unwatched = devices.disksStamp();
    const QByteArray watched = devices.disksStamp(empty);
    EXPECT_NE(watched, unwatched);

    // The empty device fills: the stamp of the same list moves.
    tree.write(QStringLiteral("sys/block/loop0/size"), "2048\n");
    ASSERT_TRUE(tree.isValid());
    const QByteArray filled = devices.disksStamp(empty);
    EXPECT_NE(filled, watched);
    // Another list, then the first again: each stamp is that of its own devices.
    EXPECT_EQ(devices.disksStamp(), unwatched);
    EXPECT_EQ(devices.disksStamp({QStringLiteral("loop9")}), QByteArray(unwatched + "loop9="));
    EXPECT_EQ(devices.disksStamp(empty), filled);
}

TEST(BlockDevices, UsbLinkSpeeds)
{
    EXPECT_EQ(BlockDevices::speedValue(QStringLiteral("1.5")), 1u);
    EXPECT_EQ(BlockDevices::speedValue(QStringLiteral("12")), 2u);
    EXPECT_EQ(BlockDevices::speedValue(QStringLiteral("480\n")), 3u);
    EXPECT_EQ(BlockDevices::speedValue(QStringLiteral("5000")), 4u);
    EXPECT_EQ(BlockDevices::speedValue(QStringLiteral("10000")), 5u);
    EXPECT_EQ(BlockDevices::speedValue(QStringLiteral("20000")), 5u);
    EXPECT_EQ(BlockDevices::speedValue(QStringLiteral("53.3")), 0u);
    EXPECT_EQ(BlockDevices::speedValue(QStringLiteral("")), 0u);
}

TEST(Disks, DeviceNamesAndDescriptions)
{
    StackedTree tree;
    tree.write(QStringLiteral("dev/nvme0n1p3"), "");
    tree.link(QStringLiteral("dev/mapper/root"), QStringLiteral("../dm-0"));
    tree.write(QStringLiteral("dev/dm-0"), "");
    ASSERT_TRUE(tree.isValid());
    const Disks disks(tree.root());

    EXPECT_EQ(disks.bsdName(mount(8, 4, "/dev/root")), QStringLiteral("sda4")); // the number goes first
    EXPECT_EQ(disks.bsdName(mount(0, 45, "/dev/nvme0n1p3", "btrfs")), QStringLiteral("nvme0n1p3"));
    EXPECT_EQ(disks.bsdName(mount(0, 46, "/dev/mapper/root", "btrfs")), QStringLiteral("dm-0"));
    EXPECT_EQ(disks.bsdName(mount(0, 47, "/dev/root", "btrfs")), std::nullopt);
    EXPECT_EQ(disks.bsdName(mount(0, 48, "tmpfs", "tmpfs")), std::nullopt);

    const auto sata = disks.description(mount(8, 4, "/dev/sda4"));
    ASSERT_TRUE(sata);
    EXPECT_EQ(sata->deviceProtocol, QStringLiteral("SATA"));
    EXPECT_EQ(sata->volumeType, QStringLiteral("ext4"));
    EXPECT_EQ(sata->vendor, QStringLiteral("ATA"));
    EXPECT_EQ(sata->model, QStringLiteral("KINGSTON SH103S3"));
    EXPECT_EQ(sata->revision, QStringLiteral("BBF0"));
    EXPECT_EQ(sata->mediaBsdName, QStringLiteral("sda4"));
    EXPECT_EQ(sata->devicePath, "IOService:" + kSata);
    EXPECT_EQ(sata->mediaPath, "IOService:" + kSata + "/block/sda/sda4");

    const auto mapped = disks.description(mount(253, 0, "/dev/mapper/root"));
    EXPECT_EQ(mapped->deviceProtocol, QStringLiteral("PCI-Express"));
    EXPECT_EQ(mapped->model, QStringLiteral("KINGSTON SKC1000240G"));
    EXPECT_EQ(mapped->devicePath, "IOService:" + kNvme);
    EXPECT_EQ(mapped->mediaPath, QStringLiteral("IOService:/sys/devices/virtual/block/dm-0/media"));

    EXPECT_TRUE(disks.isEjectable(QStringLiteral("sdc1")));
    EXPECT_TRUE(disks.isEjectable(QStringLiteral("mmcblk0p1")));
    EXPECT_FALSE(disks.isEjectable(QStringLiteral("sda4")));
    EXPECT_FALSE(disks.isEjectable(QStringLiteral("dm-0")));
}

TEST(BlockStorageRegistryAdapter, EntriesLinkVolumesToTheirPhysicalDisks)
{
    StackedTree tree;
    ASSERT_TRUE(tree.isValid());
    SysfsRegistry registry(tree.root());
    registry.addAdapter(std::make_unique<BlockStorageRegistryAdapter>(tree.root()));
    const BlockDevices devices(tree.root());

    QStringList childNames;
    for (const auto driver : registry.entriesOfClass(QStringLiteral("IOBlockStorageDriver"))) {
        const auto children = registry.children(driver);
        childNames << (children.empty() ? QStringLiteral("(none)")
                                        : *registry.property(children.front(), QStringLiteral("BSD Name")).toString());
    }
    // dm-0's media hangs under its slave, so its driver has no child.
    EXPECT_EQ(childNames, QStringList({"(none)", "mmcblk0", "mmcblk0boot0", "nvme0n1", "sda", "sdb", "sdc"}));

    // The topmost named entry above a volume's media is its physical disk.
    EXPECT_EQ(namedAncestors(registry, devices.mediaPath(QStringLiteral("dm-0"))), QStringList({"nvme0n1p3", "nvme0n1"}));
    EXPECT_EQ(namedAncestors(registry, devices.mediaPath(QStringLiteral("sda4"))), QStringList({"sda"}));
    EXPECT_TRUE(namedAncestors(registry, devices.mediaPath(QStringLiteral("sdb"))).isEmpty());

    const auto sdaDriver = registry.entryAtPath(devices.driverPath(QStringLiteral("sda")));
    ASSERT_TRUE(sdaDriver);
    const PlistValue statistics = registry.property(*sdaDriver, QStringLiteral("Statistics"));
    EXPECT_EQ(statistics[QStringLiteral("Bytes (Read)")].toUInt64(), 2437603ull * 512);
    const auto sdaDevice = registry.parent(*sdaDriver);
    EXPECT_EQ(registry.path(*sdaDevice), "IOService:" + kSata);
    EXPECT_EQ(registry.property(*sdaDevice, QStringLiteral("Device Characteristics"))[QStringLiteral("Product Name")]
                  .toString(),
              QStringLiteral("KINGSTON SH103S3"));

    // The USB speed sits on the USB device folder above the stick's device entry.
    auto usbDevice = registry.entryAtPath(devices.devicePath(QStringLiteral("sdc")));
    ASSERT_TRUE(usbDevice);
    std::optional<std::uint64_t> speed;
    for (auto entry = usbDevice; entry && !speed; entry = registry.parent(*entry))
        speed = registry.property(*entry, QStringLiteral("USBSpeed")).toUInt64();
    EXPECT_EQ(speed, 4u);
    EXPECT_TRUE(registry.property(*sdaDevice, QStringLiteral("USBSpeed")).isNone());
}
