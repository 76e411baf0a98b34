#include "Platform/Sysfs/Machine.h"
#include "Platform/Sysfs/SysfsInterfaceList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using Platform::InterfaceEntry;
using Platform::KernelIdentity;
using Platform::NetworkInterfaces;
using Platform::SysfsInterfaceList;

namespace {

// A captured tree written by the test.
class CapturedTree {
public:
    QString root() const { return dir.path(); }
    void write(const QString& relative, const QByteArray& content)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QTemporaryDir dir;
};

const InterfaceEntry* find(const std::vector<InterfaceEntry>& entries, const QString& name)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const InterfaceEntry& e) { return e.name == name; });
    return found == entries.end() ? nullptr : &*found;
}

} // namespace

TEST(SysfsInterfaceList, OneLinkEntryPerInterfaceOfACapturedLaptop)
{
    // A ThinkPad of the 2.6.27 era: eth0 switched on without a cable, the loopback, the Wi-Fi station
    // and the radio's master device.
    const SysfsInterfaceList list(QStringLiteral(KESTRION_FIXTURES "/Platform/network/thinkpad-wifi"));
    std::vector<InterfaceEntry> entries{InterfaceEntry{}};
    ASSERT_TRUE(list.list(entries));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].name, "eth0");
    EXPECT_EQ(entries[3].name, "wmaster0");
    for (const InterfaceEntry& entry : entries) {
        EXPECT_EQ(entry.family, NetworkInterfaces::linkFamily) << entry.name.toStdString();
        EXPECT_TRUE(entry.address.isEmpty());
        EXPECT_TRUE(entry.hasLinkData);
    }
    const InterfaceEntry* wlan = find(entries, QStringLiteral("wlan0"));
    ASSERT_TRUE(wlan);
    EXPECT_EQ(wlan->flags, 0x1003u);
    EXPECT_EQ(wlan->rxBytes, 289996u);
    EXPECT_EQ(wlan->txBytes, 530013u);
    const InterfaceEntry* loopback = find(entries, QStringLiteral("lo"));
    ASSERT_TRUE(loopback);
    EXPECT_EQ(loopback->flags, 0x9u);
    EXPECT_TRUE(loopback->flags & NetworkInterfaces::loopbackFlag);
    EXPECT_EQ(loopback->rxBytes, 3380u);
}

TEST(SysfsInterfaceList, MissingFilesAndWideCounters)
{
    CapturedTree tree;
    // Counters beyond 4 GiB keep their low 32 bits, as the kernel's interface list gives them.
    tree.write(QStringLiteral("sys/class/net/eth0/type"), "1\n");
    tree.write(QStringLiteral("sys/class/net/eth0/flags"), "0x1003\n");
    tree.write(QStringLiteral("sys/class/net/eth0/statistics/rx_bytes"), "4295572864\n");
    tree.write(QStringLiteral("sys/class/net/eth0/statistics/tx_bytes"), "7\n");
    // No flags file: down. One counter only: no link data.
    tree.write(QStringLiteral("sys/class/net/tun0/type"), "65534\n");
    tree.write(QStringLiteral("sys/class/net/tun0/statistics/rx_bytes"), "10\n");
    // Unreadable numbers give no link data either.
    tree.write(QStringLiteral("sys/class/net/usb0/type"), "1\n");
    tree.write(QStringLiteral("sys/class/net/usb0/flags"), "junk\n");
    tree.write(QStringLiteral("sys/class/net/usb0/statistics/rx_bytes"), "-\n");
    tree.write(QStringLiteral("sys/class/net/usb0/statistics/tx_bytes"), "1\n");
    // A class entry that is a file (a capture that kept the link's text) is no interface.
    tree.write(QStringLiteral("sys/class/net/wlan0"), "../../devices/pci0000:00/net/wlan0\n");

    std::vector<InterfaceEntry> entries;
    ASSERT_TRUE(SysfsInterfaceList(tree.root()).list(entries));
    ASSERT_EQ(entries.size(), 3u);
    const InterfaceEntry* eth = find(entries, QStringLiteral("eth0"));
    ASSERT_TRUE(eth);
    EXPECT_TRUE(eth->hasLinkData);
    EXPECT_EQ(eth->rxBytes, 605568u);
    EXPECT_EQ(eth->txBytes, 7u);
    const InterfaceEntry* tunnel = find(entries, QStringLiteral("tun0"));
    ASSERT_TRUE(tunnel);
    EXPECT_EQ(tunnel->flags, 0u);
    EXPECT_FALSE(tunnel->hasLinkData);
    const InterfaceEntry* usb = find(entries, QStringLiteral("usb0"));
    ASSERT_TRUE(usb);
    EXPECT_EQ(usb->flags, 0u);
    EXPECT_FALSE(usb->hasLinkData);
}

TEST(SysfsInterfaceList, ATreeWithoutNetworkClassHasNoList)
{
    CapturedTree tree;
    tree.write(QStringLiteral("proc/net/dev"), "Inter-|   Receive\n");
    std::vector<InterfaceEntry> entries{InterfaceEntry{}};
    EXPECT_FALSE(SysfsInterfaceList(tree.root()).list(entries));
    EXPECT_TRUE(entries.empty());
}

TEST(KernelIdentity, CapturedFromTheKernelFiles)
{
    CapturedTree tree;
    tree.write(QStringLiteral("proc/sys/kernel/ostype"), "Linux\n");
    tree.write(QStringLiteral("proc/sys/kernel/hostname"), "fieldbook\n");
    tree.write(QStringLiteral("proc/sys/kernel/osrelease"), "6.1.0-18-amd64\n");
    tree.write(QStringLiteral("proc/sys/kernel/arch"), "x86_64\n");
    tree.write(QStringLiteral("proc/version"), "Linux version 5.0.0 (someone@host) #1 SMP\n");
    const KernelIdentity identity = KernelIdentity::captured(tree.root());
    EXPECT_EQ(identity.system, "Linux");
    EXPECT_EQ(identity.nodeName, "fieldbook");
    EXPECT_EQ(identity.release, "6.1.0-18-amd64"); // osrelease wins over proc/version
    EXPECT_EQ(identity.machine, "x86_64");
}

TEST(KernelIdentity, CapturedReleaseFromProcVersionAndNothingFromAnEmptyTree)
{
    CapturedTree tree;
    tree.write(QStringLiteral("proc/version"),
               "Linux version 4.16.15-200.fc27.x86_64 (mockbuild@bkernel01.phx2.fedoraproject.org) (gcc version 7.3.1)\n");
    KernelIdentity identity = KernelIdentity::captured(tree.root());
    EXPECT_EQ(identity.system, "Linux");
    EXPECT_EQ(identity.release, "4.16.15-200.fc27.x86_64");
    EXPECT_EQ(identity.nodeName, "");
    EXPECT_EQ(identity.machine, "");

    // A proc/version of another shape names no release.
    tree.write(QStringLiteral("proc/version"), "something else\n");
    EXPECT_EQ(KernelIdentity::captured(tree.root()).release, "");

    const QTemporaryDir empty;
    identity = KernelIdentity::captured(empty.path());
    EXPECT_TRUE(identity.system.isEmpty() && identity.nodeName.isEmpty() && identity.release.isEmpty()
                && identity.machine.isEmpty());
}
