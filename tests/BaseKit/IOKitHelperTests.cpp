#include "BaseKit/IOKitHelper.h"
#include "Platform/Registry/InMemoryRegistry.h"

#include <gtest/gtest.h>

#include <memory>

using BaseKit::IOKitHelper;
using Platform::PlistValue;

namespace {

QByteArray bytes(std::initializer_list<unsigned char> list)
{
    QByteArray out;
    for (unsigned char b : list)
        out.append(char(b));
    return out;
}

// A processor entry as the registry holds it, installed as the shared registry for the test.
class IOKitHelperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registry = std::make_shared<Platform::InMemoryRegistry>();
        cpu = registry->addEntry(std::nullopt, "cpu0", "IOCPU",
                                 {{"clock-frequency", PlistValue(bytes({0x00, 0xE1, 0xF5, 0x05}))},
                                  {"timebase-frequency", PlistValue(bytes({0x10, 0x27}))},
                                  {"bus-frequency", PlistValue(bytes({0x01, 0x02, 0x03, 0x04, 0x05}))},
                                  {"wide", PlistValue(bytes({0x00, 0x00, 0x00, 0x00, 0x01, 0, 0, 0}))},
                                  {"empty", PlistValue(QByteArray())},
                                  {"number", PlistValue(100000000)},
                                  {"compatible", PlistValue(QByteArray("apple,avalanche\0ARM,v8\0", 23))},
                                  {"name", PlistValue("cpu0")},
                                  {"broken", PlistValue(bytes({'a', 0xC3, 0x28}))}});
    }

    std::shared_ptr<Platform::InMemoryRegistry> registry;
    Platform::RegistryEntryId cpu = 0;
};

} // namespace

TEST_F(IOKitHelperTest, NumbersReadTheBytesInMachineOrder)
{
    EXPECT_EQ(IOKitHelper::numberProperty(*registry, cpu, "clock-frequency"), 100000000u);
    EXPECT_EQ(IOKitHelper::numberProperty(*registry, cpu, "timebase-frequency"), 10000u);
    EXPECT_EQ(IOKitHelper::numberProperty(*registry, cpu, "empty"), 0u);
    // Five bytes: the first four only.
    EXPECT_EQ(IOKitHelper::numberProperty(*registry, cpu, "bus-frequency"), 0x04030201u);
    // Eight bytes are read whole: 2^32 Hz does not wrap to 0.
    EXPECT_EQ(IOKitHelper::numberProperty(*registry, cpu, "wide"), 0x100000000u);
}

TEST_F(IOKitHelperTest, OnlyDataValuesAreRead)
{
    EXPECT_FALSE(IOKitHelper::numberProperty(*registry, cpu, "number").has_value());
    EXPECT_FALSE(IOKitHelper::numberProperty(*registry, cpu, "missing").has_value());
    EXPECT_FALSE(IOKitHelper::numberProperty(*registry, cpu + 100, "clock-frequency").has_value());
    EXPECT_FALSE(IOKitHelper::stringProperty(*registry, cpu, "name").has_value());
    EXPECT_FALSE(IOKitHelper::stringProperty(*registry, cpu, "missing").has_value());
}

TEST_F(IOKitHelperTest, TextsKeepTheirNulsAndRefuseInvalidUtf8)
{
    const auto compatible = IOKitHelper::stringProperty(*registry, cpu, "compatible");
    ASSERT_TRUE(compatible.has_value());
    EXPECT_EQ(compatible->size(), 23);
    EXPECT_EQ(*compatible, QString::fromUtf8("apple,avalanche\0ARM,v8\0", 23));
    EXPECT_EQ(compatible->count(QChar(u'\0')), 2);
    EXPECT_FALSE(IOKitHelper::stringProperty(*registry, cpu, "broken").has_value());
    EXPECT_EQ(IOKitHelper::stringProperty(*registry, cpu, "empty"), QString());
}
