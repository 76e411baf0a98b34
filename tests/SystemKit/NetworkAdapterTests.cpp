#include "Platform/Time/FakeClock.h"
#include "Platform/System/KernelName.h"
#include "Platform/Netlink/Wlan.h"
#include "SystemKit/Network/Addresses.h"
#include "SystemKit/Network/LinkQualityMetrics.h"
#include "SystemKit/Network/NetworkAdapter.h"
#include "SystemKit/Network/WlanInformation.h"
#include "SystemKit/SystemKitStrings.h"
#include "SystemKit/Utilities.h"

#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace SystemKit;

namespace {

struct ClockScope {
    std::shared_ptr<Platform::FakeClock> clock = std::make_shared<Platform::FakeClock>();
};

std::vector<std::uint64_t> values(const QList<NetworkHistoryItem>& items)
{
    std::vector<std::uint64_t> result;
    for (const auto& item : items)
        result.push_back(item.value);
    return result;
}

} // namespace

TEST(NetworkCounters, DeltaIsTheModularDifference)
{
    EXPECT_EQ(Utilities::counterDelta(100, 250), 150u);
    EXPECT_EQ(Utilities::counterDelta(7, 7), 0u);
    // Five below the largest 32-bit value, then 5: the counter moved 11 bytes.
    EXPECT_EQ(Utilities::counterDelta(4294967290u, 5), 11u);
    EXPECT_EQ(Utilities::counterDelta(4294967295u, 0), 1u);
    EXPECT_EQ(Utilities::counterDelta(1, 0), 4294967295u);
}

TEST(NetworkCounters, RateDividesAndTruncates)
{
    EXPECT_EQ(Utilities::rate(1000, 0.5), 2000u);
    EXPECT_EQ(Utilities::rate(10, 3.0), 3u);
    // A delta equal to the interval is exactly one byte per second.
    EXPECT_EQ(Utilities::rate(49, 49.0), 1u);
    // Tiny deltas over long intervals stay tiny.
    EXPECT_EQ(Utilities::rate(1, 1000.0), 0u);
    EXPECT_EQ(Utilities::rate(3000, 1000.0), 3u);
    // An interval of 0 or less, or none at all, gives the delta itself.
    EXPECT_EQ(Utilities::rate(1234, 0.0), 1234u);
    EXPECT_EQ(Utilities::rate(1234, -2.0), 1234u);
    EXPECT_EQ(Utilities::rate(1234, std::nan("")), 1234u);
    EXPECT_EQ(Utilities::rate(std::numeric_limits<std::uint64_t>::max(), 1e-12),
              std::numeric_limits<std::uint64_t>::max());
}

TEST(NetworkAdapter, FirstUpdateOnlyRecordsTheCounters)
{
    ClockScope scope;
    NetworkAdapter adapter(QStringLiteral("en0"), 30, scope.clock);
    EXPECT_EQ(adapter.name(), QStringLiteral("en0"));
    const auto uploadBefore = adapter.histories().upload();
    adapter.update(1000, 2000, 1.0);
    EXPECT_EQ(adapter.speeds().current.oldUpload, 1000u);
    EXPECT_EQ(adapter.speeds().current.oldDownload, 2000u);
    EXPECT_EQ(adapter.speeds().current.upload, 0u);
    EXPECT_EQ(adapter.speeds().current.download, 0u);
    EXPECT_EQ(adapter.speeds().max.upload, 0u);
    EXPECT_EQ(adapter.speeds().max.download, 0u);
    EXPECT_EQ(adapter.histories().upload(), uploadBefore);
    EXPECT_EQ(adapter.usageHistory().size(), 30);
    EXPECT_EQ(adapter.usageHistory().last(), 0u);
    EXPECT_EQ(adapter.maxDelta(), 0u);
    EXPECT_FALSE(adapter.firstUploadRefresh());
    EXPECT_FALSE(adapter.firstDownloadRefresh());
}

TEST(NetworkAdapter, UpdatesCloseTogetherOnlyRecordTheCounters)
{
    // The extra sample right after the first: 150 KB came in within 0.8 ms, which is no rate of
    // 187 MB/s to show, keep in the history or take as the maximum.
    ClockScope scope;
    NetworkAdapter adapter(QStringLiteral("en0"), 3, scope.clock);
    adapter.update(1000, 2000, 1.0);
    adapter.update(1000, 152000, 0.0008);
    EXPECT_EQ(adapter.speeds().current.download, 0u);
    EXPECT_EQ(adapter.speeds().max.download, 0u);
    EXPECT_EQ(values(adapter.histories().download()), (std::vector<std::uint64_t>{0, 0, 0}));
    EXPECT_EQ(adapter.maxDelta(), 0u);
    // The next second measures from the counters recorded then.
    adapter.update(1500, 153000, 1.0);
    EXPECT_EQ(adapter.speeds().current.upload, 500u);
    EXPECT_EQ(adapter.speeds().current.download, 1000u);
    EXPECT_EQ(adapter.speeds().max.download, 1000u);
    EXPECT_EQ(values(adapter.histories().download()), (std::vector<std::uint64_t>{0, 0, 1000}));
    // A clock that stood still gives no interval at all.
    adapter.update(2500, 163000, 0.0);
    EXPECT_EQ(adapter.speeds().current.download, 0u);
    EXPECT_EQ(adapter.speeds().max.download, 1000u);
}

TEST(NetworkAdapter, SpeedsMaximaAndHistories)
{
    ClockScope scope;
    NetworkAdapter adapter(QStringLiteral("en0"), 3, scope.clock);
    adapter.update(1000, 2000, 1.0);
    adapter.update(3000, 2500, 2.0); // 2000 and 500 bytes in 2 s
    EXPECT_EQ(adapter.speeds().current.upload, 1000u);
    EXPECT_EQ(adapter.speeds().current.download, 250u);
    EXPECT_EQ(values(adapter.histories().upload()), (std::vector<std::uint64_t>{0, 0, 1000}));
    EXPECT_EQ(values(adapter.histories().download()), (std::vector<std::uint64_t>{0, 0, 250}));
    EXPECT_EQ(adapter.usageHistory(), (QList<std::uint64_t>{0, 0, 2500}));
    EXPECT_EQ(adapter.maxDelta(), 2500u);

    // Slower: the current speeds fall, the maxima stay.
    adapter.update(3100, 2500, 1.0);
    EXPECT_EQ(adapter.speeds().current.upload, 100u);
    EXPECT_EQ(adapter.speeds().current.download, 0u);
    EXPECT_EQ(adapter.speeds().max.upload, 1000u);
    EXPECT_EQ(adapter.speeds().max.download, 250u);
    EXPECT_EQ(adapter.maxDelta(), 2500u);
    EXPECT_EQ(values(adapter.histories().upload()), (std::vector<std::uint64_t>{0, 1000, 100}));

    // A counter that wraps near 2^32 gives the bytes moved across the wrap.
    adapter.update(4294967290u, 2500, 1.0);
    adapter.update(5, 2500, 1.0);
    EXPECT_EQ(adapter.speeds().current.upload, 11u);
}

TEST(NetworkAdapter, HistoriesArePrefilledOneSecondApart)
{
    ClockScope scope;
    const QDateTime start = scope.clock->now();
    NetworkAdapter adapter(QStringLiteral("en0"), 30, scope.clock);
    const auto& upload = adapter.histories().upload();
    ASSERT_EQ(upload.size(), 30);
    EXPECT_EQ(upload.first().timestamp, start.addSecs(-29));
    EXPECT_EQ(upload.last().timestamp, start);
    EXPECT_EQ(values(upload), std::vector<std::uint64_t>(30, 0));

    adapter.update(0, 0, 1.0);
    scope.clock->advance(std::chrono::seconds(1));
    adapter.update(10, 20, 1.0);
    const auto& after = adapter.histories().download();
    ASSERT_EQ(after.size(), 30);
    EXPECT_EQ(after.last().value, 20u);
    EXPECT_EQ(after.last().timestamp, start.addSecs(1));
    EXPECT_EQ(after.first().timestamp, start.addSecs(-28)); // the oldest zero is gone
}

TEST(NetworkAdapter, EqualityFollowsTheIdentifier)
{
    ClockScope scope;
    NetworkAdapter a(QStringLiteral("en0"), 30, scope.clock);
    NetworkAdapter b(QStringLiteral("en0"), 5, scope.clock);
    NetworkAdapter c(QStringLiteral("en1"), 30, scope.clock);
    b.update(5, 5, 1.0);
    b.update(50, 50, 1.0);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == c);
    EXPECT_EQ(qHash(a), qHash(b));

    // An interface whose name is no UTF-8 keeps its bytes as identifier and shows them replaced.
    const QString raw = Platform::KernelName::decode("caf\xe9");
    NetworkAdapter odd(raw, 30, scope.clock);
    EXPECT_EQ(odd.identifier(), raw);
    EXPECT_EQ(odd.name(), QStringLiteral("caf\ufffd"));
}

TEST(NetworkAdapter, DisplayAddress)
{
    Addresses addresses;
    EXPECT_EQ(addresses.displayAddress(), SystemKitStrings::text("UNKNOWN_ADDRESS"));
    EXPECT_NE(addresses.displayAddress(), QString());
    addresses.ipv6 = QStringLiteral("fd00::2");
    EXPECT_EQ(addresses.displayAddress(), QStringLiteral("fd00::2"));
    addresses.ipv4 = QString();
    EXPECT_EQ(addresses.displayAddress(), QString()); // an empty IPv4 text still counts
    addresses.ipv4 = QStringLiteral("192.0.2.2");
    EXPECT_EQ(addresses.displayAddress(), QStringLiteral("192.0.2.2"));
}

TEST(LinkQualityMetrics, ParsesTheDriversText)
{
    const auto all = LinkQualityMetrics::parse(
        QStringLiteral("RSSI=-61 rxDataRSSI=-60 TX=12 TXF=0 TXR=3 rxBeacons=500"));
    EXPECT_EQ(all.rssi, std::int8_t(-61));
    EXPECT_EQ(all.rxDataRssi, std::int8_t(-60));
    EXPECT_EQ(all.tx, 12u);
    EXPECT_EQ(all.txf, 0u);
    EXPECT_EQ(all.txr, 3u);
    EXPECT_EQ(all.rxBeacons, 500u);
}

TEST(LinkQualityMetrics, HostileInputs)
{
    EXPECT_EQ(LinkQualityMetrics::parse(QString()), LinkQualityMetrics());
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("rssi=-200")).rssi, std::nullopt); // beyond 8 bits
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("rssi=-128")).rssi, std::int8_t(-128));
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=1=2")), LinkQualityMetrics());
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("noise=-90")), LinkQualityMetrics());
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("rssi=-50 tx=4 rssi=x")).rssi, std::nullopt);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("rssi=-50 tx=4 rssi=x")).tx, 4u);
    // Signs, empty values, spaces and digits of other scripts.
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=+7")).tx, 7u);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=-1")).tx, std::nullopt);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=")).tx, std::nullopt);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=+")).tx, std::nullopt);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=4294967295")).tx, 4294967295u);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=4294967296")).tx, std::nullopt);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=99999999999999999999999999")).tx, std::nullopt);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=\u0661\u0662")).tx, std::nullopt);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("tx=1 2")).tx, 1u);
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("  txr=9  ")).txr, 9u); // consecutive spaces
    EXPECT_EQ(LinkQualityMetrics::parse(QStringLiteral("txr =9")).txr, std::nullopt);
}

TEST(WlanInformation, SecurityChannelAndDescriptions)
{
    WlanInformation info;
    EXPECT_TRUE(info.isSecured()); // unknown security counts as secured
    EXPECT_EQ(info.channel, std::nullopt);

    Platform::WlanInterface open;
    open.security = 0;
    open.rssi = -54;
    open.noise = -92;
    open.transmitRate = 866.7;
    open.channelBand = 2; // a band without a channel is dropped
    info.update(open);
    EXPECT_FALSE(info.isSecured());
    EXPECT_EQ(info.rssi, -54);
    EXPECT_EQ(info.noise, -92);
    EXPECT_DOUBLE_EQ(info.transmitRate, 866.7);
    EXPECT_EQ(info.channel, std::nullopt);
    EXPECT_EQ(info.channelBand, std::nullopt);

    open.channel = 36;
    info.update(open);
    EXPECT_EQ(info.channel, 36);
    EXPECT_EQ(info.channelBand, 2);

    EXPECT_EQ(WlanInformation::securityDescription(4), SystemKitStrings::text("WPA2 Personal"));
    EXPECT_EQ(WlanInformation::securityDescription(15), SystemKitStrings::text("OW_TRANSITION"));
    EXPECT_EQ(WlanInformation::securityDescription(WlanInformation::unknownSecurity),
              SystemKitStrings::text("UNKNOWN_SECURITY"));
    EXPECT_EQ(WlanInformation::securityDescription(-1), SystemKitStrings::text("UNKNOWN_SECURITY"));
    EXPECT_EQ(WlanInformation::phyModeDescription(5), QStringLiteral("802.11ac"));
    EXPECT_EQ(WlanInformation::phyModeDescription(7), SystemKitStrings::text("PHY_MODE_UNKNOWN"));
    EXPECT_EQ(WlanInformation::channelBandDescription(9), SystemKitStrings::text("BAND_UNKNOWN"));
    EXPECT_EQ(WlanInformation::interfaceModeDescription(3), SystemKitStrings::text("INTERFACE_MODE_ACCESS_POINT"));
    // The table has a translation for every key, the odd ones included.
    EXPECT_NE(SystemKitStrings::text("OW_TRANSITION"), QStringLiteral("OW_TRANSITION"));
    EXPECT_NE(SystemKitStrings::text("UNKNOWN_ADDRESS"), QStringLiteral("UNKNOWN_ADDRESS"));
}
