#include "Platform/System/KernelName.h"
#include "Platform/Volumes/Mounts.h"
#include "Platform/Sysfs/SysfsInterfaceList.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using Platform::KernelName;

namespace {

// Makes the folder `relative` (bytes, maybe no UTF-8) below `root`, with its parents.
bool makeFolder(const QString& root, const QByteArray& relative)
{
    QByteArray path = QFile::encodeName(root);
    for (const QByteArray& part : relative.split('/')) {
        path += '/' + part;
        if (::mkdir(path.constData(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

bool writeFile(const QString& root, const QByteArray& relative, const QByteArray& text)
{
    const QByteArray path = QFile::encodeName(root) + '/' + relative;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

} // namespace

TEST(KernelName, BytesThatAreNoUtf8ComeBackAndShowAsReplacementCharacters)
{
    for (const QByteArray& bytes : {QByteArray("caf\xe9"), QByteArray("caf\xc3\xa9"), QByteArray("\xed\xa0\x80x\xf4\x90\x80\x80"),
                                   QByteArray("\xf0\x9f\x98\x80\xc3"), QByteArray("a\x80\xff")}) {
        const QString name = KernelName::decode(bytes);
        EXPECT_EQ(KernelName::encode(name), bytes) << bytes.toHex().constData();
        EXPECT_FALSE(KernelName::displayed(name).contains(QChar(0xDCE9)));
    }
    EXPECT_EQ(KernelName::decode("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(KernelName::displayed(KernelName::decode("caf\xe9")), QStringLiteral("caf\ufffd"));
    EXPECT_NE(KernelName::decode("caf\xe9"), KernelName::decode("caf\xef\xbf\xbd")); // not the same folder
    EXPECT_EQ(KernelName::displayed(KernelName::decode("\xf0\x9f\x98\x80")), QStringLiteral("\U0001F600"));
}

TEST(KernelName, AMountPointThatIsNoUtf8IsListedReadAndShown)
{
    QTemporaryDir root;
    ASSERT_TRUE(makeFolder(root.path(), "proc/self"));
    ASSERT_TRUE(makeFolder(root.path(), "media/caf\xe9"));
    ASSERT_TRUE(writeFile(root.path(), "proc/self/mountinfo",
                          "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                          "2 1 8:17 / /media/caf\\351 rw - vfat /dev/sdb1 rw\n"));
    Platform::Mounts mounts(root.path());
    const QStringList volumes = mounts.volumes();
    ASSERT_EQ(volumes.size(), 2);
    const QString point = volumes[1];
    EXPECT_EQ(KernelName::encode(point), QByteArray("/media/caf\xe9"));
    EXPECT_TRUE(mounts.isMounted(point));
    EXPECT_FALSE(mounts.isMounted(QStringLiteral("/media/caf\ufffd")));
    // Its capacity comes from its own folder, and it is named with a replacement character.
    EXPECT_TRUE(mounts.capacity(point).has_value());
    const auto values = mounts.resourceValues(point);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->isBrowsable, true);
    EXPECT_EQ(values->name, QStringLiteral("caf\ufffd"));
}

TEST(KernelName, AnInterfaceThatIsNoUtf8KeepsItsPlaceAndItsFiles)
{
    QTemporaryDir root;
    for (const QByteArray& name : {QByteArray("caf\xe9"), QByteArray("eth0")}) {
        ASSERT_TRUE(makeFolder(root.path(), "sys/class/net/" + name + "/statistics"));
        ASSERT_TRUE(writeFile(root.path(), "sys/class/net/" + name + "/type", "1\n"));
        ASSERT_TRUE(writeFile(root.path(), "sys/class/net/" + name + "/flags", "0x1003\n"));
        ASSERT_TRUE(writeFile(root.path(), "sys/class/net/" + name + "/statistics/rx_bytes", "10\n"));
        ASSERT_TRUE(writeFile(root.path(), "sys/class/net/" + name + "/statistics/tx_bytes", "20\n"));
        ASSERT_TRUE(writeFile(root.path(), "sys/class/net/" + name + "/address", "00:11:22:33:44:55\n"));
    }
    const Platform::SysfsInterfaceList interfaces(root.path());
    std::vector<Platform::InterfaceEntry> entries;
    ASSERT_TRUE(interfaces.list(entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(KernelName::encode(entries[0].name), QByteArray("caf\xe9"));
    EXPECT_EQ(entries[0].flags, 0x1003u);
    EXPECT_TRUE(entries[0].hasLinkData);
    EXPECT_EQ(entries[0].rxBytes, 10u);
    const auto all = interfaces.interfaces();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].bsdName, entries[0].name);
    EXPECT_EQ(all[0].hardwareAddress, QStringLiteral("00:11:22:33:44:55"));
}
