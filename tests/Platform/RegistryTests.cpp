#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Registry/SysfsRegistry.h"

#include <gtest/gtest.h>

#include <memory>

using Platform::InMemoryRegistry;
using Platform::PlistValue;
using Platform::RegistryAdapter;
using Platform::RegistryEntryId;
using Platform::SysfsRegistry;

namespace {

// An adapter whose entries and properties the test sets; it counts how often it is listed.
class ScriptedAdapter : public RegistryAdapter {
public:
    QByteArray stamp() const override
    {
        ++stamps;
        return generation;
    }
    std::vector<Node> entries() const override
    {
        ++listings;
        return nodes;
    }
    PlistValue::DictionaryType properties(const QString& path) const override
    {
        ++propertyReads;
        auto it = values.find(path);
        return it == values.end() ? PlistValue::DictionaryType{} : it->second;
    }

    QByteArray generation = "1";
    std::vector<Node> nodes;
    std::map<QString, PlistValue::DictionaryType> values;
    mutable int stamps = 0;
    mutable int listings = 0;
    mutable int propertyReads = 0;
};

} // namespace

TEST(InMemoryRegistry, BuildsPathsFromNamesAndFindsByClassNameAndPath)
{
    InMemoryRegistry registry;
    const RegistryEntryId root = registry.addEntry(std::nullopt, "AppleARMPE", "IOPlatformExpertDevice",
                                                   {{"IOPlatformSerialNumber", PlistValue("C02XYZ")}});
    const RegistryEntryId product = registry.addEntry(root, "product", "IOService");
    const RegistryEntryId cpu0 = registry.addEntry(root, "cpu", "IOCPU");
    const RegistryEntryId cpu1 = registry.addEntry(root, "cpu", "IOCPU");

    EXPECT_EQ(registry.path(product), "IOService:/AppleARMPE/product");
    EXPECT_EQ(registry.entryAtPath("IOService:/AppleARMPE/product"), product);
    EXPECT_EQ(registry.fromPath("IOService:/AppleARMPE"), root);
    EXPECT_FALSE(registry.entryAtPath("IOService:/AppleARMPE/missing").has_value());
    EXPECT_EQ(registry.entriesNamed("cpu"), (std::vector<RegistryEntryId>{cpu0, cpu1}));
    EXPECT_EQ(registry.entriesOfClass("IOPlatformExpertDevice"), std::vector<RegistryEntryId>{root});
    EXPECT_EQ(registry.children(root), (std::vector<RegistryEntryId>{product, cpu0, cpu1}));
    EXPECT_EQ(registry.parent(cpu1), root);
    EXPECT_FALSE(registry.parent(root).has_value());
    EXPECT_EQ(registry.property(root, "IOPlatformSerialNumber").toString(), QStringLiteral("C02XYZ"));
    EXPECT_TRUE(registry.property(root, "missing").isNone());

    // Two entries with one path: the later one is found there.
    EXPECT_EQ(registry.entryAtPath("IOService:/AppleARMPE/cpu"), cpu1);
    // An unknown parent makes a root entry.
    const RegistryEntryId orphan = registry.addEntry(RegistryEntryId(42), "orphan", "IOService");
    EXPECT_EQ(registry.path(orphan), "IOService:/orphan");
    EXPECT_FALSE(registry.parent(orphan).has_value());

    // Unknown ids answer nothing rather than another entry's values.
    EXPECT_TRUE(registry.properties(0).isNone());
    EXPECT_TRUE(registry.name(99).isEmpty());
    EXPECT_TRUE(registry.children(99).empty());
}

TEST(InMemoryRegistry, SearchPropertyWalksChildrenDepthFirstInOrder)
{
    InMemoryRegistry registry;
    const RegistryEntryId top = registry.addEntry(std::nullopt, "top", "IOService");
    const RegistryEntryId first = registry.addEntry(top, "first", "IOService");
    const RegistryEntryId deep = registry.addEntry(first, "deep", "IOService", {{"Key", PlistValue("deep")}});
    registry.addEntry(top, "second", "IOService", {{"Key", PlistValue("second")}});
    // Depth first: the grandchild under the first child comes before the second child.
    EXPECT_EQ(registry.searchProperty(top, "Key").toString(), QStringLiteral("deep"));
    // The entry's own property comes first.
    registry.setProperty(top, "Key", PlistValue("top"));
    EXPECT_EQ(registry.searchProperty(top, "Key").toString(), QStringLiteral("top"));
    registry.setProperty(top, "Key", PlistValue());
    registry.setProperty(deep, "Key", PlistValue());
    EXPECT_EQ(registry.searchProperty(top, "Key").toString(), QStringLiteral("second"));
    EXPECT_TRUE(registry.searchProperty(first, "Key").isNone());
}

TEST(SysfsRegistry, MergesAdaptersByPathAndLinksParentsAcrossThem)
{
    auto disks = std::make_unique<ScriptedAdapter>();
    disks->nodes = {{"IOService:/sys/devices/pci0000:00", "", "pci0000:00", "IOService"},
                    {"IOService:/sys/devices/pci0000:00/0000:00:1d.0", "IOService:/sys/devices/pci0000:00",
                     "0000:00:1d.0", "IOPCIDevice"},
                    {"IOService:/sys/devices/pci0000:00/0000:00:1d.0/driver",
                     "IOService:/sys/devices/pci0000:00/0000:00:1d.0", "driver", "IOBlockStorageDriver"}};
    disks->values["IOService:/sys/devices/pci0000:00/0000:00:1d.0"] = {{"Device Characteristics", PlistValue("disk")},
                                                                       {"Shared", PlistValue("from disks")}};
    auto graphics = std::make_unique<ScriptedAdapter>();
    graphics->nodes = {{"IOService:/sys/devices/pci0000:00/0000:00:1d.0", "", "other name", "OtherClass"},
                       {"IOService:/sys/class/drm/card0", "IOService:/sys/devices/pci0000:00/0000:00:1d.0", "card0",
                        "IOAccelerator"}};
    graphics->values["IOService:/sys/devices/pci0000:00/0000:00:1d.0"] = {{"model", PlistValue("GPU")},
                                                                          {"Shared", PlistValue("from graphics")}};

    SysfsRegistry registry("/fixture");
    registry.addAdapter(std::move(disks));
    registry.addAdapter(std::move(graphics));

    const auto pci = registry.fromPath("IOService:/sys/devices/pci0000:00/0000:00:1d.0");
    ASSERT_TRUE(pci.has_value());
    // The first adapter's name and class stand; properties of both are merged, the first winning.
    EXPECT_EQ(registry.name(*pci), "0000:00:1d.0");
    EXPECT_EQ(registry.className(*pci), "IOPCIDevice");
    EXPECT_EQ(registry.property(*pci, "model").toString(), QStringLiteral("GPU"));
    EXPECT_EQ(registry.property(*pci, "Shared").toString(), QStringLiteral("from disks"));
    EXPECT_EQ(registry.properties(*pci).toDictionary()->size(), 3u);

    const auto card = registry.entriesOfClass("IOAccelerator");
    ASSERT_EQ(card.size(), 1u);
    EXPECT_EQ(registry.parent(card[0]), pci);
    EXPECT_EQ(registry.children(*pci).size(), 2u); // the driver and the card
    EXPECT_EQ(registry.entriesOfClass("OtherClass").size(), 0u);
    const auto driver = registry.entriesOfClass("IOBlockStorageDriver");
    ASSERT_EQ(driver.size(), 1u);
    EXPECT_EQ(registry.searchProperty(*registry.parent(*pci), "Device Characteristics").toString(),
              QStringLiteral("disk"));
}

TEST(SysfsRegistry, ListsAgainOnlyWhenAStampChangesAndKeepsIds)
{
    auto owned = std::make_unique<ScriptedAdapter>();
    ScriptedAdapter* adapter = owned.get();
    adapter->nodes = {{"IOService:/a", "", "a", "Battery"}};
    adapter->values["IOService:/a"] = {{"Charge", PlistValue(50)}};
    SysfsRegistry registry;
    registry.addAdapter(std::move(owned));
    const int listedAtStart = adapter->listings;

    // A reader asking every second: lookups check the stamp, properties are read live.
    RegistryEntryId id = 0;
    for (int second = 0; second < 10; ++second) {
        const auto found = registry.entriesOfClass("Battery");
        ASSERT_EQ(found.size(), 1u);
        id = found[0];
        adapter->values["IOService:/a"]["Charge"] = PlistValue(50 + second);
        EXPECT_EQ(registry.property(id, "Charge").toInt64(), 50 + second);
    }
    EXPECT_EQ(adapter->listings, listedAtStart);

    // A new device appears: listed again once; the old entry keeps its id.
    adapter->nodes.push_back({"IOService:/b", "", "b", "Battery"});
    adapter->generation = "2";
    const auto both = registry.entriesOfClass("Battery");
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0], id);
    EXPECT_EQ(adapter->listings, listedAtStart + 1);

    // The first one goes away: its id answers nothing, and a lookup by path finds nothing.
    adapter->nodes.erase(adapter->nodes.begin());
    adapter->generation = "3";
    EXPECT_EQ(registry.entriesOfClass("Battery").size(), 1u);
    EXPECT_TRUE(registry.properties(id).isNone());
    EXPECT_FALSE(registry.entryAtPath("IOService:/a").has_value());
}

TEST(SysfsRegistry, ParentLoopsFromAdaptersAreCut)
{
    auto adapter = std::make_unique<ScriptedAdapter>();
    adapter->nodes = {{"IOService:/x", "IOService:/y", "x", "C"}, {"IOService:/y", "IOService:/x", "y", "C"}};
    SysfsRegistry registry;
    registry.addAdapter(std::move(adapter));
    for (RegistryEntryId entry : registry.entriesOfClass("C")) {
        int steps = 0;
        for (auto up = registry.parent(entry); up && steps < 10; up = registry.parent(*up))
            ++steps;
        EXPECT_LT(steps, 10);
    }
    EXPECT_TRUE(registry.searchProperty(registry.entriesOfClass("C")[0], "none").isNone());
}

TEST(SysfsRegistry, WithinASampleScopeTheStampsAreLookedAtOnce)
{
    auto owned = std::make_unique<ScriptedAdapter>();
    ScriptedAdapter* adapter = owned.get();
    adapter->nodes = {{"IOService:/a", "", "a", "Battery"}};
    SysfsRegistry registry;
    registry.addAdapter(std::move(owned));
    {
        const SysfsRegistry::SampleScope tick;
        const int stamps = adapter->stamps;
        EXPECT_EQ(registry.entriesOfClass("Battery").size(), 1u);
        // A device that appears during the tick shows at the next one.
        adapter->nodes.push_back({"IOService:/b", "", "b", "Battery"});
        adapter->generation = "2";
        {
            const SysfsRegistry::SampleScope nested;
            EXPECT_EQ(registry.entriesNamed("b").size(), 0u);
        }
        EXPECT_EQ(registry.entriesOfClass("Battery").size(), 1u);
        EXPECT_FALSE(registry.entryAtPath("IOService:/b").has_value());
        EXPECT_EQ(adapter->stamps, stamps + 1);
    }
    {
        const SysfsRegistry::SampleScope next;
        EXPECT_EQ(registry.entriesOfClass("Battery").size(), 2u);
        EXPECT_EQ(registry.entriesNamed("b").size(), 1u);
    }
    // Outside a scope, every lookup looks.
    const int stamps = adapter->stamps;
    registry.entriesOfClass("Battery");
    registry.entriesOfClass("Battery");
    EXPECT_EQ(adapter->stamps, stamps + 2);
}
