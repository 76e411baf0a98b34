#include "SystemKit/Network/EthernetAdapter.h"
#include "SystemKit/Network/NetworkController.h"
#include "SystemKit/Network/WifiAdapter.h"

#include "FakePathStream.h"
#include "FakeTool.h"
#include "NetworkFixture.h"

#include "Platform/Registry/NetworkRegistryAdapter.h"
#include "Platform/Registry/SysfsRegistry.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace SystemKit;
using Platform::NetworkInterfaces;

namespace {

std::unique_ptr<NetworkController> sampler(const NetworkMachine& machine)
{
    return std::make_unique<NetworkController>(30, false, machine.environment());
}

QStringList names(const QList<NetworkAdapter*>& adapters)
{
    QStringList result;
    for (const NetworkAdapter* adapter : adapters)
        result.append(adapter->identifier());
    return result;
}

} // namespace

TEST(NetworkController, ConstructionSamplesButMirrorsNothingYet)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.netdev(QStringLiteral("eth1"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth1"));
    machine.link(QStringLiteral("eth0"), 100, 200);
    machine.link(QStringLiteral("eth1"), 1000, 2000);
    machine.address(QStringLiteral("eth1"), NetworkInterfaces::inet4Family, QStringLiteral("192.0.2.2"));

    auto network = sampler(machine);
    EXPECT_EQ(names(network->adapters()), (QStringList{QStringLiteral("eth0"), QStringLiteral("eth1")}));
    EXPECT_EQ(network->adapter(), nullptr);
    EXPECT_EQ(network->name(), QString());
    EXPECT_EQ(network->adapterUpload(), 0u);
    EXPECT_EQ(network->adapterDownload(), 0u);
    EXPECT_TRUE(network->uploadHistory().isEmpty());
    EXPECT_EQ(network->identifier(), QString());

    machine.clock->advance(std::chrono::seconds(2));
    machine.link(QStringLiteral("eth1"), 3000, 6000);
    network->updateAdapters();
    ASSERT_NE(network->adapter(), nullptr);
    EXPECT_EQ(network->adapter()->identifier(), QStringLiteral("eth1"));
    EXPECT_TRUE(qobject_cast<EthernetAdapter*>(network->adapter()));
    EXPECT_EQ(network->name(), QStringLiteral("eth1"));
    EXPECT_EQ(network->adapterUpload(), 1000u);
    EXPECT_EQ(network->adapterDownload(), 2000u);
    EXPECT_EQ(network->uploadSpeed(), 1000u);
    EXPECT_EQ(network->maxSpeed(), 2000u);
    ASSERT_EQ(network->downloadHistory().size(), 30);
    EXPECT_EQ(network->downloadHistory().last().value, 2000u);
    EXPECT_EQ(network->adapter()->addresses().displayAddress(), QStringLiteral("192.0.2.2"));
}

TEST(NetworkController, ElapsedTimeIgnoresWallClockSteps)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    auto network = sampler(machine);
    machine.clock->advance(std::chrono::seconds(1));
    network->updateAdapters();
    // The wall clock steps back an hour while one second passes.
    machine.clock->setNow(machine.clock->now().addSecs(-3600));
    machine.clock->advance(std::chrono::seconds(1));
    machine.link(QStringLiteral("eth0"), 500, 800);
    network->updateAdapters();
    EXPECT_EQ(network->adapterUpload(), 500u);
    EXPECT_EQ(network->adapterDownload(), 800u);
}

TEST(NetworkController, OnlyUpLinkLevelNonLoopbackInterfacesGetAdapters)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.netdev(QStringLiteral("eth1"), QStringLiteral("Ethernet"));
    machine.netdev(QStringLiteral("lo"), QStringLiteral("loopback"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 1, 1);
    machine.link(QStringLiteral("eth1"), 1, 1, 0x1002); // down
    machine.link(QStringLiteral("lo"), 1, 1, NetworkMachine::loopback);
    machine.address(QStringLiteral("eth1"), NetworkInterfaces::inet4Family, QStringLiteral("10.0.0.1"));
    Platform::InterfaceEntry noCounters;
    noCounters.name = QStringLiteral("eth2");
    noCounters.family = NetworkInterfaces::linkFamily;
    noCounters.flags = NetworkMachine::up;
    machine.netdev(QStringLiteral("eth2"), QStringLiteral("Ethernet"));
    machine.list->entries.push_back(noCounters);

    auto network = sampler(machine);
    network->updateAdapters();
    EXPECT_EQ(names(network->adapters()), QStringList{QStringLiteral("eth0")});
    EXPECT_TRUE(network->ignoredAdapters().isEmpty());
}

TEST(NetworkController, InterfaceVanishesAndComesBackAsANewAdapter)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.netdev(QStringLiteral("eth1"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    machine.link(QStringLiteral("eth1"), 0, 0);
    auto network = sampler(machine);
    machine.clock->advance(std::chrono::seconds(1));
    machine.link(QStringLiteral("eth1"), 100, 100);
    network->updateAdapters();
    EXPECT_EQ(network->adapters().size(), 2);

    machine.remove(QStringLiteral("eth1"));
    network->updateAdapters();
    EXPECT_EQ(names(network->adapters()), QStringList{QStringLiteral("eth0")});

    machine.link(QStringLiteral("eth1"), 5000, 5000);
    network->updateAdapters();
    const NetworkAdapter* back = network->adapters().value(1);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->speeds().current.upload, 0u); // only records its counters
    EXPECT_EQ(back->speeds().max.upload, 0u);
    machine.clock->advance(std::chrono::seconds(1));
    machine.link(QStringLiteral("eth1"), 5100, 5000);
    network->updateAdapters();
    EXPECT_EQ(network->adapters().value(1)->speeds().current.upload, 100u);
}

TEST(NetworkController, CurrentAdapterThatVanishesIsCleared)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    auto network = sampler(machine);
    network->updateAdapters();
    ASSERT_NE(network->adapter(), nullptr);
    machine.link(QStringLiteral("eth0"), 0, 0, 0x1002); // down, the route still stands
    network->updateAdapters();
    EXPECT_EQ(network->adapter(), nullptr);
    EXPECT_EQ(network->name(), QString());
    machine.link(QStringLiteral("eth0"), 0, 0);
    network->updateAdapters();
    network->updateAdapters();
    EXPECT_NE(network->adapter(), nullptr);
}

TEST(NetworkController, NoPrimaryInterfaceSamplesNothing)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    auto network = sampler(machine);
    machine.clock->advance(std::chrono::seconds(1));
    machine.link(QStringLiteral("eth0"), 300, 400);
    network->updateAdapters();
    ASSERT_EQ(network->adapterDownload(), 400u);

    machine.primary(std::nullopt);
    QSignalSpy traffic(network.get(), &NetworkController::trafficDidUpdate);
    QSignalSpy speed(network.get(), &NetworkController::speedDidUpdate);
    const int calls = machine.list->calls;
    network->updateAdapters();
    EXPECT_EQ(traffic.count(), 0);
    EXPECT_EQ(speed.count(), 0);
    EXPECT_EQ(machine.list->calls, calls); // the interface list is not even read
    EXPECT_EQ(network->adapter(), nullptr);
    EXPECT_EQ(network->currentIdentifier(), std::nullopt);
    EXPECT_EQ(network->name(), QStringLiteral("eth0"));
    EXPECT_EQ(network->adapterDownload(), 400u);
    EXPECT_EQ(network->adapters().size(), 1);

    // A route file without rows, and none at all, are the same.
    machine.remove(QStringLiteral("eth0"));
    QFile::remove(machine.dir.filePath(QStringLiteral("proc/net/route")));
    network->updateAdapters();
    EXPECT_EQ(speed.count(), 0);
}

TEST(NetworkController, FailingOrEmptyListEndsTheSample)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    auto network = sampler(machine);
    QSignalSpy speed(network.get(), &NetworkController::speedDidUpdate);
    machine.list->fails = true;
    network->updateAdapters();
    EXPECT_EQ(speed.count(), 0);
    EXPECT_EQ(network->adapters().size(), 1);
    machine.list->fails = false;
    machine.list->entries.clear();
    network->updateAdapters();
    EXPECT_EQ(speed.count(), 0);
    EXPECT_EQ(network->adapters().size(), 1);
}

TEST(NetworkController, AnnouncesAdaptersInNameOrderThenTheSpeed)
{
    NetworkMachine machine;
    for (const char* name : {"eth2", "eth0", "wlan0", "eth1"})
        machine.netdev(QString::fromLatin1(name),
                       QLatin1String(name).startsWith(QLatin1String("w")) ? QStringLiteral("IEEE80211")
                                                                          : QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth1"));
    for (const char* name : {"wlan0", "eth2", "eth0", "eth1"})
        machine.link(QString::fromLatin1(name), 0, 0);
    auto network = sampler(machine);

    QStringList order;
    int speeds = 0;
    QObject::connect(network.get(), &NetworkController::trafficDidUpdate, [&](NetworkAdapter* adapter) {
        EXPECT_EQ(speeds, 0);
        order.append(adapter->identifier());
    });
    QObject::connect(network.get(), &NetworkController::speedDidUpdate, [&](NetworkSpeedInfo info) {
        ++speeds;
        EXPECT_EQ(info.mode, NetworkSpeedMode::adapter);
    });
    network->updateAdapters();
    EXPECT_EQ(order, (QStringList{QStringLiteral("eth0"), QStringLiteral("eth1"), QStringLiteral("eth2"),
                                  QStringLiteral("wlan0")}));
    EXPECT_EQ(speeds, 1);
    EXPECT_TRUE(qobject_cast<WifiAdapter*>(network->adapters().value(3)));
}

TEST(NetworkController, NoQualifyingInterfaceStillAnnouncesTheSpeed)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    auto network = sampler(machine);
    machine.link(QStringLiteral("eth0"), 0, 0, 0x1002);
    QSignalSpy traffic(network.get(), &NetworkController::trafficDidUpdate);
    QSignalSpy speed(network.get(), &NetworkController::speedDidUpdate);
    network->updateAdapters();
    EXPECT_EQ(traffic.count(), 0);
    EXPECT_EQ(speed.count(), 1);
    EXPECT_TRUE(network->adapters().isEmpty());
}

TEST(NetworkController, TunnelGetsAnAdapterOnlyAsThePrimaryInterface)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.netdev(QStringLiteral("tun0"), QStringLiteral("tunnel"));
    machine.netdev(QStringLiteral("br0"), QStringLiteral("bridge"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    machine.link(QStringLiteral("tun0"), 0, 0, 0x1 | 0x10); // up, point to point
    machine.link(QStringLiteral("br0"), 0, 0);
    machine.link(QStringLiteral("vpn9"), 0, 0); // not even in sysfs
    auto network = sampler(machine);
    network->updateAdapters();
    EXPECT_EQ(names(network->adapters()), QStringList{QStringLiteral("eth0")});
    EXPECT_EQ(network->ignoredAdapters(),
              (QStringList{QStringLiteral("tun0"), QStringLiteral("br0"), QStringLiteral("vpn9")}));

    machine.primary(QStringLiteral("vpn9"));
    network->updateAdapters();
    EXPECT_EQ(names(network->adapters()), (QStringList{QStringLiteral("eth0"), QStringLiteral("vpn9")}));
    EXPECT_TRUE(qobject_cast<EthernetAdapter*>(network->adapters().value(1)));
    EXPECT_EQ(network->ignoredAdapters(), (QStringList{QStringLiteral("tun0"), QStringLiteral("br0")}));
    network->updateAdapters();
    EXPECT_EQ(network->name(), QStringLiteral("vpn9"));

    // No longer primary, it stays while it is seen.
    machine.primary(QStringLiteral("eth0"));
    network->updateAdapters();
    EXPECT_EQ(network->adapters().size(), 2);
}

TEST(NetworkController, TunnelAsTheDefaultRouteIsSampled)
{
    // A VPN whose tun device carries the default route: the device has no hardware address.
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.netdev(QStringLiteral("tun0"), QStringLiteral("tunnel"));
    machine.primary(QStringLiteral("tun0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    machine.link(QStringLiteral("tun0"), 1000, 2000, 0x1 | 0x10 | 0x40 | 0x10000);
    machine.address(QStringLiteral("tun0"), NetworkInterfaces::inet4Family, QStringLiteral("198.51.100.7"));
    auto network = sampler(machine);
    machine.clock->advance(std::chrono::seconds(1));
    machine.link(QStringLiteral("tun0"), 1500, 4000, 0x1 | 0x10 | 0x40 | 0x10000);
    network->updateAdapters();
    ASSERT_NE(network->adapter(), nullptr);
    EXPECT_EQ(network->adapter()->identifier(), QStringLiteral("tun0"));
    EXPECT_TRUE(qobject_cast<EthernetAdapter*>(network->adapter()));
    EXPECT_EQ(network->adapter()->addresses().displayAddress(), QStringLiteral("198.51.100.7"));
    EXPECT_EQ(network->adapterUpload(), 500u);
    EXPECT_EQ(network->adapterDownload(), 2000u);
}

TEST(NetworkController, AddressesAreReadAgainEverySample)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    machine.address(QStringLiteral("eth0"), NetworkInterfaces::inet6Family, QStringLiteral("fd00::2"));
    auto network = sampler(machine);
    network->updateAdapters();
    ASSERT_NE(network->adapter(), nullptr);
    EXPECT_EQ(network->adapter()->addresses().ipv4, std::nullopt);
    EXPECT_EQ(network->adapter()->addresses().displayAddress(), QStringLiteral("fd00::2"));

    machine.remove(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    machine.address(QStringLiteral("eth0"), NetworkInterfaces::inet6Family, QStringLiteral("fd00::9"));
    network->updateAdapters();
    EXPECT_EQ(network->adapter()->addresses().ipv6, QStringLiteral("fd00::9"));
    machine.address(QStringLiteral("eth0"), NetworkInterfaces::inet4Family, QStringLiteral("192.0.2.7"));
    network->updateAdapters();
    EXPECT_EQ(network->adapter()->addresses().displayAddress(), QStringLiteral("192.0.2.7"));
}

TEST(NetworkController, WifiLiveValuesFromTheFirstReading)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("wlan0"), QStringLiteral("IEEE80211"), "00:19:d2:75:ae:ff");
    machine.primary(QStringLiteral("wlan0"));
    machine.link(QStringLiteral("wlan0"), 0, 0);
    auto network = sampler(machine);
    network->updateAdapters();
    auto* wifi = qobject_cast<WifiAdapter*>(network->adapter());
    ASSERT_NE(wifi, nullptr);
    EXPECT_EQ(wifi->hardwareAddress(), QStringLiteral("00:19:d2:75:ae:ff"));
    EXPECT_FALSE(wifi->info().has_value()); // no list: no values

    machine.wlan->list = std::vector<Platform::WlanInterface>{};
    network->updateAdapters();
    EXPECT_FALSE(wifi->info().has_value()); // an empty list has none for it either

    Platform::WlanInterface values;
    values.name = QStringLiteral("wlan0");
    values.rssi = -54;
    values.noise = -90;
    values.transmitRate = 866.7;
    values.channel = 36;
    values.channelBand = 2;
    machine.wlan->list = std::vector<Platform::WlanInterface>{values};
    network->updateAdapters();
    ASSERT_TRUE(wifi->info().has_value());
    EXPECT_EQ(wifi->info()->rssi, -54);
    EXPECT_DOUBLE_EQ(wifi->info()->transmitRate, 866.7);

    // Without a list the values stay as they were.
    machine.wlan->list.reset();
    network->updateAdapters();
    EXPECT_EQ(wifi->info()->channel, 36);
}

TEST(NetworkController, RegistryDetailsAreMatchedByName)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("wlan0"), QStringLiteral("IEEE80211"));
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.netdev(QStringLiteral("eth1"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    for (const char* name : {"wlan0", "eth0", "eth1"})
        machine.link(QString::fromLatin1(name), 0, 0);

    auto& registry = *machine.registry;
    using Platform::PlistValue;
    const auto driver = registry.addEntry(std::nullopt, QStringLiteral("wifi"), QStringLiteral("Driver"),
                                          {{QStringLiteral("IOMatchCategory"), PlistValue("WiFiDriver")},
                                           {QStringLiteral("vendor-id"), PlistValue(QByteArray("\x86\x80", 2))},
                                           {QStringLiteral("LinkQualityMetrics"), PlistValue("rssi=-61 tx=12")}});
    registry.addEntry(driver, QStringLiteral("wlan0"), QStringLiteral("AppleBCMWLANSkywalkInterface"),
                      {{QStringLiteral("IOInterfaceName"), PlistValue("wlan0")},
                       {QStringLiteral("IO80211Channel"), PlistValue(300)},
                       {QStringLiteral("IO80211ChannelFrequency"), PlistValue(5180)},
                       {QStringLiteral("IO80211ChannelBandwidth"), PlistValue(-80)}});
    // A second record of the same name comes later and is not used.
    registry.addEntry(driver, QStringLiteral("wlan0"), QStringLiteral("AppleBCMWLANSkywalkInterface"),
                      {{QStringLiteral("IOInterfaceName"), PlistValue("wlan0")},
                       {QStringLiteral("IO80211Channel"), PlistValue(36)}});
    const auto pci = registry.addEntry(std::nullopt, QStringLiteral("pci"), QStringLiteral("Device"),
                                       {{QStringLiteral("IOName"), PlistValue("ethernet")},
                                        {QStringLiteral("local-mac-address"), PlistValue(QByteArray("\x02\0\0\0\0\x01", 6))}});
    const auto controller = registry.addEntry(pci, QStringLiteral("eth"), QStringLiteral("IOEthernetController"),
                                              {{QStringLiteral("IOFirmwareVersion"), PlistValue("1.2")},
                                               {QStringLiteral("IOLinkSpeed"), PlistValue(std::uint64_t(1000000000))}});
    registry.addEntry(controller, QStringLiteral("eth0"), QStringLiteral("Interface"),
                      {{QStringLiteral("BSD Name"), PlistValue("eth0")}});
    // Another controller whose parent is no "ethernet", and one without a child.
    const auto other = registry.addEntry(std::nullopt, QStringLiteral("usb"), QStringLiteral("Device"),
                                         {{QStringLiteral("IOName"), PlistValue("usb-ether")}});
    const auto second = registry.addEntry(other, QStringLiteral("eth"), QStringLiteral("IOEthernetController"));
    registry.addEntry(second, QStringLiteral("eth1"), QStringLiteral("Interface"),
                      {{QStringLiteral("BSD Name"), PlistValue("eth1")}});
    registry.addEntry(pci, QStringLiteral("lonely"), QStringLiteral("IOEthernetController"));

    auto network = sampler(machine);
    const auto adapters = network->adapters();
    auto* eth0 = qobject_cast<EthernetAdapter*>(adapters.value(0));
    auto* eth1 = qobject_cast<EthernetAdapter*>(adapters.value(1));
    auto* wlan0 = qobject_cast<WifiAdapter*>(adapters.value(2));
    ASSERT_TRUE(eth0 && eth1 && wlan0);
    ASSERT_TRUE(eth0->details().has_value());
    EXPECT_EQ(eth0->details()->vendor, QStringLiteral("1.2"));
    EXPECT_EQ(eth0->details()->firmwareVersion, std::nullopt);
    EXPECT_EQ(eth0->details()->linkSpeed->toUInt64(), 1000000000u);
    EXPECT_EQ(eth0->details()->localMacAddress, QByteArray("\x02\0\0\0\0\x01", 6));
    EXPECT_FALSE(eth1->details().has_value());
    ASSERT_TRUE(wlan0->details().has_value());
    EXPECT_EQ(wlan0->details()->channel, std::nullopt);      // 300 is beyond 8 bits
    EXPECT_EQ(wlan0->details()->vendorId, std::nullopt);     // bytes, not text
    EXPECT_EQ(wlan0->details()->channelFrequency, 5180);
    EXPECT_EQ(wlan0->details()->channelBandwidth, std::nullopt);
    ASSERT_TRUE(wlan0->details()->linkQualityMetrics.has_value());
    EXPECT_EQ(wlan0->details()->linkQualityMetrics->rssi, std::int8_t(-61));
    EXPECT_EQ(network->readEthernetDetails().size(), 1u);
    EXPECT_EQ(network->readWirelessDetails().size(), 2u);
}

TEST(NetworkController, SpeedModeAndTimer)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    auto network = sampler(machine);
    network->updateAdapters();
    machine.clock->advance(std::chrono::seconds(1));
    machine.link(QStringLiteral("eth0"), 5, 7);
    network->updateAdapters();
    EXPECT_EQ(network->maxSpeed(), 7u);
    network->setSpeedMode(NetworkSpeedMode::processes);
    EXPECT_EQ(network->uploadSpeed(), 0u); // no process list was ever collected
    EXPECT_EQ(network->downloadSpeed(), 0u);
    EXPECT_EQ(network->adapterDownload(), 7u);

    EXPECT_EQ(network->timer(), nullptr);
    network->start(1.0);
    QTimer* first = network->timer();
    ASSERT_NE(first, nullptr);
    network->start(5.0);
    EXPECT_EQ(network->timer(), first);
    EXPECT_EQ(first->interval(), 1000);
    network->stop();
    EXPECT_EQ(network->timer(), nullptr);
    network->start(2.5);
    ASSERT_NE(network->timer(), nullptr);
    EXPECT_EQ(network->timer()->interval(), 2500);
}

TEST(NetworkController, ThinkPadTreeEndToEnd)
{
    // The interface kinds, addresses and registry details of a captured laptop; the interface list
    // holds what its sysfs counters and flags say.
    const QString root = QStringLiteral(KESTRION_FIXTURES "/Platform/network/thinkpad-wifi");
    NetworkMachine machine;
    machine.primary(QStringLiteral("wlan0"));
    auto interfaces = std::make_shared<FakeInterfaceList>(root);
    auto add = [&](const char* name, std::uint32_t flags, std::uint32_t rx, std::uint32_t tx) {
        Platform::InterfaceEntry entry;
        entry.name = QString::fromLatin1(name);
        entry.flags = flags;
        entry.family = NetworkInterfaces::linkFamily;
        entry.hasLinkData = true;
        entry.rxBytes = rx;
        entry.txBytes = tx;
        interfaces->entries.push_back(entry);
    };
    add("lo", 0x9, 3380, 3380);
    add("eth0", 0x1003, 0, 0);
    add("wlan0", 0x1003, 289996, 530013);
    add("wmaster0", 0x1003, 0, 0);
    auto registry = std::make_shared<Platform::SysfsRegistry>(root);
    registry->addAdapter(std::make_unique<Platform::NetworkRegistryAdapter>(root, machine.wlan, nullptr));
    SystemKit::NetworkEnvironment environment = machine.environment();
    environment.interfaces = interfaces;
    environment.registry = registry;

    NetworkController network(30, false, environment);
    machine.clock->advance(std::chrono::seconds(1));
    interfaces->entries[2].rxBytes += 4096;
    interfaces->entries[2].txBytes += 1024;
    network.updateAdapters();
    EXPECT_EQ(names(network.adapters()), (QStringList{QStringLiteral("eth0"), QStringLiteral("wlan0")}));
    EXPECT_EQ(network.ignoredAdapters(), QStringList{QStringLiteral("wmaster0")});
    auto* wlan0 = qobject_cast<WifiAdapter*>(network.adapter());
    ASSERT_NE(wlan0, nullptr);
    EXPECT_EQ(network.adapterDownload(), 4096u);
    EXPECT_EQ(network.adapterUpload(), 1024u);
    ASSERT_TRUE(wlan0->details().has_value());
    EXPECT_EQ(wlan0->details()->vendorId, QStringLiteral("0x8086"));
    EXPECT_EQ(wlan0->details()->macAddress, QByteArray::fromHex("0019d275aeff"));
    auto* eth0 = qobject_cast<EthernetAdapter*>(network.adapters().value(0));
    ASSERT_NE(eth0, nullptr);
    ASSERT_TRUE(eth0->details().has_value());
    EXPECT_EQ(eth0->details()->identifier, QStringLiteral("eth0"));
    EXPECT_EQ(eth0->details()->localMacAddress, QByteArray::fromHex("001641e28dff"));
}

namespace {

// A sampler whose per-process listing runs `tool` over invented processes.
std::unique_ptr<NetworkController> collecting(const NetworkMachine& machine, const FakeTool& tool)
{
    NetworkEnvironment environment = machine.environment();
    environment.tools.shell = tool.program();
    environment.tools.timeLimit = std::chrono::milliseconds(5000);
    environment.tools.executablePath = [](std::uint32_t pid) -> std::optional<QString> {
        return QStringLiteral("/usr/bin/program%1").arg(pid);
    };
    return std::make_unique<NetworkController>(30, false, environment);
}

TrafficProcessList listed(const QSignalSpy& spy, qsizetype index)
{
    return spy.at(index).at(0).value<TrafficProcessList>();
}

} // namespace

TEST(NetworkController, CollectsProcessesOnlyWhileAskedAndTheirTotalsServeTheProcessesMode)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    FakeTool tool(ProcessesController::commandLine);
    tool.setOutput(",bytes_in,bytes_out,\nmail.10,1000,500,\nshell.11,7,7,\n");
    auto network = collecting(machine, tool);
    QSignalSpy lists(network.get(), &NetworkController::processesDidUpdate);
    QSignalSpy speeds(network.get(), &NetworkController::speedDidUpdate);

    network->updateAdapters();
    EXPECT_FALSE(network->processesController()->isRefreshing()); // off: no listing runs

    network->setCollectProcesses(true);
    network->updateAdapters();
    EXPECT_TRUE(network->processesController()->isRefreshing());
    ASSERT_TRUE(waitUntil([&] { return lists.count() == 1; }));
    ASSERT_EQ(listed(lists, 0).size(), 2);
    EXPECT_EQ(listed(lists, 0)[0]->pid(), 10u);
    EXPECT_EQ(listed(lists, 0)[0]->downloadSpeed(), 0u); // first sight

    tool.setOutput(",bytes_in,bytes_out,\nmail.10,1500,400,\nshell.11,9,17,\n");
    network->updateAdapters();
    ASSERT_TRUE(waitUntil([&] { return lists.count() == 2; }));
    EXPECT_EQ(listed(lists, 1), network->processesController()->processes());
    EXPECT_EQ(listed(lists, 1)[0]->downloadSpeed(), 500u);
    EXPECT_EQ(listed(lists, 1)[0]->uploadSpeed(), 0u); // the total went down

    // The processes mode takes the totals of the last listing; the adapter's speeds stay apart.
    EXPECT_EQ(network->downloadSpeed(), 0u);
    network->setSpeedMode(NetworkSpeedMode::processes);
    EXPECT_EQ(network->downloadSpeed(), 502u);
    EXPECT_EQ(network->uploadSpeed(), 10u);
    EXPECT_EQ(network->maxSpeed(), 502u);
    speeds.clear();
    network->updateAdapters();
    ASSERT_EQ(speeds.count(), 1);
    const auto info = speeds.at(0).at(0).value<NetworkSpeedInfo>();
    EXPECT_EQ(info.mode, NetworkSpeedMode::processes);
    EXPECT_EQ(info.download, 502u);
    EXPECT_EQ(info.upload, 10u);

    // A listing that comes in after the collection was switched off is kept but not announced, and
    // no sample starts another; the totals stay those of the last listing.
    network->setCollectProcesses(false);
    ASSERT_TRUE(waitUntil([&] { return !network->processesController()->isRefreshing(); }));
    EXPECT_EQ(lists.count(), 2);
    EXPECT_EQ(network->downloadSpeed(), 0u); // the same totals again: no growth
    const int runs = tool.runs();
    network->updateAdapters();
    EXPECT_FALSE(network->processesController()->isRefreshing());
    EXPECT_EQ(tool.runs(), runs);
}

TEST(NetworkController, TheVpnWatchRunsOnlyWhenAskedAndItsValuesAreTheSamplers)
{
    NetworkMachine machine;
    machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
    machine.primary(QStringLiteral("eth0"));
    machine.link(QStringLiteral("eth0"), 0, 0);
    Streams streams;
    Lookups lookups;
    NetworkEnvironment environment = machine.environment();
    environment.pathMonitors = streams.factory();
    environment.addressLookup = lookups.lookup();

    NetworkController off(30, false, environment);
    EXPECT_EQ(off.monitor(), nullptr);
    EXPECT_TRUE(streams.made.empty());
    off.stopVpnWatch(); // nothing to stop

    NetworkController network(30, true, environment);
    ASSERT_EQ(streams.made.size(), 1u);
    FakePathMonitor* stream = streams.last();
    EXPECT_EQ(network.monitor(), stream);
    EXPECT_EQ(stream->starts, 1);
    EXPECT_FALSE(network.isVpnConnection());
    EXPECT_EQ(network.externalIp(), std::nullopt);
    QSignalSpy changes(&network, &NetworkController::vpnStateDidChange);
    QSignalSpy addresses(&network, &NetworkController::externalIpChanged);
    // The state is the sampler's already when its change is announced.
    std::vector<bool> stateWhenAnnounced;
    QObject::connect(&network, &NetworkController::vpnStateDidChange,
                     [&] { stateWhenAnnounced.push_back(network.isVpnConnection()); });

    stream->send(false);
    EXPECT_EQ(changes.count(), 0);
    stream->send(true);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_TRUE(changes.at(0).at(0).toBool());
    EXPECT_EQ(stateWhenAnnounced, std::vector<bool>{true});
    EXPECT_TRUE(network.isVpnConnection());

    ASSERT_EQ(lookups.pending.size(), 2u);
    lookups.answer(1, QStringLiteral("203.0.113.9"), QStringLiteral("NL"));
    EXPECT_EQ(network.externalIp(), QStringLiteral("203.0.113.9"));
    EXPECT_EQ(network.countryCode(), QStringLiteral("NL"));
    EXPECT_EQ(addresses.count(), 1);
    lookups.answer(0, QStringLiteral("198.51.100.7"), QStringLiteral("DE")); // older: dropped
    EXPECT_EQ(network.externalIp(), QStringLiteral("203.0.113.9"));

    stream->send(false);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_FALSE(network.isVpnConnection());
    lookups.fail(2); // a failure keeps what is shown
    EXPECT_EQ(network.countryCode(), QStringLiteral("NL"));

    network.stopVpnWatch();
    EXPECT_EQ(network.monitor(), nullptr);
    EXPECT_EQ(stream->cancels, 1);
    stream->send(true);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(lookups.pending.size(), 3u);
}
