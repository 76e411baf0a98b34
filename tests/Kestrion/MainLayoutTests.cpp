#include "Kestrion/Common/MainLayout.h"
#include "Kestrion/App/Utilities.h"
#include "Kestrion/App/ViewConstants.h"

#include <gtest/gtest.h>

using namespace Kestrion;

namespace {
using Column = std::vector<Card>;

MainLayoutInputs allOff()
{
    MainLayoutInputs in;
    in.disableSystemInfo = in.disableProcessorUsage = in.disableMemoryUsage = in.disableCoresUsage = true;
    in.disableNetworkInfo = in.disableNetworkUsage = in.disableGraphicsCard = in.disableVolumeInfo = true;
    in.disableConnectedVolumes = in.disableInternalBattery = true;
    return in;
}
} // namespace

TEST(MainLayout, FreshInstallationWithBattery)
{
    MainLayoutInputs in;
    in.batteryPresent = true;
    const MainLayout layout = MainLayout::plan(in);
    EXPECT_FALSE(layout.empty);
    EXPECT_FALSE(layout.systemInfoRow);
    EXPECT_EQ(layout.columns[0], (Column{Card::processorUsage, Card::coreUsage}));
    EXPECT_EQ(layout.columns[1], (Column{Card::memoryUsage, Card::diskInfo, Card::volumes}));
    EXPECT_EQ(layout.columns[2], (Column{Card::networkInfo}));
    EXPECT_EQ(layout.columns[3], (Column{Card::networkUsage, Card::internalBattery}));
    EXPECT_TRUE(layout.columns[4].empty());

    in.hasPrimaryGraphicsCard = true;
    EXPECT_EQ(MainLayout::plan(in).columns[2], (Column{Card::networkInfo, Card::graphicsCard}));
    in.disableGraphicsCard = true;
    EXPECT_EQ(MainLayout::plan(in).columns[2], (Column{Card::networkInfo}));
}

TEST(MainLayout, VolumesTakeTheBatteryPlaceWithoutBattery)
{
    MainLayoutInputs in;
    const MainLayout layout = MainLayout::plan(in);
    EXPECT_EQ(layout.columns[1], (Column{Card::memoryUsage, Card::diskInfo}));
    EXPECT_EQ(layout.columns[3], (Column{Card::networkUsage, Card::volumes}));

    // Switched off: in neither column, whatever the battery.
    in.disableConnectedVolumes = true;
    for (bool battery : {false, true}) {
        in.batteryPresent = battery;
        const MainLayout off = MainLayout::plan(in);
        for (const Column& column : off.columns)
            EXPECT_EQ(std::count(column.begin(), column.end(), Card::volumes), 0) << battery;
    }
    // The battery card needs both the battery and its switch.
    in.batteryPresent = true;
    in.disableInternalBattery = true;
    EXPECT_EQ(MainLayout::plan(in).columns[3], (Column{Card::networkUsage}));
}

TEST(MainLayout, CompanionColumn)
{
    MainLayoutInputs in;
    in.companionRunning = true;
    in.hasTemperatureSensors = true;
    EXPECT_EQ(MainLayout::plan(in).columns[4], (Column{Card::thermion}));
    in.hasFans = true;
    EXPECT_EQ(MainLayout::plan(in).columns[4], (Column{Card::fans, Card::thermion}));
    in.companionRunning = false; // lists still filled, companion gone
    EXPECT_TRUE(MainLayout::plan(in).columns[4].empty());
}

TEST(MainLayout, EmptyStateOnlyWhenEverySwitchIsOff)
{
    MainLayoutInputs in = allOff();
    in.batteryPresent = in.companionRunning = in.hasFans = in.hasTemperatureSensors = true;
    const MainLayout layout = MainLayout::plan(in);
    EXPECT_TRUE(layout.empty);
    for (const Column& column : layout.columns)
        EXPECT_TRUE(column.empty());

    // Any one switch on shows the grid; the system-information row alone is a grid too.
    in.disableSystemInfo = false;
    const MainLayout info = MainLayout::plan(in);
    EXPECT_FALSE(info.empty);
    EXPECT_TRUE(info.systemInfoRow);
    EXPECT_EQ(info.columns[4], (Column{Card::fans, Card::thermion}));
    in.disableSystemInfo = true;
    in.disableMemoryUsage = false;
    EXPECT_FALSE(MainLayout::plan(in).empty);
    EXPECT_EQ(MainLayout::plan(in).columns[1], (Column{Card::memoryUsage}));
}

TEST(MainLayout, DefaultsHideTheSystemInfoRowButDoNotCountAsAllOff)
{
    // The default of "DisableSystemInfo" is true for every reader: the nine other switches off leave
    // every module off, and the window shows the empty state rather than a blank grid.
    MainLayoutInputs in = allOff();
    in.disableSystemInfo = MainLayoutInputs{}.disableSystemInfo;
    EXPECT_TRUE(MainLayout::allModulesDisabled(in));
    EXPECT_TRUE(MainLayout::plan(in).empty);
}

TEST(ScreenSizeClass, ThresholdsIncludeEquality)
{
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(1366, 768)}), 0);
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(1368, 2000)}), 0);
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(2000, 720)}), 0);
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(1440, 900)}), 1);
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(1600, 900)}), 1);
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(1441, 901)}), 2);
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(1512, 982)}), 2);
    EXPECT_EQ(Utilities::screenSizeClass({}), 2);
}

TEST(ScreenSizeClass, SmallestScreenDecides)
{
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(2560, 1440), QSizeF(1280, 800)}), 0);
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(1280, 800), QSizeF(2560, 1440)}), 0);
    // Equal areas: the earlier screen stays (1500 x 1000 is class 2, 1000 x 1500 class 0).
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(1500, 1000), QSizeF(1000, 1500)}), 2);
    EXPECT_EQ(Utilities::screenSizeClass({QSizeF(1000, 1500), QSizeF(1500, 1000)}), 0);
}

TEST(ViewConstants, AmountsPerSizeClass)
{
    EXPECT_EQ(ViewConstants::spacing(0), 4);
    EXPECT_EQ(ViewConstants::spacing(1), 8);
    EXPECT_EQ(ViewConstants::spacing(2), 16);
    EXPECT_EQ(ViewConstants::systemInfoHeight(0), 96);
    EXPECT_EQ(ViewConstants::systemInfoHeight(1), 152);
    EXPECT_EQ(ViewConstants::systemInfoHeight(2), 180);
    const int first = ViewConstants::sizeClass();
    EXPECT_GE(first, 0);
    EXPECT_LE(first, 2);
    EXPECT_EQ(ViewConstants::sizeClass(), first);
}
