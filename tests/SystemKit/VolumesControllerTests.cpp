#include "SystemKit/Volumes/VolumesController.h"

#include "Platform/Volumes/DiskEjector.h"
#include "Platform/Time/FakeClock.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Volumes/Mounts.h"
#include "Platform/Registry/SysfsRegistry.h"
#include "Platform/Registry/BlockStorageRegistryAdapter.h"

#include "Support/VolumeTree.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTimeZone>
#include <QTimer>

#include <gtest/gtest.h>

using namespace SystemKit;
using Platform::PlistValue;

namespace {

const QString kSdaStat
    = QStringLiteral("sys/devices/pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0/block/sda/stat");

class RecordingEjector : public Platform::DiskEjector {
public:
    void unmountAndEject(const QString& device, bool, Done done) override
    {
        requests.append(device);
        QTimer::singleShot(0, [done] { done(QString()); });
    }
    QStringList requests;
};

// A controller over a machine tree with a fake clock and fixed capacities (each read counted).
class VolumesControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock = std::make_shared<Platform::FakeClock>();
        clock->setNow(QDateTime::fromSecsSinceEpoch(1800000000, QTimeZone::utc()));
    }
    void TearDown() override { controller.reset(); }

    void make(VolumeTree& tree, std::shared_ptr<Platform::Registry> registry = nullptr)
    {
        ASSERT_TRUE(tree.isValid());
        mounts = std::make_shared<Platform::Mounts>(tree.root());
        mounts->setCapacityReader([this](const QString& path) -> std::optional<Platform::VolumeCapacity> {
            ++capacityReads;
            if (path == QLatin1String("/nocapacity"))
                return std::nullopt;
            return Platform::VolumeCapacity{1000, 250, std::nullopt};
        });
        if (!registry) {
            auto sysfs = std::make_shared<Platform::SysfsRegistry>(tree.root());
            sysfs->addAdapter(std::make_unique<Platform::BlockStorageRegistryAdapter>(tree.root()));
            registry = sysfs;
        }
        ejector = std::make_shared<RecordingEjector>();
        controller = std::make_unique<VolumesController>(SystemKit::VolumesEnvironment{mounts, registry, ejector, clock});
    }

    Volume* at(const QString& path) const
    {
        for (Volume* volume : controller->volumes()) {
            if (volume->path() == path)
                return volume;
        }
        return nullptr;
    }

    QStringList names() const
    {
        QStringList result;
        for (const Volume* volume : controller->volumes())
            result << volume->name();
        return result;
    }

    std::shared_ptr<Platform::FakeClock> clock;
    std::shared_ptr<Platform::Mounts> mounts;
    std::shared_ptr<RecordingEjector> ejector;
    std::unique_ptr<VolumesController> controller;
    int capacityReads = 0;
};

} // namespace

TEST_F(VolumesControllerTest, FirstTickListsTheMachinesVolumesSortedByName)
{
    VolumeTree tree(QStringLiteral("nvme-sata"));
    make(tree);
    QStringList announced;
    QObject::connect(controller.get(), &VolumesController::onMount,
                     [&announced](Volume* volume) { announced << volume->path(); });
    controller->refresh();
    EXPECT_EQ(announced, QStringList({"/", "/boot", "/boot/efi", "/home", "/home/test", "/home/archive"}));
    EXPECT_EQ(names(), QStringList({"archive", "boot", "efi", "home", "sda4", "test"}));

    Volume* root = controller->systemVolume();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->path(), QStringLiteral("/"));
    EXPECT_TRUE(root->isStartupVolume());
    EXPECT_EQ(root->bsdName(), QStringLiteral("sda4"));
    EXPECT_EQ(root->rootBsdName(), QStringLiteral("sda"));
    EXPECT_EQ(root->deviceProtocol(), QStringLiteral("SATA"));
    EXPECT_EQ(root->rawFileSystem(), QStringLiteral("ext4"));
    EXPECT_EQ(root->totalBytes(), 1000u);
    EXPECT_EQ(root->freeBytes(), 250u);
    ASSERT_TRUE(root->characteristics());
    EXPECT_EQ(root->characteristics()->productName(), PlistValue("KINGSTON SH103S3"));
    EXPECT_EQ(at("/home")->rootBsdName(), QStringLiteral("nvme0n1"));
    EXPECT_EQ(at("/home")->characteristics()->productName(), PlistValue("KINGSTON SKC1000240G"));
    EXPECT_EQ(at("/home/archive")->rootBsdName(), QStringLiteral("sdb"));
    EXPECT_FALSE(at("/home/archive")->isEjectable());
    EXPECT_EQ(at("/home")->deviceSpeed(), std::nullopt); // not USB

    // The second tick adds nothing again.
    controller->refresh();
    EXPECT_EQ(controller->count(), 6);
    EXPECT_EQ(announced.size(), 6);
}

TEST_F(VolumesControllerTest, EqualNamesKeepTheirListedOrder)
{
    VolumeTree tree(QStringLiteral("nvme-sata"));
    tree.write(QStringLiteral("run/udev/data/b8:6"), "E:ID_FS_LABEL=Same\n");
    tree.write(QStringLiteral("run/udev/data/b8:2"), "E:ID_FS_LABEL=Same\n");
    tree.write(QStringLiteral("run/udev/data/b8:3"), "E:ID_FS_LABEL=Other\n");
    tree.mountTable("1 0 8:6 / /first rw - ext4 /dev/sda6 rw\n"
                    "2 0 8:2 / /second rw - ext4 /dev/sda2 rw\n"
                    "3 0 8:3 / /third rw - ext4 /dev/sda3 rw\n");
    make(tree);
    controller->refresh();
    controller->refresh();
    QStringList paths;
    for (const Volume* volume : controller->volumes())
        paths << volume->path();
    EXPECT_EQ(paths, QStringList({"/third", "/first", "/second"}));
}

TEST_F(VolumesControllerTest, CountersBecomeDeltasPerDisk)
{
    VolumeTree tree(QStringLiteral("nvme-sata"));
    make(tree);
    controller->refresh();
    Volume* root = controller->systemVolume();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->currentStatistics()->bytesRead, 2437603ull * 512);
    EXPECT_EQ(root->readDelta(), 0u);

    tree.write(kSdaStat, "54600 1720 2437703 17617 16700 6179 539638 65999 0 11917 83604\n");
    controller->refresh();
    EXPECT_EQ(root->readDelta(), 100u * 512);
    EXPECT_EQ(root->writeDelta(), 100u * 512);
    EXPECT_TRUE(root->isReading());
    // Every volume of the disk sees the disk's counters; another disk sees nothing.
    EXPECT_EQ(at("/boot")->readDelta(), 100u * 512);
    EXPECT_EQ(at("/home")->readDelta(), 0u);
}

TEST_F(VolumesControllerTest, DisksAreMatchedByTheirExactName)
{
    VolumeTree tree(QStringLiteral("nvme-sata"));
    tree.mountTable("1 0 8:0 / / rw - ext4 /dev/sda rw\n2 0 179:0 / /card rw - vfat /dev/mmcblk0 rw\n");
    tree.link(QStringLiteral("sys/dev/block/179:0"), QStringLiteral("../../devices/platform/mmc/block/mmcblk0"));
    tree.write(QStringLiteral("sys/devices/platform/mmc/block/mmcblk0/dev"), "179:0\n");
    tree.link(QStringLiteral("sys/block/mmcblk0"), QStringLiteral("../devices/platform/mmc/block/mmcblk0"));
    // Registry order puts the longer names first: a prefix test would take their counters.
    auto registry = std::make_shared<Platform::InMemoryRegistry>();
    auto addDisk = [&registry](const char* name, std::uint64_t bytes) {
        const auto driver = registry->addEntry(std::nullopt, QStringLiteral("IOBlockStorageDriver"),
                                               QStringLiteral("IOBlockStorageDriver"),
                                               {{"Statistics", PlistValue(PlistValue::DictionaryType{
                                                                   {"Bytes (Read)", PlistValue(bytes)}})}});
        registry->addEntry(driver, QLatin1String(name), QStringLiteral("IOMedia"), {{"BSD Name", PlistValue(name)}});
        return driver;
    };
    const auto sdaa = addDisk("sdaa", 1000);
    const auto sda = addDisk("sda", 10);
    const auto boot0 = addDisk("mmcblk0boot0", 5000);
    const auto mmc = addDisk("mmcblk0", 20);
    make(tree, registry);
    controller->refresh();
    Volume* root = at("/");
    Volume* card = at("/card");
    ASSERT_TRUE(root && card);
    ASSERT_TRUE(root->currentStatistics() && card->currentStatistics());
    EXPECT_EQ(root->rootBsdName(), QStringLiteral("sda"));
    EXPECT_EQ(root->currentStatistics()->bytesRead, 10u);
    EXPECT_EQ(card->currentStatistics()->bytesRead, 20u);

    auto setBytes = [&registry](Platform::RegistryEntryId driver, std::uint64_t bytes) {
        registry->setProperty(driver, QStringLiteral("Statistics"),
                              PlistValue(PlistValue::DictionaryType{{"Bytes (Read)", PlistValue(bytes)}}));
    };
    setBytes(sdaa, 9000);
    setBytes(sda, 15);
    setBytes(boot0, 9000);
    setBytes(mmc, 27);
    controller->refresh();
    EXPECT_EQ(root->readDelta(), 5u);
    EXPECT_EQ(card->readDelta(), 7u);
}

TEST_F(VolumesControllerTest, MappedAndBtrfsVolumesReachTheirPhysicalDisk)
{
    StackedTree tree;
    tree.write(QStringLiteral("dev/nvme0n1p3"), "");
    tree.mountTable("1 0 0:45 /root / rw - btrfs /dev/nvme0n1p3 rw,subvol=/root\n"
                    "2 0 0:45 /home /home rw - btrfs /dev/nvme0n1p3 rw,subvol=/home\n"
                    "3 0 253:0 / /data rw - xfs /dev/mapper/data rw\n"
                    "4 0 8:33 / /media/stick rw - vfat /dev/sdc1 rw\n");
    make(tree);
    controller->refresh();
    // The second btrfs mount of one device is not listed.
    EXPECT_EQ(controller->count(), 3);
    Volume* root = controller->systemVolume();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->bsdName(), QStringLiteral("nvme0n1p3"));
    EXPECT_EQ(root->rootBsdName(), QStringLiteral("nvme0n1"));
    EXPECT_TRUE(root->currentStatistics());

    Volume* data = at("/data");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->bsdName(), QStringLiteral("dm-0"));
    EXPECT_EQ(data->rootBsdName(), QStringLiteral("nvme0n1"));
    EXPECT_EQ(data->deviceProtocol(), QStringLiteral("PCI-Express"));
    EXPECT_EQ(data->currentStatistics(), root->currentStatistics());

    Volume* stick = at("/media/stick");
    ASSERT_TRUE(stick);
    EXPECT_EQ(stick->rootBsdName(), QStringLiteral("sdc"));
    EXPECT_TRUE(stick->isEjectable());
    EXPECT_FALSE(stick->isInternal());
    EXPECT_EQ(stick->usbSpeed(), DeviceSpeedValue::superSpeed);
    EXPECT_EQ(stick->deviceSpeed(), DeviceSpeedValue::superSpeed);
    EXPECT_EQ(stick->isHighSpeedUsb(), true);
    EXPECT_EQ(stick->currentStatistics()->bytesRead, 20u * 512);
}

TEST_F(VolumesControllerTest, MountEventsAndTicksNeverListAVolumeTwice)
{
    VolumeTree tree;
    tree.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n");
    VolumeTree machine(QStringLiteral("nvme-sata"));
    make(machine);
    machine.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n");
    QStringList events;
    QObject::connect(controller.get(), &VolumesController::onMount, [&events](Volume* v) { events << "+" + v->path(); });
    QObject::connect(controller.get(), &VolumesController::onUnmount, [&events](Volume* v) { events << "-" + v->path(); });
    controller->refresh();
    EXPECT_EQ(events, QStringList({"+/"}));

    machine.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n2 0 8:17 / /archive rw - ext4 /dev/sdb1 rw\n");
    controller->refresh();                              // the tick sees it first
    controller->didMount(QStringLiteral("/archive"));   // then the event: nothing more
    controller->didUnmount(QStringLiteral("/unknown")); // not listed: nothing
    EXPECT_EQ(events, QStringList({"+/", "+/archive"}));
    EXPECT_EQ(controller->count(), 2);

    // The mount point stays as a folder, but the mount table no longer has it: dropped and announced.
    tree.write(QStringLiteral("archive/keep"), "");
    machine.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n");
    controller->refresh();
    EXPECT_EQ(events, QStringList({"+/", "+/archive", "-/archive"}));
    EXPECT_EQ(controller->count(), 1);

    // The event path: mounted, then the tick adds nothing; unmounted through the event.
    machine.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n2 0 8:17 / /archive rw - ext4 /dev/sdb1 rw\n");
    controller->mounts().check();
    controller->refresh();
    EXPECT_EQ(controller->count(), 2);
    controller->didUnmount(QStringLiteral("/archive"));
    EXPECT_EQ(events, QStringList({"+/", "+/archive", "-/archive", "+/archive", "-/archive"}));
    EXPECT_EQ(controller->count(), 1);
}

TEST_F(VolumesControllerTest, NoSystemVolumeGivesNone)
{
    VolumeTree tree(QStringLiteral("nvme-sata"));
    tree.mountTable("1 0 0:50 / / rw - overlay overlay rw,lowerdir=/l\n"
                    "2 1 8:4 /var/lib/docker/containers/x/hosts /etc/hosts rw - ext4 /dev/sda4 rw\n");
    make(tree);
    QSignalSpy ticks(controller.get(), &VolumesController::timePreviousChanged);
    EXPECT_EQ(controller->systemVolume(), nullptr);
    EXPECT_EQ(ticks.count(), 1); // the empty list asked for one tick first
    EXPECT_EQ(controller->count(), 0);
}

TEST_F(VolumesControllerTest, CapacityPassRunsEveryStorageInterval)
{
    VolumeTree tree(QStringLiteral("nvme-sata"));
    tree.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n");
    make(tree);
    controller->refresh();
    EXPECT_EQ(capacityReads, 2); // at the addition, then the first pass
    const double first = controller->lastStorageRefresh();
    EXPECT_EQ(first, 1'800'000'000.0);

    clock->advance(std::chrono::seconds(9));
    controller->refresh();
    EXPECT_EQ(capacityReads, 2);
    clock->advance(std::chrono::seconds(1));
    controller->refresh();
    EXPECT_EQ(capacityReads, 3);
    EXPECT_EQ(controller->lastStorageRefresh(), first + 10);

    controller->setStorageInterval(0);
    controller->refresh();
    controller->refresh();
    EXPECT_EQ(capacityReads, 5);

    controller->setGatherUsage(false);
    clock->advance(std::chrono::seconds(60));
    controller->refresh();
    EXPECT_EQ(capacityReads, 5);
}

TEST_F(VolumesControllerTest, EjectAllTakesOnlyEjectableVolumes)
{
    StackedTree tree;
    tree.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n"
                    "2 0 8:17 / /archive rw - ext4 /dev/sdb1 rw\n"
                    "3 0 8:33 / /media/stick rw - vfat /dev/sdc1 rw\n"
                    "4 0 179:0 / /media/card rw - vfat /dev/mmcblk0 rw\n");
    make(tree);
    controller->refresh();
    ASSERT_EQ(controller->count(), 4);
    controller->ejectAll({QStringLiteral("mmcblk0")});
    EXPECT_EQ(ejector->requests, QStringList({"sdc1"}));
    EXPECT_TRUE(at("/media/stick")->isEjecting());
    controller->ejectAll();
    // The stick is already ejecting: only the card is asked now.
    EXPECT_EQ(ejector->requests, QStringList({"sdc1", "mmcblk0"}));
    QString result = QStringLiteral("(none)");
    controller->eject(nullptr, [&result](const QString& error) { result = error; });
    EXPECT_FALSE(result.isEmpty());
    QCoreApplication::processEvents();
}

TEST_F(VolumesControllerTest, PartitionsOfKernelsWithoutThePartitionFile)
{
    // Kernels before the "partition" file mark a partition's folder by its "start" file alone.
    StackedTree tree;
    QDirIterator files(tree.root() + QStringLiteral("/sys/devices"), {QStringLiteral("partition")}, QDir::Files,
                       QDirIterator::Subdirectories);
    QStringList marked;
    while (files.hasNext())
        marked << files.next();
    ASSERT_FALSE(marked.isEmpty());
    for (const QString& file : marked) {
        ASSERT_TRUE(QFile::remove(file));
        const QString relative = QDir(tree.root()).relativeFilePath(QFileInfo(file).path() + QStringLiteral("/start"));
        if (!QFileInfo::exists(tree.root() + QLatin1Char('/') + relative))
            tree.write(relative, "2048\n");
    }
    tree.mountTable("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n"
                    "2 0 8:17 / /archive rw - ext4 /dev/sdb1 rw\n"
                    "3 0 8:33 / /media/stick rw - vfat /dev/sdc1 rw\n");
    make(tree);
    controller->refresh();
    Volume* archive = at("/archive");
    Volume* stick = at("/media/stick");
    ASSERT_TRUE(archive && stick);
    EXPECT_EQ(archive->rootBsdName(), QStringLiteral("sdb"));
    EXPECT_EQ(archive->deviceProtocol(), QStringLiteral("SATA"));
    ASSERT_TRUE(archive->currentStatistics());
    EXPECT_GT(archive->currentStatistics()->bytesRead, 0u);
    EXPECT_EQ(stick->rootBsdName(), QStringLiteral("sdc"));
    EXPECT_EQ(stick->deviceProtocol(), QStringLiteral("USB"));
    EXPECT_TRUE(stick->isEjectable());
    controller->ejectAll();
    EXPECT_EQ(ejector->requests, QStringList({"sdc1"}));
    QCoreApplication::processEvents();
}

TEST_F(VolumesControllerTest, TimerStartsOnce)
{
    VolumeTree tree(QStringLiteral("nvme-sata"));
    make(tree);
    QSignalSpy timers(controller.get(), &VolumesController::timerChanged);
    controller->start(1.0);
    QTimer* timer = controller->timer();
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->interval(), 1000);
    controller->start(5.0);
    EXPECT_EQ(controller->timer(), timer);
    EXPECT_EQ(timers.count(), 1);
    controller->stop();
    EXPECT_EQ(controller->timer(), nullptr);
}
