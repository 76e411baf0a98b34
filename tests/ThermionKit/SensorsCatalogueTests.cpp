#include "ThermionKit/Sensors.h"

#include <gtest/gtest.h>

using namespace ThermionKit;

TEST(SensorsCatalogueTest, ListsHoldTheirEntriesInOrder)
{
    const SensorList& keys = Sensors::smcCatalogue();
    ASSERT_EQ(keys.size(), 136u);
    EXPECT_EQ(keys.front()->identifier, QStringLiteral("TA%P"));
    EXPECT_EQ(keys.back()->identifier, QStringLiteral("PDBR"));
    EXPECT_EQ(keys.back()->platforms, std::vector<SensorPlatform>{SensorPlatform::m1});
    int batteries = 0;
    for (const auto& sensor : keys) {
        EXPECT_EQ(sensor->value, 0);
        EXPECT_FALSE(sensor->index());
        EXPECT_NE(sensor->type, SensorType::fan);
        batteries += sensor->identifier == QStringLiteral("TB1T") ? 1 : 0;
    }
    // Repeated keys stay, one per platform set.
    EXPECT_EQ(batteries, 2);
    EXPECT_EQ(&Sensors::smcCatalogue(), &keys);

    const SensorList& names = Sensors::namePatterns();
    ASSERT_EQ(names.size(), 11u);
    EXPECT_EQ(names.front()->description, QStringLiteral("CPU Performance Core %"));
    EXPECT_EQ(names[9]->identifier, QStringLiteral("gas gauge battery"));
}

TEST(SensorsCatalogueTest, IndexTurnsTemplatesIntoNames)
{
    const SensorList& keys = Sensors::smcCatalogue();
    const auto core = std::find_if(keys.begin(), keys.end(),
                                   [](const auto& s) { return s->identifier == QStringLiteral("TC%C"); });
    ASSERT_NE(core, keys.end());
    Sensor copy = **core;
    copy.setIndex(2);
    EXPECT_EQ(copy.description, QStringLiteral("CPU Core 2"));
    EXPECT_EQ((*core)->description, QStringLiteral("CPU Core %"));

    // The disk template gives a plain disk name and is filed with the system's sensors.
    Sensor disk = *Sensors::namePatterns().back();
    EXPECT_EQ(disk.identifier, QStringLiteral("NAND CH% temp"));
    disk.setIndex(3);
    EXPECT_EQ(disk.description, QStringLiteral("Disk 3"));
    EXPECT_EQ(disk.group, SensorGroup::system);
}
