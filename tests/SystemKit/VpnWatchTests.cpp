#include "SystemKit/Network/Ip.h"
#include "SystemKit/Network/LookupOrder.h"
#include "SystemKit/Network/NetworkMonitor.h"
#include "SystemKit/Network/VpnWatch.h"

#include "Platform/Netlink/NetlinkPathMonitor.h"

#include "BaseKit/Bundle.h"

#include "FakePathStream.h"
#include "FakeTool.h"
#include "LookupServices.h"

#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using Platform::NetworkPath;
using SystemKit::NetworkMonitor;
using SystemKit::VpnWatch;

namespace {

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
    ASSERT_TRUE(waitUntil([&] { return stream.isNull(); }));
    watch.stopVpnWatch(); // nothing to stop
}

TEST(VpnWatchTest, TheAddressLookupGivesTheServicesAnswerOrNoneForAFailedExchange)
{
    LookupServices services;
    LoopbackServer& echo = services.echo;
    echo.reply.body = "198.51.100.7\n";
    services.geo.reply = LookupServices::located("DE");
    VpnWatch::AddressLookup lookup = VpnWatch::ipLookup(services.hosts);
    QObject context;
    const auto lookUp = [&]() {
        std::optional<std::optional<VpnWatch::ExternalAddress>> got;
        lookup(&context, [&](const std::optional<VpnWatch::ExternalAddress>& answer) { got = answer; });
        EXPECT_TRUE(waitUntil([&] { return got.has_value(); }));
        return got.value_or(std::nullopt);
    };

    auto answer = lookUp();
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->ip, QStringLiteral("198.51.100.7"));
    EXPECT_EQ(answer->countryCode, QStringLiteral("DE"));
    ASSERT_EQ(echo.requests.size(), 1u);
    // Without the program's own user agent.
    EXPECT_FALSE(echo.requests[0].header("User-Agent").startsWith(BaseKit::Bundle::name().toUtf8() + '/'));

    // An error page is an answer: the empty result.
    echo.reply.status = "503 Service Unavailable";
    answer = lookUp();
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->ip, std::nullopt);
    EXPECT_EQ(answer->countryCode, std::nullopt);

    // A refused connection is a failed exchange: none.
    lookup = VpnWatch::ipLookup({QStringLiteral("http://127.0.0.1:9"), services.geo.url(QString())});
    EXPECT_FALSE(lookUp().has_value());
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
    ASSERT_TRUE(waitUntil([&] { return paths.count() > 0 || finished.count() > 0; }));
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
