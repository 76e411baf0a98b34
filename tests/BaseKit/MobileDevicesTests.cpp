#include "XdgScope.h"

#include "BaseKit/Devices/MobileDevices.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

using BaseKit::MobileDevice;
using BaseKit::MobileDevices;

TEST(MobileDevices, EachTableHoldsItsRows)
{
    EXPECT_EQ(MobileDevices::phoneCount(), 53u);
    EXPECT_EQ(MobileDevices::audioCount(), 7u);
    EXPECT_EQ(MobileDevices::tabletCount(), 82u);
    EXPECT_EQ(MobileDevices::watchCount(), 39u);
}

TEST(MobileDevices, RowsAreMatchedWholeAndBuildTheirKind)
{
    auto phone = MobileDevices::device(QStringLiteral("iPhone7,2"));
    ASSERT_TRUE(phone);
    EXPECT_TRUE(dynamic_cast<BaseKit::Phone*>(phone.get()));
    EXPECT_EQ(phone->name(), QStringLiteral("iPhone 6"));
    EXPECT_EQ(phone->shortName(), QStringLiteral("iPhone 6"));
    EXPECT_EQ(phone->iconName(), QStringLiteral("com.apple.iphone-6-b4b5b9.icns"));

    auto first = MobileDevices::device(QStringLiteral("iPhone1,1"));
    EXPECT_FALSE(first->iconName().has_value());
    EXPECT_FALSE(first->icon().has_value());

    auto ultra = MobileDevices::device(QStringLiteral("Watch6,18"));
    EXPECT_TRUE(dynamic_cast<BaseKit::Watch*>(ultra.get()));
    EXPECT_EQ(ultra->name(), QStringLiteral("Apple Watch Ultra"));
    EXPECT_EQ(ultra->shortName(), QStringLiteral("Watch Ultra"));
    EXPECT_EQ(ultra->iconName(), QStringLiteral("com.apple.watch-u-8.icns"));

    // The 44 mm Series 6 answers to the regular identifier.
    EXPECT_EQ(MobileDevices::device(QStringLiteral("Watch6,2"))->name(), QStringLiteral("Apple Watch Series 6 44mm case (GPS)"));
    EXPECT_EQ(MobileDevices::device(QStringLiteral("Watch6"))->name(), QStringLiteral("Apple Watch"));

    EXPECT_EQ(MobileDevices::device(QStringLiteral("iPad14,3-A"))->name(), QStringLiteral("iPad Pro 11 inch 4th Gen"));
    EXPECT_EQ(MobileDevices::device(QStringLiteral("iPad14,3"))->name(), QStringLiteral("iPad"));
    auto ipod = MobileDevices::device(QStringLiteral("iPod9,1"));
    EXPECT_TRUE(dynamic_cast<BaseKit::Audio*>(ipod.get()));
    EXPECT_EQ(ipod->shortName(), QStringLiteral("iPod 7"));
}

TEST(MobileDevices, UnknownIdentifiersGiveTheGeneralDeviceOrNone)
{
    auto phone = MobileDevices::device(QStringLiteral("iPhone99,1"));
    ASSERT_TRUE(phone);
    EXPECT_EQ(phone->name(), QStringLiteral("iPhone"));
    EXPECT_EQ(phone->iconName(), QStringLiteral("com.apple.iphone-14-pro-2.icns"));
    auto tablet = MobileDevices::device(QStringLiteral("iPad99,1"));
    EXPECT_TRUE(dynamic_cast<BaseKit::Tablet*>(tablet.get()));
    EXPECT_EQ(tablet->iconName(), QStringLiteral("com.apple.ipad-pro-12point9-2.icns"));
    EXPECT_EQ(MobileDevices::device(QStringLiteral("Watch99,1"))->iconName(), QStringLiteral("com.apple.watch-38mm-4.icns"));
    EXPECT_FALSE(MobileDevices::device(QStringLiteral("iPod99,1")));
    EXPECT_FALSE(MobileDevices::device(QStringLiteral("iphone7,2")));
    EXPECT_FALSE(MobileDevices::device(QString()));
    // Both kind words: the phone table decides.
    EXPECT_TRUE(dynamic_cast<BaseKit::Phone*>(MobileDevices::device(QStringLiteral("iPad-iPhone")).get()));
}

TEST(MobileDevices, IconsComeFromIconBundlesWhenThereAreAny)
{
    XdgScope xdg(false);
    auto phone = MobileDevices::device(QStringLiteral("iPhone7,2"));
    EXPECT_FALSE(phone->icon().has_value()); // no icon folder on Linux

    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    xdg.write(QStringLiteral("icons/Devices/Phones.bundle/Contents/Resources/com.apple.iphone-6-b4b5b9.icns"), bytes);
    const QString folder = xdg.root() + QStringLiteral("/icons");
    EXPECT_TRUE(phone->icon(folder).has_value());
    phone->setIconName(QStringLiteral("com.apple.nothing.icns"));
    EXPECT_FALSE(phone->icon(folder).has_value());
    phone->setIconName(QString());
    EXPECT_FALSE(phone->icon(folder).has_value());
}
