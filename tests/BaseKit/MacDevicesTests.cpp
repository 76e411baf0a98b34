#include "BaseKit/System/AppleHardwareDetails.h"
#include "BaseKit/ModuleStrings.h"
#include "BaseKit/System/MacDevices.h"

#include "Platform/Files/Bundles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using BaseKit::MacDevice;
using BaseKit::MacDevices;

namespace {

class MacDevicesTest : public ::testing::Test {
protected:

    void writeTable(const QByteArray& json)
    {
        QFile file(dir.filePath(QStringLiteral("mac-devices.json")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(json);
    }

    QTemporaryDir dir;
    MacDevices devices{dir.filePath(QStringLiteral("mac-devices.json"))};
};

} // namespace

TEST_F(MacDevicesTest, AHitIsKeptAndTheTableNotReadAgain)
{
    writeTable(R"j([{"model": "Mac14,2", "description": "MacBook Air (M2, 2022)"}])j");
    ASSERT_EQ(devices.device(QStringLiteral("Mac14,2")),
              (MacDevice{QStringLiteral("Mac14,2"), QStringLiteral("MacBook Air (M2, 2022)")}));
    writeTable("[]");
    EXPECT_TRUE(devices.device(QStringLiteral("Mac14,2")).has_value());
}

TEST_F(MacDevicesTest, AMissIsNotKept)
{
    writeTable("[]");
    EXPECT_FALSE(devices.device(QStringLiteral("Mac15,3")).has_value());
    writeTable(R"j([{"model": "Mac15,3", "description": "MacBook Pro (14-inch, M3, Nov 2023)"}])j");
    EXPECT_TRUE(devices.device(QStringLiteral("Mac15,3")).has_value());
}

TEST_F(MacDevicesTest, OneMalformedRowEmptiesTheTable)
{
    writeTable(R"j([{"model": "Mac14,2", "description": "MacBook Air (M2, 2022)"}, {"model": "Mac14,7"}])j");
    EXPECT_TRUE(devices.allDevices().isEmpty());
    EXPECT_FALSE(devices.device(QStringLiteral("Mac14,2")).has_value());
    writeTable(R"j([{"model": "Mac14,2", "description": 7}])j");
    EXPECT_TRUE(devices.allDevices().isEmpty());
    writeTable(R"j([{"model": "Mac14,2", "description": "x"}, "Mac14,7"])j");
    EXPECT_TRUE(devices.allDevices().isEmpty());
    writeTable(R"j({"model": "Mac14,2", "description": "x"})j");
    EXPECT_TRUE(devices.allDevices().isEmpty());
    writeTable(R"j([{"model": "Mac14,2", "description": "x"})j");
    EXPECT_TRUE(devices.allDevices().isEmpty());
}

TEST_F(MacDevicesTest, FirstOfTwoRowsWithOneModelAndExactCase)
{
    writeTable(R"j([{"model": "Mac13,1", "description": "first", "chip": "M1 Max"},
                   {"model": "Mac13,1", "description": "second"}])j");
    EXPECT_EQ(devices.device(QStringLiteral("Mac13,1"))->description, QStringLiteral("first"));
    EXPECT_FALSE(devices.device(QStringLiteral("mac13,1")).has_value());
    EXPECT_FALSE(devices.device(QStringLiteral("Mac13")).has_value());
}

TEST_F(MacDevicesTest, AMissingTableReadsAsEmpty)
{
    EXPECT_TRUE(devices.allDevices().isEmpty());
    EXPECT_FALSE(devices.device(QStringLiteral("Mac14,2")).has_value());
    EXPECT_FALSE(MacDevices::icon(QStringLiteral("Mac14,2")).has_value());
}

TEST(MacDevicesTable, EveryShippedRowDecodesAndModelsAreUnique)
{
    MacDevices catalogue;
    QFile file(QStringLiteral(KESTRION_FIXTURES "/../../BaseKit/Resources/bundle/mac-devices.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray raw = QJsonDocument::fromJson(file.readAll()).array();
    const QList<MacDevice> devices = catalogue.allDevices(); // from the built bundle
    ASSERT_FALSE(devices.isEmpty());
    EXPECT_EQ(devices.size(), raw.size());
    QSet<QString> models;
    for (const MacDevice& device : devices) {
        EXPECT_FALSE(models.contains(device.model)) << qPrintable(device.model);
        models.insert(device.model);
        EXPECT_TRUE(device.year().has_value()) << qPrintable(device.description);
    }
    EXPECT_EQ(catalogue.device(QStringLiteral("MacBookPro18,3"))->description,
              QStringLiteral("MacBook Pro (14-inch, 2021)"));
}

TEST(MacDevice, YearIsTheFirstRunOfFourDigits)
{
    const auto year = [](const char* text) { return MacDevice{QString(), QString::fromUtf8(text)}.year(); };
    EXPECT_EQ(year("MacBook Pro (14-inch, 2021)"), 2021);
    EXPECT_FALSE(year("Mac Studio").has_value());
    EXPECT_EQ(year("Build 12345 of 2020"), 2020);
    EXPECT_EQ(year("2019"), 2019);
    EXPECT_FALSE(year("123 45678").has_value());
    EXPECT_EQ(year("iMac (Retina 5K, 27-inch, 2020)"), 2020);
}

TEST(MacDevice, EncodingKeepsFieldOrderAndDecodingNeedsBoth)
{
    const MacDevice device{QStringLiteral("Mac14,2"), QStringLiteral("Air \"M2\"")};
    EXPECT_EQ(device.encode(), QByteArray(R"j({"model":"Mac14,2","description":"Air \"M2\""})j"));
    const auto back = MacDevice::fromJson(QJsonDocument::fromJson(device.encode()).object());
    EXPECT_EQ(back, device);
    EXPECT_FALSE(MacDevice::fromJson(QJsonObject{{QStringLiteral("model"), QStringLiteral("x")}}).has_value());
}

TEST(AppleHardwareDetails, EncodingKeepsFieldOrderAndDecodingNeedsAllFour)
{
    const BaseKit::AppleHardwareDetails details{QStringLiteral("p"), QStringLiteral("d"), QStringLiteral("m"),
                                                QStringLiteral("id")};
    EXPECT_EQ(details.encode(),
              QByteArray(R"j({"processor":"p","description":"d","marketingModel":"m","model":"id"})j"));
    QJsonObject object = QJsonDocument::fromJson(details.encode()).object();
    EXPECT_EQ(BaseKit::AppleHardwareDetails::fromJson(object), details);
    object.remove(QStringLiteral("description"));
    EXPECT_FALSE(BaseKit::AppleHardwareDetails::fromJson(object).has_value());
}

TEST(MissingBundle, LookupsGiveTheKeyAndTheTableIsEmpty)
{
    QTemporaryDir nowhere;
    Platform::Bundles bundles({nowhere.path()});
    MacDevices devices(QDir(nowhere.path()).filePath(QStringLiteral("mac-devices.json")));
    EXPECT_TRUE(devices.allDevices().isEmpty());
    EXPECT_FALSE(devices.device(QStringLiteral("MacBookPro18,3")).has_value());
    const QString translations = bundles.resourcePath(QStringLiteral("BaseKit"), QStringLiteral("translations"));
    const BaseKit::ModuleStrings strings(QStringLiteral("BaseKit"), translations,
                                         {QStringLiteral("de"), QStringLiteral("en")});
    EXPECT_EQ(strings.text(QStringLiteral("YESTERDAY")), QStringLiteral("YESTERDAY"));
    // The program's own bundle holds both.
    EXPECT_TRUE(MacDevices().device(QStringLiteral("MacBookPro18,3")).has_value());
}
