#include "SystemKit/Network/LookupOrder.h"
#include "SystemKit/Network/NetworkMonitor.h"
#include "SystemKit/Network/VpnWatch.h"

#include "Platform/NetlinkPathMonitor.h"

#include "FakeTool.h"

#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using Platform::NetworkPath;
using SystemKit::NetworkMonitor;
using SystemKit::VpnWatch;

namespace {

// A path stream the test drives.
class FakePathMonitor : public Platform::PathMonitor {
public:
    void start() override { ++starts; }
    void cancel() override
    {
        ++cancels;
        if (!ended) {
            ended = true;
            emit finished();
        }
    }
    void send(bool vpn)
    {
        NetworkPath path;
        path.interfaces = vpn ? QStringList{QStringLiteral("tun0")} : QStringList{QStringLiteral("eth0")};
        path.usesOtherInterface = vpn;
        emit pathUpdated(path);
    }

    int starts = 0;
    int cancels = 0;
    bool ended = false;
};

// Makes fake streams and keeps a handle on each.
struct Streams {
    std::vector<QPointer<FakePathMonitor>> made;
    NetworkMonitor::MonitorFactory factory()
    {
        return [this]() -> Platform::PathMonitor* {
            auto* monitor = new FakePathMonitor;
            made.emplace_back(monitor);
            return monitor;
        };
    }
    FakePathMonitor* last() const { return made.empty() ? nullptr : made.back().data(); }
};

// Lookups that wait until the test answers them, in any order.
struct Lookups {
    std::vector<std::function<void(const std::optional<VpnWatch::ExternalAddress>&)>> pending;
    VpnWatch::AddressLookup lookup()
    {
        return [this](QObject*, std::function<void(const std::optional<VpnWatch::ExternalAddress>&)> done) {
            pending.push_back(std::move(done));
        };
    }
    void answer(std::size_t index, const std::optional<QString>& ip, const std::optional<QString>& country = {})
    {
        pending.at(index)(VpnWatch::ExternalAddress{ip, country});
    }
    void fail(std::size_t index) { pending.at(index)(std::nullopt); }
};

TEST(VpnWatchTest, TheFirstPathIsComparedWithNoVpnAndEveryPathLooksTheAddressUp)
{
    Streams streams;
    Lookups lookups;
    VpnWatch watch(lookups.lookup(), streams.factory());
    QSignalSpy changes(&watch, &VpnWatch::vpnStateDidChange);
    EXPECT_EQ(watch.monitor(), nullptr);
    watch.watchVpn();
    ASSERT_NE(streams.last(), nullptr);
    EXPECT_EQ(streams.last()->starts, 1);
    EXPECT_EQ(watch.monitor(), streams.last());

    streams.last()->send(false);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(watch.isVpnConnection());
    ASSERT_EQ(lookups.pending.size(), 1u);
    lookups.answer(0, QStringLiteral("198.51.100.7"), QStringLiteral("DE"));
    EXPECT_EQ(watch.externalIp(), QStringLiteral("198.51.100.7"));
    EXPECT_EQ(watch.countryCode(), QStringLiteral("DE"));

    streams.last()->send(true);
    streams.last()->send(true);
    streams.last()->send(false);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[0][0].toBool(), true);
    EXPECT_EQ(changes[1][0].toBool(), false);
    EXPECT_EQ(lookups.pending.size(), 4u);

    // A failed lookup changes nothing; the empty result clears both.
    lookups.fail(1);
    EXPECT_EQ(watch.externalIp(), QStringLiteral("198.51.100.7"));
    lookups.answer(2, std::nullopt, std::nullopt);
    EXPECT_EQ(watch.externalIp(), std::nullopt);
    EXPECT_EQ(watch.countryCode(), std::nullopt);
}

TEST(VpnWatchTest, AnOlderAnswerNeverReplacesANewerOne)
{
    Streams streams;
    Lookups lookups;
    VpnWatch watch(lookups.lookup(), streams.factory());
    watch.watchVpn();
    streams.last()->send(false);
    streams.last()->send(true);
    streams.last()->send(true);
    ASSERT_EQ(lookups.pending.size(), 3u);
    lookups.answer(1, QStringLiteral("203.0.113.9"), QStringLiteral("NL"));
    lookups.answer(0, QStringLiteral("198.51.100.7"), QStringLiteral("DE")); // older: dropped
    EXPECT_EQ(watch.externalIp(), QStringLiteral("203.0.113.9"));
    EXPECT_EQ(watch.countryCode(), QStringLiteral("NL"));
    lookups.fail(2); // the newest failed: the one shown stays
    EXPECT_EQ(watch.externalIp(), QStringLiteral("203.0.113.9"));

    SystemKit::LookupOrder order;
    const auto a = order.begin();
    const auto b = order.begin();
    EXPECT_TRUE(order.accept(a));
    EXPECT_TRUE(order.accept(b));
    EXPECT_FALSE(order.accept(a));
}

TEST(VpnWatchTest, OneWatchPerSamplerAndNoPathAfterItsEnd)
{
    Streams streams;
    Lookups lookups;
    VpnWatch watch(lookups.lookup(), streams.factory());
    QSignalSpy changes(&watch, &VpnWatch::vpnStateDidChange);
    watch.watchVpn();
    watch.watchVpn();
    EXPECT_EQ(streams.made.size(), 1u);
    QPointer<FakePathMonitor> stream = streams.last();

    watch.stopVpnWatch();
    EXPECT_EQ(watch.monitor(), nullptr);
    ASSERT_FALSE(stream.isNull()); // let go from the event loop
    EXPECT_EQ(stream->cancels, 1);
    stream->send(true);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_TRUE(lookups.pending.empty());
    ASSERT_TRUE(waitUntil([&] { return stream.isNull(); }, 2000));
    watch.stopVpnWatch(); // nothing to stop
}

TEST(NetworkMonitorTest, SignalsEveryPathAndReplacesItsStreamOnEachStart)
{
    Streams streams;
    NetworkMonitor monitor(streams.factory());
    QSignalSpy updates(&monitor, &NetworkMonitor::onUpdate);
    EXPECT_EQ(monitor.monitor(), nullptr);
    monitor.start();
    QPointer<FakePathMonitor> first = streams.last();
    first->send(false);
    first->send(false);
    first->send(true);
    EXPECT_EQ(updates.count(), 3);

    monitor.start();
    EXPECT_TRUE(first.isNull()); // dropped without a cancel
    ASSERT_EQ(streams.made.size(), 2u);
    streams.last()->send(false);
    EXPECT_EQ(updates.count(), 4);

    QPointer<FakePathMonitor> second = streams.last();
    monitor.stop();
    EXPECT_EQ(monitor.monitor(), nullptr);
    EXPECT_EQ(second->cancels, 1);
    second->send(true);
    EXPECT_EQ(updates.count(), 4);
}

TEST(NetworkMonitorTest, TheRoutingSocketGivesAPathOrEndsAndStopsWhenCancelled)
{
    // Over this machine's routing socket: the path itself depends on the machine, so only the
    // stream's shape is checked. Where the test may not open a netlink socket the stream ends.
    Platform::NetlinkPathMonitor stream;
    QSignalSpy paths(&stream, &Platform::PathMonitor::pathUpdated);
    QSignalSpy finished(&stream, &Platform::PathMonitor::finished);
    stream.start();
    EXPECT_EQ(paths.count(), 0); // the first path comes from the event loop
    ASSERT_TRUE(waitUntil([&] { return paths.count() > 0 || finished.count() > 0; }, 5000));
    if (finished.count() == 0) {
        auto path = paths[0][0].value<NetworkPath>();
        EXPECT_LE(path.interfaces.size(), 2);
        EXPECT_EQ(path.interfaces.removeDuplicates(), 0);
        EXPECT_FALSE(path.interfaces.contains(QString()));
    }
    stream.cancel();
    stream.cancel();
    EXPECT_EQ(finished.count(), 1);
    const int seen = int(paths.count());
    spin(300);
    EXPECT_EQ(paths.count(), seen);
}

} // namespace
