#include "Platform/Volumes/MountEntry.h"
#include "Platform/Volumes/Mounts.h"

#include "Support/VolumeTree.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>

using Platform::MountEntry;
using Platform::Mounts;

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(KESTRION_FIXTURES "/Platform/volumes/") + QLatin1String(name);
}

} // namespace

TEST(MountEntry, ParsesFieldsOptionalTagsAndEscapes)
{
    const auto entries = MountEntry::parse(
        "36 35 98:0 /mnt1 /mnt/My\\040Disk\\011x\\134y rw,noatime master:1 shared:7 - ext3 /dev/root rw,errors=continue\n"
        "garbage line\n"
        "37 35 8:1 / /boot ro - vfat /dev/sda1 rw,subvol=/x\n"
        "38 35 0:5 / relative rw - tmpfs tmpfs rw\n"
        "39 35 8:x / /bad rw - ext4 /dev/sdb1 rw\n"
        "40 35 8:2 / /nofs rw -\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].mountId, 36);
    EXPECT_EQ(entries[0].parentId, 35);
    EXPECT_EQ(entries[0].deviceNumber(), QStringLiteral("98:0"));
    EXPECT_EQ(entries[0].root, QStringLiteral("/mnt1"));
    EXPECT_EQ(entries[0].mountPoint, QStringLiteral("/mnt/My Disk\tx\\y"));
    EXPECT_EQ(entries[0].fileSystemType, QStringLiteral("ext3"));
    EXPECT_EQ(entries[0].source, QStringLiteral("/dev/root"));
    EXPECT_FALSE(entries[0].isReadOnly());
    EXPECT_TRUE(entries[1].isReadOnly());
    EXPECT_EQ(entries[1].superOption(QStringLiteral("subvol")), QStringLiteral("/x"));
    EXPECT_EQ(entries[1].superOption(QStringLiteral("sub")), std::nullopt);
    // An escape that is cut off or not octal stays as written.
    EXPECT_EQ(MountEntry::decode("a\\04"), QStringLiteral("a\\04"));
    EXPECT_EQ(MountEntry::decode("a\\09x"), QStringLiteral("a\\09x"));
}

TEST(Mounts, ListsOnlyBlockDeviceMountsInTableOrder)
{
    Mounts mounts(fixture("desktop"));
    EXPECT_EQ(mounts.volumes(), QStringList({"/", "/boot", "/home/kzak"}));
    EXPECT_TRUE(mounts.isMounted(QStringLiteral("/boot")));
    EXPECT_FALSE(mounts.isMounted(QStringLiteral("/mnt/sounds"))); // cifs
    EXPECT_FALSE(mounts.isMounted(QStringLiteral("/mnt/test/foobar"))); // tmpfs
    EXPECT_EQ(mounts.fileSystemType(QStringLiteral("/home/kzak")), QStringLiteral("ext4"));
    EXPECT_EQ(mounts.fileSystemType(QStringLiteral("/proc")), std::nullopt);
    EXPECT_EQ(mounts.resourceValues(QStringLiteral("/dev/shm")), std::nullopt);

    Mounts missing(QStringLiteral("/nonexistent-root"));
    EXPECT_TRUE(missing.volumes().isEmpty());
}

TEST(Mounts, BrowsableRuleDropsBindMountsAndRepeatedDevices)
{
    // One btrfs device mounted six times: only the root file system is shown.
    Mounts btrfs(fixture("btrfs"));
    EXPECT_EQ(btrfs.volumes().size(), 6);
    EXPECT_EQ(btrfs.resourceValues(QStringLiteral("/"))->isBrowsable, true);
    for (const char* path : {"/mnt/a", "/var/lib/containers", "/var/lib/libvirt", "/var/tmp", "/var/cache"})
        EXPECT_EQ(btrfs.resourceValues(QLatin1String(path))->isBrowsable, false) << path;

    VolumeTree tree(QStringLiteral("nvme-sata"));
    tree.write(QStringLiteral("etc/hosts"), "127.0.0.1 localhost\n");
    tree.mountTable("1 0 8:2 / /data rw - ext4 /dev/sda2 rw\n"
                    "2 0 8:4 /var/lib/docker/hosts /etc/hosts rw - ext4 /dev/sda4 rw\n"
                    "3 0 8:2 / /again rw - ext4 /dev/sda2 rw\n"
                    "4 0 8:4 / / rw - ext4 /dev/sda4 rw\n"
                    "5 0 7:0 / /snap/core rw - squashfs /dev/loop0 ro\n"
                    "6 0 8:5 / /file rw - ext4 /dev/sda5 rw\n"
                    "7 0 8:6 / /over rw - ext4 /dev/sda6 rw\n"
                    "8 0 8:3 / /over rw - ext4 /dev/sda3 rw\n");
    tree.write(QStringLiteral("file"), "not a folder");
    ASSERT_TRUE(tree.isValid());
    Mounts mounts(tree.root());
    // A folder mounted over twice is listed once.
    EXPECT_EQ(mounts.volumes(), QStringList({"/data", "/etc/hosts", "/again", "/", "/snap/core", "/file", "/over"}));
    EXPECT_EQ(mounts.resourceValues(QStringLiteral("/data"))->isBrowsable, true);
    EXPECT_EQ(mounts.resourceValues(QStringLiteral("/etc/hosts"))->isBrowsable, false);
    EXPECT_EQ(mounts.resourceValues(QStringLiteral("/again"))->isBrowsable, false);
    EXPECT_EQ(mounts.resourceValues(QStringLiteral("/"))->isBrowsable, true);
    EXPECT_EQ(mounts.resourceValues(QStringLiteral("/snap/core"))->isBrowsable, false);
    EXPECT_EQ(mounts.resourceValues(QStringLiteral("/file"))->isBrowsable, false);
    EXPECT_EQ(mounts.entry(QStringLiteral("/over"))->deviceNumber(), QStringLiteral("8:3"));
}

TEST(Mounts, ResourceValuesOfTheFixtureMachine)
{
    VolumeTree tree(QStringLiteral("nvme-sata"));
    tree.write(QStringLiteral("run/udev/data/b259:2"), "S:disk/by-uuid/x\nE:ID_FS_LABEL=home\nE:ID_FS_UUID=1234-abcd\n");
    tree.link(QStringLiteral("dev/disk/by-label/EFI\\x20System"), QStringLiteral("../../sda1"));
    tree.link(QStringLiteral("dev/disk/by-uuid/B00C-AFFE"), QStringLiteral("../../sda1"));
    ASSERT_TRUE(tree.isValid());
    Mounts mounts(tree.root());

    const auto root = mounts.resourceValues(QStringLiteral("/"));
    ASSERT_TRUE(root);
    EXPECT_EQ(root->name, QStringLiteral("sda4")); // no label: the device's name
    EXPECT_EQ(root->uuid, std::nullopt);
    EXPECT_EQ(root->isRootFileSystem, true);
    EXPECT_EQ(root->isEjectable, false);
    EXPECT_EQ(root->isInternal, true);
    EXPECT_EQ(root->isLocal, true);
    EXPECT_EQ(root->isReadOnly, false);

    const auto home = mounts.resourceValues(QStringLiteral("/home"));
    EXPECT_EQ(home->name, QStringLiteral("home"));
    EXPECT_EQ(home->uuid, QStringLiteral("1234-abcd"));
    EXPECT_EQ(home->isRootFileSystem, false);

    const auto efi = mounts.resourceValues(QStringLiteral("/boot/efi"));
    EXPECT_EQ(efi->name, QStringLiteral("EFI System"));
    EXPECT_EQ(efi->uuid, QStringLiteral("B00C-AFFE"));
    // No label at all: the mount point's last part.
    EXPECT_EQ(mounts.resourceValues(QStringLiteral("/home/archive"))->name, QStringLiteral("archive"));
}

TEST(Mounts, CheckSignalsWhatWentAndWhatCame)
{
    VolumeTree tree;
    tree.mountTable("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 0 8:2 / /a rw - ext4 /dev/sda2 rw\n");
    ASSERT_TRUE(tree.isValid());
    Mounts mounts(tree.root());
    ASSERT_TRUE(mounts.watch());
    QStringList events;
    QObject::connect(&mounts, &Mounts::mounted, [&events](const QString& p) { events << "+" + p; });
    QObject::connect(&mounts, &Mounts::unmounted, [&events](const QString& p) { events << "-" + p; });
    mounts.check();
    EXPECT_TRUE(events.isEmpty());

    tree.mountTable("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n3 0 8:3 / /b\\040c rw - ext4 /dev/sda3 rw\n"
                    "4 0 0:40 / /tmp rw - tmpfs tmpfs rw\n");
    mounts.check();
    EXPECT_EQ(events, QStringList({"-/a", "+/b c"}));
    mounts.check();
    EXPECT_EQ(events.size(), 2);
}

TEST(Mounts, WatcherSeesARealMount)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Mounts mounts;
    ASSERT_TRUE(mounts.watch());
    int checks = 0;
    // The table changed: check() ran from the watch (tmpfs is no volume, so nothing is signalled).
    QObject::connect(&mounts, &Mounts::mounted, [&checks] { ++checks; });
    const QByteArray target = QFile::encodeName(dir.path());
    if (::mount("kestrion-test", target.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "this test may not mount a tmpfs here: " << std::strerror(errno);
    bool seen = false;
    QObject::connect(&mounts, &Mounts::tableChanged, [&seen] { seen = true; });
    const QDeadlineTimer deadline(5000);
    while (!seen && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(seen);
    bool found = false;
    for (const auto& entry : mounts.entries())
        found = found || (entry.mountPoint == dir.path() && entry.fileSystemType == QLatin1String("tmpfs"));
    EXPECT_TRUE(found);
    EXPECT_FALSE(mounts.isMounted(dir.path()));
    seen = false;
    ASSERT_EQ(::umount(target.constData()), 0);
    const QDeadlineTimer again(5000);
    while (!seen && !again.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(seen);
    EXPECT_EQ(checks, 0);
}
