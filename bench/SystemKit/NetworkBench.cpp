// Times one sample of the network sampler on this machine and on a generated machine of 32
// interfaces (24 wired, 4 Wi-Fi with a fake nl80211 source, 4 veth), the main thread's share of a
// live Wi-Fi query, and watches the heap over 10,000 samples.
#include "SystemKit/Network/NetworkController.h"

#include "Platform/Bus/DynamicStore.h"
#include "Platform/Sysfs/NetworkInterfaces.h"
#include "Platform/Registry/NetworkRegistryAdapter.h"
#include "Platform/Netlink/Nl80211Wlan.h"
#include "Platform/Registry/SysfsRegistry.h"
#include "Platform/Netlink/Wlan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

void write(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
}

class ListedInterfaces : public Platform::NetworkInterfaces {
public:
    using NetworkInterfaces::NetworkInterfaces;
    bool list(std::vector<Platform::InterfaceEntry>& out) const override
    {
        // The counters move on with every sample, as they do on a busy machine.
        for (auto& entry : entries)
            if (entry.hasLinkData) {
                entry.rxBytes += 150000;
                entry.txBytes += 20000;
            }
        out = entries;
        return true;
    }
    mutable std::vector<Platform::InterfaceEntry> entries;
};

class FakeNl80211 : public Platform::Wlan {
public:
    std::optional<std::vector<Platform::WlanInterface>> interfaces() override { return list; }
    std::vector<Platform::WlanInterface> list;
};

// A sysfs tree of 32 interfaces with a default route through en0, and its interface list.
struct Generated {
    Generated()
    {
        const QString net = dir.filePath(QStringLiteral("sys/class/net/"));
        for (int i = 0; i < 32; ++i) {
            const QString name = i < 24 ? QStringLiteral("en%1").arg(i) : i < 28 ? QStringLiteral("wl%1").arg(i)
                                                                                 : QStringLiteral("veth%1").arg(i);
            write(net + name + QStringLiteral("/type"), "1\n");
            write(net + name + QStringLiteral("/address"), "02:00:00:00:00:" + QByteArray::number(i + 16, 16) + "\n");
            write(net + name + QStringLiteral("/ifindex"), QByteArray::number(i + 2) + "\n");
            write(net + name + QStringLiteral("/speed"), "1000\n");
            if (i < 28)
                QFile::link(QStringLiteral("../../../devices/pci0"), net + name + QStringLiteral("/device"));
            if (i >= 24 && i < 28) {
                write(net + name + QStringLiteral("/phy80211/index"), "0\n");
                Platform::WlanInterface wifi;
                wifi.name = name;
                wifi.rssi = -55;
                wifi.noise = -92;
                wifi.transmitRate = 866.7;
                wifi.channel = 36;
                wifi.channelBand = 2;
                wifi.frequency = 5180;
                wifi.linkQuality = QStringLiteral("rssi=-55 rxDataRssi=-56 tx=1200 txf=3 txr=40 rxBeacons=9000");
                wlan->list.push_back(wifi);
            }
            Platform::InterfaceEntry link;
            link.name = name;
            link.flags = 0x1003;
            link.family = Platform::NetworkInterfaces::linkFamily;
            link.hasLinkData = true;
            interfaces->entries.push_back(link);
            Platform::InterfaceEntry v4 = link;
            v4.family = Platform::NetworkInterfaces::inet4Family;
            v4.hasLinkData = false;
            v4.address = QStringLiteral("10.0.%1.2").arg(i);
            interfaces->entries.push_back(v4);
        }
        write(dir.filePath(QStringLiteral("proc/net/route")),
              "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
              "en0\t00000000\t0100000A\t0003\t0\t0\t100\t00000000\t0\t0\t0\n");
    }

    SystemKit::NetworkEnvironment environment()
    {
        SystemKit::NetworkEnvironment environment;
        environment.interfaces = interfaces;
        environment.store = std::make_shared<Platform::DynamicStore>(dir.path());
        environment.wlan = wlan;
        auto registry = std::make_shared<Platform::SysfsRegistry>(dir.path());
        registry->addAdapter(std::make_unique<Platform::NetworkRegistryAdapter>(
            dir.path(), wlan, [](const QString&) {
                return std::optional(Platform::NetworkRegistryAdapter::DriverInfo{QStringLiteral("e1000e"),
                                                                                  QStringLiteral("0.5-7")});
            }));
        environment.registry = registry;
        return environment;
    }

    QTemporaryDir dir;
    std::shared_ptr<ListedInterfaces> interfaces = std::make_shared<ListedInterfaces>(dir.path());
    std::shared_ptr<FakeNl80211> wlan = std::make_shared<FakeNl80211>();
};

void BM_NetworkSampleLive(benchmark::State& state)
{
    SystemKit::NetworkController sampler(30, false);
    sampler.updateAdapters();
    for (auto _ : state)
        sampler.updateAdapters();
    state.counters["adapters"] = double(sampler.adapters().size());
}
BENCHMARK(BM_NetworkSampleLive)->Unit(benchmark::kMicrosecond);

void BM_NetworkSample32Interfaces(benchmark::State& state)
{
    Generated machine;
    SystemKit::NetworkController sampler(30, false, machine.environment());
    sampler.updateAdapters();
    for (auto _ : state)
        sampler.updateAdapters();
    state.counters["adapters"] = double(sampler.adapters().size());
}
BENCHMARK(BM_NetworkSample32Interfaces)->Unit(benchmark::kMicrosecond);

// What the main thread pays for the live Wi-Fi values: the query itself runs on the source's own
// thread.
void BM_WlanInterfacesMainThread(benchmark::State& state)
{
    Platform::Nl80211Wlan wlan;
    for (auto _ : state)
        benchmark::DoNotOptimize(wlan.interfaces());
}
BENCHMARK(BM_WlanInterfacesMainThread)->Unit(benchmark::kMicrosecond);

// One whole nl80211 query, as the source's thread runs it.
void BM_Nl80211Query(benchmark::State& state)
{
    Platform::Nl80211Wlan wlan;
    for (auto _ : state)
        benchmark::DoNotOptimize(wlan.query());
}
BENCHMARK(BM_Nl80211Query)->Unit(benchmark::kMicrosecond);

void BM_NetworkHeapGrowthOver10000Samples(benchmark::State& state)
{
    Generated machine;
    SystemKit::NetworkController sampler(30, false, machine.environment());
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i)
            sampler.updateAdapters();
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 10000; ++i)
            sampler.updateAdapters();
        state.counters["heap_growth_bytes"] = double(std::int64_t(mallinfo2().uordblks) - std::int64_t(before));
    }
}
BENCHMARK(BM_NetworkHeapGrowthOver10000Samples)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
