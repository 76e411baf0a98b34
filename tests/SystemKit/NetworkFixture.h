#pragma once

// A machine for the network sampler's tests: a sysfs and procfs tree written by the test (interface
// kinds, the route table), an interface list the test sets entry by entry, a Wi-Fi source it drives
// and a clock that moves only when told.

#include "Platform/Bus/DynamicStore.h"
#include "Platform/Time/FakeClock.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Sysfs/NetworkInterfaces.h"
#include "Platform/Netlink/Wlan.h"
#include "SystemKit/Network/NetworkEnvironment.h"

#include "Support/FakeAddressList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The kernel's interface list as the test sets it, entry by entry, handed to the reader the way the C
// library hands it over: a link-level entry has the interface's hardware address, as the tree's sysfs
// `address` file holds it, or none when that file is empty or missing (tun, WireGuard, PPP), and
// carries the counters; an address entry carries its address only.
class FakeInterfaceList : public Platform::NetworkInterfaces {
public:
    using NetworkInterfaces::NetworkInterfaces;

    std::vector<Platform::InterfaceEntry> entries;
    bool fails = false;
    mutable int calls = 0;

protected:
    int addressList(ifaddrs** first) const override
    {
        ++calls;
        if (fails)
            return -1;
        m_list.clear();
        for (const Platform::InterfaceEntry& entry : entries) {
            if (entry.family == linkFamily) {
                const auto text = attribute(entry.name, QStringLiteral("address"));
                const auto bytes = text ? hardwareAddressBytes(*text) : std::nullopt;
                m_list.link(entry.name, entry.flags, bytes,
                            entry.hasLinkData ? std::optional(std::pair(entry.rxBytes, entry.txBytes)) : std::nullopt);
            } else {
                m_list.address(entry.name, entry.flags, entry.family, entry.address);
            }
        }
        *first = m_list.build();
        return 0;
    }
    void releaseAddressList(ifaddrs*) const override {}

private:
    mutable FakeAddressList m_list;
};

class FakeWlan : public Platform::Wlan {
public:
    std::optional<std::vector<Platform::WlanInterface>> interfaces() override { return list; }
    std::optional<std::vector<Platform::WlanInterface>> list;
};

class NetworkMachine {
public:
    static constexpr std::uint32_t up = 0x1 | 0x2 | 0x1000;  // up, broadcast, lower up
    static constexpr std::uint32_t loopback = 0x1 | 0x8;

    NetworkMachine()
        : clock(std::make_shared<Platform::FakeClock>())
        , list(std::make_shared<FakeInterfaceList>(dir.path()))
        , wlan(std::make_shared<FakeWlan>())
        , registry(std::make_shared<Platform::InMemoryRegistry>())
    {
    }

    SystemKit::NetworkEnvironment environment() const
    {
        SystemKit::NetworkEnvironment environment;
        environment.interfaces = list;
        environment.store = std::make_shared<Platform::DynamicStore>(dir.path());
        environment.wlan = wlan;
        environment.registry = registry;
        environment.clock = clock;
        return environment;
    }

    void write(const QString& relative, const QByteArray& content)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    // An interface of a kind in sysfs: "Ethernet", "IEEE80211", "bridge" (Ethernet framing without a
    // device), "loopback" or anything else: a tunnel, which has no hardware address.
    void netdev(const QString& name, const QString& kind, const QByteArray& address = "02:00:00:00:00:01")
    {
        const bool device = kind == QLatin1String("Ethernet") || kind == QLatin1String("IEEE80211");
        const bool ether = device || kind == QLatin1String("bridge");
        const bool loopback = kind == QLatin1String("loopback");
        write(QStringLiteral("sys/class/net/%1/type").arg(name), ether ? "1\n" : loopback ? "772\n" : "65534\n");
        write(QStringLiteral("sys/class/net/%1/address").arg(name),
              ether ? address + '\n' : loopback ? QByteArray("00:00:00:00:00:00\n") : QByteArray("\n"));
        if (device)
            QFile::link(QStringLiteral("../../../devices/pci0"), dir.filePath(QStringLiteral("sys/class/net/%1/device").arg(name)));
        if (kind == QLatin1String("IEEE80211"))
            write(QStringLiteral("sys/class/net/%1/phy80211/index").arg(name), "0\n");
    }

    // The default route through `name`, or none.
    void primary(const std::optional<QString>& name)
    {
        QByteArray table = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
        if (name)
            table += name->toUtf8() + "\t00000000\t010200C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n";
        write(QStringLiteral("proc/net/route"), table);
    }

    // A link-level entry with its counters; `sent` and `received` are the 32-bit counters.
    void link(const QString& name, std::uint32_t sent, std::uint32_t received, std::uint32_t flags = up)
    {
        for (auto& entry : list->entries) {
            if (entry.name == name && entry.family == Platform::NetworkInterfaces::linkFamily) {
                entry.txBytes = sent;
                entry.rxBytes = received;
                entry.flags = flags;
                return;
            }
        }
        Platform::InterfaceEntry entry;
        entry.name = name;
        entry.flags = flags;
        entry.family = Platform::NetworkInterfaces::linkFamily;
        entry.hasLinkData = true;
        entry.txBytes = sent;
        entry.rxBytes = received;
        list->entries.push_back(entry);
    }
    void address(const QString& name, int family, const QString& text)
    {
        Platform::InterfaceEntry entry;
        entry.name = name;
        entry.flags = up;
        entry.family = family;
        entry.address = text;
        list->entries.push_back(entry);
    }
    void remove(const QString& name)
    {
        std::erase_if(list->entries, [&](const Platform::InterfaceEntry& e) { return e.name == name; });
    }

    QTemporaryDir dir;
    std::shared_ptr<Platform::FakeClock> clock;
    std::shared_ptr<FakeInterfaceList> list;
    std::shared_ptr<FakeWlan> wlan;
    std::shared_ptr<Platform::InMemoryRegistry> registry;
};
