#include "Platform/Bus/DynamicStore.h"
#include "Platform/Sysfs/NetworkInterfaces.h"
#include "Platform/Netlink/Wlan.h"

#include "Support/FakeAddressList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <linux/if_tun.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <thread>

using Platform::DynamicStore;
using Platform::InterfaceEntry;
using Platform::NetworkInterfaces;
using Platform::Wlan;
using Platform::WlanRateInfo;

namespace {

const QString thinkpad = QStringLiteral(KESTRION_FIXTURES "/Platform/network/thinkpad-wifi");

// A sysfs and procfs tree written by the test.
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
    void link(const QString& relative, const QString& target)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(QFile::link(target, path));
    }
    // One interface: its type file, its address and optionally a device link.
    void netdev(const QString& name, int type, bool device, const QByteArray& address = "02:00:00:00:00:01")
    {
        write(QStringLiteral("sys/class/net/%1/type").arg(name), QByteArray::number(type) + '\n');
        write(QStringLiteral("sys/class/net/%1/address").arg(name), address + '\n');
        if (device)
            link(QStringLiteral("sys/class/net/%1/device").arg(name), QStringLiteral("../../../devices/pci0"));
    }
    QString path() const { return dir.path(); }

    QTemporaryDir dir;
};

std::optional<QString> type(const NetworkInterfaces& interfaces, const QString& name)
{
    const auto facts = interfaces.facts(name);
    return facts ? facts->type : std::nullopt;
}

// The interface list read from a list the test lays out as the C library does.
class LaidOutList : public NetworkInterfaces {
public:
    mutable FakeAddressList fake;

protected:
    int addressList(ifaddrs** first) const override
    {
        *first = fake.build();
        return 0;
    }
    void releaseAddressList(ifaddrs*) const override {}
};

const InterfaceEntry* find(const std::vector<InterfaceEntry>& entries, const QString& name, int family)
{
    for (const InterfaceEntry& entry : entries) {
        if (entry.name == name && entry.family == family)
            return &entry;
    }
    return nullptr;
}

// What the interface list reads inside a network namespace of its own that holds one tun device,
// up, through which `packets` IPv4 packets of 40 bytes came in; none, with the reason, where this
// process may not make one.
std::optional<std::vector<InterfaceEntry>> listWithTunDevice(const char* name, int packets, QString& reason)
{
    std::optional<std::vector<InterfaceEntry>> result;
    // A namespace belongs to the thread that made it: the process's other threads keep theirs.
    std::thread([&] {
        if (::geteuid() != 0 || ::access("/dev/net/tun", R_OK | W_OK) != 0) {
            reason = QStringLiteral("needs root and /dev/net/tun");
            return;
        }
        if (::unshare(CLONE_NEWNET) != 0) {
            reason = QStringLiteral("no private network namespace: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        const int tun = ::open("/dev/net/tun", O_RDWR | O_CLOEXEC);
        ifreq request{};
        request.ifr_flags = IFF_TUN | IFF_NO_PI;
        std::strncpy(request.ifr_name, name, IFNAMSIZ - 1);
        const int control = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        bool ready = tun >= 0 && ::ioctl(tun, TUNSETIFF, &request) == 0 && control >= 0;
        if (ready) {
            ifreq flags{};
            std::strncpy(flags.ifr_name, name, IFNAMSIZ - 1);
            ready = ::ioctl(control, SIOCGIFFLAGS, &flags) == 0;
            flags.ifr_flags |= IFF_UP;
            ready = ready && ::ioctl(control, SIOCSIFFLAGS, &flags) == 0;
        }
        // Packets for the loopback address arriving on the tunnel: counted as received, then
        // dropped; nothing leaves the namespace.
        unsigned char packet[40] = {0x45, 0, 0, 40, 0, 0, 0x40, 0, 64, 17, 0, 0, 127, 0, 0, 2, 127, 0, 0, 1};
        for (int i = 0; ready && i < packets; ++i)
            ready = ::write(tun, packet, sizeof packet) == ssize_t(sizeof packet);
        if (ready) {
            std::vector<InterfaceEntry> entries;
            if (NetworkInterfaces().list(entries))
                result = std::move(entries);
        } else {
            reason = QStringLiteral("no tun device: ") + QString::fromLocal8Bit(std::strerror(errno));
        }
        if (control >= 0)
            ::close(control);
        if (tun >= 0)
            ::close(tun);
    }).join();
    return result;
}

} // namespace

TEST(NetworkInterfaces, LinkEntriesWithoutHardwareAddressKeepTheirCounters)
{
    LaidOutList list;
    list.fake.link(QStringLiteral("lo"), 0x49, QByteArray(6, '\0'), std::pair(100u, 100u));
    list.fake.link(QStringLiteral("eth0"), 0x1043, QByteArray::fromHex("0019d275aeff"), std::pair(5000u, 7000u));
    // A tun, WireGuard or PPP device: its link-level entry has counters but no address.
    list.fake.link(QStringLiteral("wg0"), 0x10d1, std::nullopt, std::pair(123456u, 654321u));
    list.fake.address(QStringLiteral("eth0"), 0x1043, AF_INET, QStringLiteral("192.0.2.2"));
    list.fake.address(QStringLiteral("wg0"), 0x10d1, AF_INET, QStringLiteral("198.51.100.7"));
    list.fake.address(QStringLiteral("wg0"), 0x10d1, AF_INET6, QStringLiteral("fd00::7"));

    std::vector<InterfaceEntry> entries;
    ASSERT_TRUE(list.list(entries));
    ASSERT_EQ(entries.size(), 6u);
    const InterfaceEntry* tunnel = find(entries, QStringLiteral("wg0"), NetworkInterfaces::linkFamily);
    ASSERT_TRUE(tunnel);
    EXPECT_TRUE(tunnel->hasLinkData);
    EXPECT_EQ(tunnel->rxBytes, 123456u);
    EXPECT_EQ(tunnel->txBytes, 654321u);
    EXPECT_EQ(tunnel->flags, 0x10d1u);
    const InterfaceEntry* ethernet = find(entries, QStringLiteral("eth0"), NetworkInterfaces::linkFamily);
    ASSERT_TRUE(ethernet);
    EXPECT_EQ(ethernet->rxBytes, 5000u);
    // Address entries stay addresses, without counters.
    const InterfaceEntry* v4 = find(entries, QStringLiteral("wg0"), NetworkInterfaces::inet4Family);
    ASSERT_TRUE(v4);
    EXPECT_FALSE(v4->hasLinkData);
    EXPECT_EQ(v4->address, QStringLiteral("198.51.100.7"));
    EXPECT_EQ(NetworkInterfaces::firstAddress(entries, QStringLiteral("wg0"), NetworkInterfaces::inet6Family),
              QStringLiteral("fd00::7"));
}

TEST(NetworkInterfaces, TunDeviceInAPrivateNamespaceIsListedWithItsCounters)
{
    QString reason;
    const auto entries = listWithTunDevice("kestrion-tun0", 3, reason);
    if (!entries)
        GTEST_SKIP() << "no tun device could be made here (" << reason.toStdString() << ")";
    const InterfaceEntry* tunnel = find(*entries, QStringLiteral("kestrion-tun0"), NetworkInterfaces::linkFamily);
    ASSERT_TRUE(tunnel) << "the tun device has no link-level entry";
    EXPECT_TRUE(tunnel->hasLinkData);
    EXPECT_TRUE(tunnel->flags & NetworkInterfaces::upFlag);
    EXPECT_EQ(tunnel->rxBytes, 3u * 40u);
    EXPECT_EQ(tunnel->txBytes, 0u);
}

TEST(NetworkInterfaces, ThinkPadKindsAndAddresses)
{
    const NetworkInterfaces interfaces(thinkpad);
    const auto all = interfaces.interfaces();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].bsdName, QStringLiteral("eth0"));
    EXPECT_EQ(all[1].bsdName, QStringLiteral("lo"));
    EXPECT_EQ(all[2].bsdName, QStringLiteral("wlan0"));
    EXPECT_EQ(all[3].bsdName, QStringLiteral("wmaster0"));
    EXPECT_EQ(all[0].type, QStringLiteral("Ethernet"));
    EXPECT_EQ(all[1].type, std::nullopt); // loopback, type 772
    EXPECT_EQ(all[2].type, QStringLiteral("IEEE80211"));
    // The old radio master device links to its radio too, but is no station (type 801).
    EXPECT_EQ(all[3].type, std::nullopt);
    EXPECT_EQ(all[2].hardwareAddress, QStringLiteral("00:19:d2:75:ae:ff"));
    EXPECT_EQ(all[2].displayName, std::nullopt); // no udev database in the tree
    EXPECT_EQ(interfaces.facts(QStringLiteral("eth9")), std::nullopt);
    EXPECT_EQ(interfaces.facts(QStringLiteral("../lo")), std::nullopt);
}

TEST(NetworkInterfaces, VirtualInterfacesHaveNoKind)
{
    Tree tree;
    tree.netdev(QStringLiteral("tun0"), 65534, false);
    tree.netdev(QStringLiteral("br0"), 1, false);
    tree.netdev(QStringLiteral("veth1a2b"), 1, false);
    tree.netdev(QStringLiteral("ppp0"), 512, false);
    tree.netdev(QStringLiteral("enp3s0"), 1, true);
    tree.netdev(QStringLiteral("wlp2s0"), 1, true);
    tree.link(QStringLiteral("sys/class/net/wlp2s0/phy80211"), QStringLiteral("../../ieee80211/phy0"));
    tree.netdev(QStringLiteral("mon0"), 803, true);
    tree.link(QStringLiteral("sys/class/net/mon0/phy80211"), QStringLiteral("../../ieee80211/phy0"));
    const NetworkInterfaces interfaces(tree.path());
    EXPECT_EQ(type(interfaces, QStringLiteral("tun0")), std::nullopt);
    EXPECT_EQ(type(interfaces, QStringLiteral("br0")), std::nullopt);
    EXPECT_EQ(type(interfaces, QStringLiteral("veth1a2b")), std::nullopt);
    EXPECT_EQ(type(interfaces, QStringLiteral("ppp0")), std::nullopt);
    EXPECT_EQ(type(interfaces, QStringLiteral("enp3s0")), QStringLiteral("Ethernet"));
    // A dangling radio link still marks a wireless interface.
    EXPECT_EQ(type(interfaces, QStringLiteral("wlp2s0")), QStringLiteral("IEEE80211"));
    EXPECT_EQ(type(interfaces, QStringLiteral("mon0")), std::nullopt);
}

TEST(NetworkInterfaces, DisplayNameFromTheUdevDatabase)
{
    Tree tree;
    tree.netdev(QStringLiteral("enp3s0"), 1, true);
    tree.write(QStringLiteral("sys/class/net/enp3s0/ifindex"), "3\n");
    tree.write(QStringLiteral("run/udev/data/n3"),
               "I:123\nE:ID_MODEL_FROM_DATABASE=\nE:ID_MODEL_FROM_DATABASE=RTL8111/8168 PCI Express Gigabit\n"
               "E:ID_VENDOR_FROM_DATABASE=Realtek\n");
    tree.netdev(QStringLiteral("eno1"), 1, true);
    tree.write(QStringLiteral("sys/class/net/eno1/ifindex"), "x\n");
    const NetworkInterfaces interfaces(tree.path());
    EXPECT_EQ(interfaces.facts(QStringLiteral("enp3s0"))->displayName,
              QStringLiteral("RTL8111/8168 PCI Express Gigabit"));
    EXPECT_EQ(interfaces.udevProperty(QStringLiteral("enp3s0"), QStringLiteral("ID_VENDOR_FROM_DATABASE")),
              QStringLiteral("Realtek"));
    EXPECT_EQ(interfaces.facts(QStringLiteral("eno1"))->displayName, std::nullopt);
}

TEST(NetworkInterfaces, FirstAddressOfEachFamily)
{
    std::vector<InterfaceEntry> entries;
    auto add = [&](const char* name, int family, const char* address) {
        InterfaceEntry e;
        e.name = QString::fromLatin1(name);
        e.family = family;
        e.address = QString::fromLatin1(address);
        entries.push_back(e);
    };
    add("eth0", NetworkInterfaces::linkFamily, "");
    add("eth1", NetworkInterfaces::inet4Family, "10.0.0.9");
    add("eth0", NetworkInterfaces::inet6Family, "fe80::1");
    add("eth0", NetworkInterfaces::inet4Family, "192.0.2.2");
    add("eth0", NetworkInterfaces::inet4Family, "192.0.2.3");
    const QString eth0 = QStringLiteral("eth0");
    EXPECT_EQ(NetworkInterfaces::firstAddress(entries, eth0, NetworkInterfaces::inet4Family), QStringLiteral("192.0.2.2"));
    EXPECT_EQ(NetworkInterfaces::firstAddress(entries, eth0, NetworkInterfaces::inet6Family), QStringLiteral("fe80::1"));
    EXPECT_EQ(NetworkInterfaces::firstAddress(entries, QStringLiteral("eth1"), NetworkInterfaces::inet6Family),
              std::nullopt);
}

TEST(NetworkInterfaces, HardwareAddressBytes)
{
    EXPECT_EQ(NetworkInterfaces::hardwareAddressBytes(QStringLiteral("00:19:d2:75:ae:ff\n")),
              QByteArray::fromHex("0019d275aeff"));
    EXPECT_EQ(NetworkInterfaces::hardwareAddressBytes(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(NetworkInterfaces::hardwareAddressBytes(QStringLiteral("00:1:d2")), std::nullopt);
    EXPECT_EQ(NetworkInterfaces::hardwareAddressBytes(QStringLiteral("zz:00")), std::nullopt);
}

TEST(DynamicStore, PrimaryInterfaceFromTheRouteTable)
{
    const std::string header =
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
    auto primary = [&](const std::string& rows) { return DynamicStore::primaryInterfaceInRoutes(header + rows); };

    // Two default routes: the lower metric wins, whatever the order.
    EXPECT_EQ(primary("wlan0\t00000000\t0100A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
                      "eth0\t00000000\t010200C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
                      "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"),
              QStringLiteral("eth0"));
    // Equal metrics: the first in file order.
    EXPECT_EQ(primary("tun0\t00000000\t00000000\t0001\t0\t0\t50\t00000000\t0\t0\t0\n"
                      "eth0\t00000000\t010200C0\t0003\t0\t0\t50\t00000000\t0\t0\t0\n"),
              QStringLiteral("tun0"));
    // No default route, a header only, nothing at all.
    EXPECT_EQ(primary("eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"), std::nullopt);
    EXPECT_EQ(primary(""), std::nullopt);
    EXPECT_EQ(DynamicStore::primaryInterfaceInRoutes(""), std::nullopt);
    // A default route that is not up, one with a mask, and broken rows do not count.
    EXPECT_EQ(primary("eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\t0\t0\t0\n"
                      "eth1\t00000000\t010200C0\t0003\t0\t0\t0\t000000FF\t0\t0\t0\n"
                      "eth2\t00000000\t010200C0\t0003\t0\t0\n"
                      "eth3\t0000zz00\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
                      "eth4\t00000000\t010200C0\t0003\t0\t0\t-1\t00000000\t0\t0\t0\n"),
              std::nullopt);
}

TEST(DynamicStore, PrimaryInterfaceReadsTheTree)
{
    Tree tree;
    DynamicStore store(tree.path());
    EXPECT_EQ(store.primaryInterface(), std::nullopt); // no route file
    tree.write(QStringLiteral("proc/net/route"),
               "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
               "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n");
    EXPECT_EQ(store.primaryInterface(), QStringLiteral("eth0"));
}

TEST(Wlan, FrequencyToChannelAndBandAtTheBandEdges)
{
    using P = std::pair<int, int>;
    EXPECT_EQ(Wlan::channelAndBand(2412), P(1, 1));
    EXPECT_EQ(Wlan::channelAndBand(2472), P(13, 1));
    EXPECT_EQ(Wlan::channelAndBand(2484), P(14, 1));
    EXPECT_EQ(Wlan::channelAndBand(2411), std::nullopt);
    EXPECT_EQ(Wlan::channelAndBand(2485), std::nullopt);
    EXPECT_EQ(Wlan::channelAndBand(5150), P(30, 2));
    EXPECT_EQ(Wlan::channelAndBand(5180), P(36, 2));
    EXPECT_EQ(Wlan::channelAndBand(5895), P(179, 2));
    EXPECT_EQ(Wlan::channelAndBand(5900), std::nullopt);
    EXPECT_EQ(Wlan::channelAndBand(5955), P(1, 3));
    EXPECT_EQ(Wlan::channelAndBand(7115), P(233, 3));
    EXPECT_EQ(Wlan::channelAndBand(7120), std::nullopt);
    EXPECT_EQ(Wlan::channelAndBand(0), std::nullopt);
    EXPECT_EQ(Wlan::bandName(1), QStringLiteral("2.4 GHz"));
    EXPECT_EQ(Wlan::bandName(3), QStringLiteral("6 GHz"));
}

TEST(Wlan, PowerRateAndModeConversions)
{
    EXPECT_EQ(Wlan::milliwatts(2000), 100); // 20 dBm
    EXPECT_EQ(Wlan::milliwatts(0), 1);
    EXPECT_EQ(Wlan::milliwatts(1500), 32); // 31.6 mW
    EXPECT_EQ(Wlan::milliwatts(-1000), 0);
    EXPECT_DOUBLE_EQ(Wlan::megabitsPerSecond(8667), 866.7);
    EXPECT_DOUBLE_EQ(Wlan::megabitsPerSecond(10), 1.0);

    WlanRateInfo rate;
    EXPECT_EQ(Wlan::phyMode(rate, 1), 0); // no rate at all
    rate.bitrate100kbps = 110;
    EXPECT_EQ(Wlan::phyMode(rate, 1), 2); // 11 Mbit/s legacy on 2.4 GHz: 802.11b
    rate.bitrate100kbps = 540;
    EXPECT_EQ(Wlan::phyMode(rate, 1), 3);
    EXPECT_EQ(Wlan::phyMode(rate, 2), 1);
    EXPECT_EQ(Wlan::phyMode(rate, std::nullopt), 0);
    rate.htMcs = true;
    EXPECT_EQ(Wlan::phyMode(rate, 1), 4);
    rate.vhtMcs = true;
    EXPECT_EQ(Wlan::phyMode(rate, 2), 5);
    rate.heMcs = true;
    EXPECT_EQ(Wlan::phyMode(rate, 3), 6);
    rate.ehtMcs = true;
    EXPECT_EQ(Wlan::phyMode(rate, 3), 7);

    EXPECT_EQ(Wlan::interfaceMode(2), 1);
    EXPECT_EQ(Wlan::interfaceMode(1), 2);
    EXPECT_EQ(Wlan::interfaceMode(3), 3);
    EXPECT_EQ(Wlan::interfaceMode(6), 0); // monitor
    EXPECT_EQ(Wlan::none()->interfaces(), std::nullopt);
}

TEST(Wlan, LevelsOfProcNetWireless)
{
    const QByteArray text =
        "Inter-| sta-|   Quality        |   Discarded packets               | Missed | WE\n"
        " face | tus | link level noise |  nwid  crypt   frag  retry   misc | beacon | 22\n"
        "wlp2s0: 0000   54.  -56.  -256        0      0      0      0     17        0\n"
        " wlan0: 0000   77.  199.  178.        0      0      0      0      0        0\n"
        "  wlan1: 0000   0.  0.  0.\n"
        "  wlan2: 0000\n";
    const auto modern = Wlan::wirelessLevels(text, QStringLiteral("wlp2s0"));
    EXPECT_EQ(modern.signal, -56);
    EXPECT_EQ(modern.noise, std::nullopt); // -256: unknown
    // Old drivers write dBm as unsigned bytes.
    const auto old = Wlan::wirelessLevels(text, QStringLiteral("wlan0"));
    EXPECT_EQ(old.signal, -57);
    EXPECT_EQ(old.noise, -78);
    EXPECT_EQ(Wlan::wirelessLevels(text, QStringLiteral("wlan1")).signal, std::nullopt);
    EXPECT_EQ(Wlan::wirelessLevels(text, QStringLiteral("wlan2")).signal, std::nullopt);
    EXPECT_EQ(Wlan::wirelessLevels(text, QStringLiteral("wlp2s")).signal, std::nullopt);
    EXPECT_EQ(Wlan::wirelessLevels(QByteArray(), QStringLiteral("wlan0")).noise, std::nullopt);
}
