#include "Platform/Registry/NetworkRegistryAdapter.h"
#include "Platform/Registry/SysfsRegistry.h"
#include "Platform/Netlink/Wlan.h"

#include <gtest/gtest.h>

using namespace Platform;

namespace {

const QString thinkpad = QStringLiteral(KESTRION_FIXTURES "/Platform/network/thinkpad-wifi");

class OneStation : public Wlan {
public:
    std::optional<std::vector<WlanInterface>> interfaces() override
    {
        WlanInterface wlan0;
        wlan0.name = QStringLiteral("wlan0");
        wlan0.frequency = 2437;
        wlan0.channel = 6;
        wlan0.channelBand = 1;
        wlan0.channelWidth = 20;
        wlan0.bssid = QByteArray::fromHex("001122334455");
        wlan0.countryCode = QStringLiteral("DE");
        wlan0.linkQuality = QStringLiteral("rssi=-61 rxDataRssi=-60 tx=12 txf=0 txr=3 rxBeacons=500");
        return std::vector<WlanInterface>{wlan0};
    }
};

std::shared_ptr<SysfsRegistry> registry(std::shared_ptr<Wlan> wlan)
{
    auto result = std::make_shared<SysfsRegistry>(thinkpad);
    result->addAdapter(std::make_unique<NetworkRegistryAdapter>(
        thinkpad, std::move(wlan), [](const QString& name) -> std::optional<NetworkRegistryAdapter::DriverInfo> {
            if (name == QStringLiteral("eth0"))
                return NetworkRegistryAdapter::DriverInfo{QStringLiteral("e1000e"), QStringLiteral("0.5-7")};
            return std::nullopt;
        }));
    return result;
}

} // namespace

TEST(NetworkRegistryAdapter, WifiEntriesOfTheThinkPad)
{
    const auto reg = registry(std::make_shared<OneStation>());
    const auto interfaces = reg->entriesOfClass(QStringLiteral("AppleBCMWLANSkywalkInterface"));
    ASSERT_EQ(interfaces.size(), 1u); // wlan0 only: the old master device is no station
    const auto wlan0 = interfaces.front();
    const auto driver = reg->parent(wlan0);
    ASSERT_TRUE(driver.has_value());
    EXPECT_EQ(reg->property(*driver, QStringLiteral("IOMatchCategory")).toString(), QStringLiteral("WiFiDriver"));
    EXPECT_EQ(reg->property(*driver, QStringLiteral("vendor-id")).toString(), QStringLiteral("0x8086"));
    EXPECT_TRUE(reg->property(*driver, QStringLiteral("IOVendor")).isNone()); // no udev database
    EXPECT_EQ(reg->property(*driver, QStringLiteral("LinkQualityMetrics")).toString(),
              QStringLiteral("rssi=-61 rxDataRssi=-60 tx=12 txf=0 txr=3 rxBeacons=500"));
    EXPECT_EQ(reg->property(wlan0, QStringLiteral("IOInterfaceName")).toString(), QStringLiteral("wlan0"));
    EXPECT_EQ(reg->property(wlan0, QStringLiteral("IOMACAddress")).toData(), QByteArray::fromHex("0019d275aeff"));
    EXPECT_EQ(reg->property(wlan0, QStringLiteral("IO80211Channel")).toUInt64(), 6u);
    EXPECT_EQ(reg->property(wlan0, QStringLiteral("IO80211Band")).toString(), QStringLiteral("2.4 GHz"));
    EXPECT_EQ(reg->property(wlan0, QStringLiteral("IO80211ChannelFrequency")).toUInt64(), 2437u);
    EXPECT_EQ(reg->property(wlan0, QStringLiteral("IO80211ChannelBandwidth")).toUInt64(), 20u);
    EXPECT_EQ(reg->property(wlan0, QStringLiteral("IO80211BSSID")).toData(), QByteArray::fromHex("001122334455"));
    EXPECT_EQ(reg->property(wlan0, QStringLiteral("IO80211CountryCode")).toString(), QStringLiteral("DE"));
    EXPECT_TRUE(reg->property(wlan0, QStringLiteral("IO80211Locale")).isNone());
    EXPECT_EQ(reg->properties(wlan0).toDictionary()->size(), 8u); // no hardware revision in the tree
}

TEST(NetworkRegistryAdapter, WithoutWifiSupportTheLiveKeysAreAbsent)
{
    const auto reg = registry(Wlan::none());
    const auto wlan0 = reg->entriesOfClass(QStringLiteral("AppleBCMWLANSkywalkInterface")).front();
    EXPECT_TRUE(reg->property(wlan0, QStringLiteral("IO80211Channel")).isNone());
    EXPECT_TRUE(reg->property(*reg->parent(wlan0), QStringLiteral("LinkQualityMetrics")).isNone());
    EXPECT_EQ(reg->property(wlan0, QStringLiteral("IOInterfaceName")).toString(), QStringLiteral("wlan0"));
}

TEST(NetworkRegistryAdapter, EthernetControllerOfTheThinkPad)
{
    const auto reg = registry(Wlan::none());
    const auto controllers = reg->entriesOfClass(QStringLiteral("IOEthernetController"));
    ASSERT_EQ(controllers.size(), 1u);
    const auto controller = controllers.front();
    const auto device = reg->parent(controller);
    ASSERT_TRUE(device.has_value());
    EXPECT_EQ(reg->property(*device, QStringLiteral("IOName")).toString(), QStringLiteral("ethernet"));
    EXPECT_EQ(reg->property(*device, QStringLiteral("local-mac-address")).toData(), QByteArray::fromHex("001641e28dff"));
    const auto children = reg->children(controller);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(reg->property(children.front(), QStringLiteral("BSD Name")).toString(), QStringLiteral("eth0"));
    EXPECT_EQ(reg->property(controller, QStringLiteral("IOFirmwareVersion")).toString(), QStringLiteral("0.5-7"));
    EXPECT_EQ(reg->property(controller, QStringLiteral("IOModel")).toString(), QStringLiteral("e1000e"));
    // This kernel has no speed file.
    EXPECT_TRUE(reg->property(controller, QStringLiteral("IOLinkSpeed")).isNone());
    EXPECT_TRUE(reg->property(controller, QStringLiteral("FW PHY Version")).isNone());
}
