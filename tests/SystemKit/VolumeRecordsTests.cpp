#include "SystemKit/Volumes/DeviceSpeedValue.h"
#include "SystemKit/Volumes/RefreshKey.h"
#include "SystemKit/Volumes/VolumeCharacteristics.h"
#include "SystemKit/Volumes/VolumeDeviceProtocol.h"
#include "SystemKit/Volumes/VolumeStatistics.h"

#include <gtest/gtest.h>

using Platform::PlistValue;
using namespace SystemKit;

TEST(VolumeStatistics, CountersFromTheStatisticsDictionary)
{
    const VolumeStatistics empty(PlistValue::DictionaryType{});
    EXPECT_EQ(empty, VolumeStatistics());
    EXPECT_TRUE(empty.isEmpty());

    const VolumeStatistics latency({{"Latency Time (Read)", PlistValue(5)}});
    EXPECT_EQ(latency.latencyTimeRead, 5u);
    EXPECT_EQ(latency.bytesRead, 0u);
    EXPECT_TRUE(latency.isEmpty());

    EXPECT_FALSE(VolumeStatistics({{"Operations (Write)", PlistValue(1)}}).isEmpty());

    const VolumeStatistics all({{"Bytes (Read)", PlistValue(std::uint64_t(1))},
                                {"Bytes (Write)", PlistValue(2)},
                                {"Operations (Read)", PlistValue(3.0)},
                                {"Operations (Write)", PlistValue(4)},
                                {"Latency Time (Write)", PlistValue(6)},
                                {"Errors (Read)", PlistValue(7)},
                                {"Errors (Write)", PlistValue(8)},
                                {"Total Time (Read)", PlistValue(9)},
                                {"Total Time (Write)", PlistValue(10)},
                                {"Retries (Read)", PlistValue(11)},
                                {"Retries (Write)", PlistValue(std::uint64_t(UINT64_MAX))}});
    EXPECT_EQ(all.bytesRead, 1u);
    EXPECT_EQ(all.bytesWritten, 2u);
    EXPECT_EQ(all.operationsRead, 3u); // an integral real counts
    EXPECT_EQ(all.operationsWrite, 4u);
    EXPECT_EQ(all.latencyTimeWrite, 6u);
    EXPECT_EQ(all.errorsRead, 7u);
    EXPECT_EQ(all.errorsWrite, 8u);
    EXPECT_EQ(all.totalTimeRead, 9u);
    EXPECT_EQ(all.totalTimeWrite, 10u);
    EXPECT_EQ(all.retriesRead, 11u);
    EXPECT_EQ(all.retriesWrite, UINT64_MAX);
}

TEST(VolumeStatistics, NonNumbersNegativeAndFractionalValuesStayZero)
{
    const VolumeStatistics odd({{"Bytes (Read)", PlistValue("100")},
                                {"Bytes (Write)", PlistValue(-5)},
                                {"Operations (Read)", PlistValue(2.5)},
                                {"Operations (Write)", PlistValue(true)},
                                {"Errors (Read)", PlistValue(QByteArray("\x01"))},
                                {"Retries (Read)", PlistValue(std::numeric_limits<double>::quiet_NaN())},
                                {"Retries (Write)", PlistValue(1e30)}});
    EXPECT_EQ(odd, VolumeStatistics());
}

TEST(VolumeCharacteristics, LookupsGiveStoredValuesUnconverted)
{
    const VolumeCharacteristics characteristics({{"Product Name", PlistValue(42)},
                                                 {"Vendor Name", PlistValue("ATA")},
                                                 {"Medium Type", PlistValue("Solid State")},
                                                 {"Product Revision Level", PlistValue("BBF0")}});
    EXPECT_EQ(characteristics.productName(), PlistValue(42));
    EXPECT_EQ(characteristics.vendorName(), PlistValue("ATA"));
    EXPECT_TRUE(characteristics.serialNumber().isNone());
    EXPECT_EQ(characteristics.revision(), PlistValue("BBF0"));
    EXPECT_EQ(characteristics.mediumType(), PlistValue("Solid State"));
    EXPECT_EQ(characteristics.data().size(), 4u);
}

TEST(VolumeDeviceProtocol, RawValuesMatchExactly)
{
    EXPECT_EQ(volumeDeviceProtocol(QStringLiteral("PCI-Express")), VolumeDeviceProtocol::pciExpress);
    EXPECT_EQ(volumeDeviceProtocol(QStringLiteral("Virtual Interface")), VolumeDeviceProtocol::virtualInterface);
    for (const char* text : {"usb", "PCI Express", "", "SATA ", "Secure digital"})
        EXPECT_EQ(volumeDeviceProtocol(QLatin1String(text)), std::nullopt) << text;
    EXPECT_EQ(rawValue(VolumeDeviceProtocol::sdCard), QStringLiteral("Secure Digital"));
    EXPECT_EQ(descriptionKey(VolumeDeviceProtocol::sdCard), QStringLiteral("SD_CARD"));
    for (int i = 0; i <= int(VolumeDeviceProtocol::virtualInterface); ++i) {
        const auto protocol = VolumeDeviceProtocol(i);
        EXPECT_EQ(volumeDeviceProtocol(rawValue(protocol)), protocol);
        EXPECT_FALSE(description(protocol).isEmpty());
    }
}

TEST(DeviceSpeedValue, RawValuesTextsAndOrder)
{
    EXPECT_EQ(deviceSpeedValue(5), DeviceSpeedValue::superSpeedPlus);
    EXPECT_EQ(deviceSpeedValue(0), DeviceSpeedValue::unknown);
    EXPECT_EQ(deviceSpeedValue(6), std::nullopt);
    // Only the whole number counts: 259 is not 3 (its low eight bits).
    EXPECT_EQ(deviceSpeedValue(259), std::nullopt);
    EXPECT_EQ(speedText(DeviceSpeedValue::unknown), QStringLiteral("-"));
    EXPECT_EQ(generationName(DeviceSpeedValue::unknown), QStringLiteral("-"));
    EXPECT_EQ(speedText(DeviceSpeedValue::highSpeed), QStringLiteral("480 Mbps"));
    EXPECT_EQ(generationName(DeviceSpeedValue::superSpeedPlus), QStringLiteral("USB 3.1 or USB 3.2"));
    EXPECT_LT(DeviceSpeedValue::fullSpeed, DeviceSpeedValue::highSpeed);
    EXPECT_EQ(int(RefreshKey::sizes), 0);
}
