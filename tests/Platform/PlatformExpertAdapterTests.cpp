#include "Platform/Registry/PlatformExpertAdapter.h"
#include "Platform/Registry/SysfsRegistry.h"

#include <gtest/gtest.h>

using Platform::SysfsRegistry;

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(KESTRION_FIXTURES "/BaseKit/") + QLatin1String(name);
}

} // namespace

TEST(PlatformExpertAdapter, ServerWithReadableSerial)
{
    const auto registry = SysfsRegistry::live(fixture("x86-two-socket"));
    const auto entries = registry->entriesOfClass(QStringLiteral("IOPlatformExpertDevice"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(registry->name(entries[0]), QStringLiteral("PowerEdge R730"));
    EXPECT_EQ(registry->path(entries[0]), QStringLiteral("IOService:/sys/class/dmi/id"));
    EXPECT_EQ(registry->property(entries[0], QStringLiteral("IOPlatformSerialNumber")).toString(),
              QStringLiteral("4XK9R52"));
}

TEST(PlatformExpertAdapter, DevicetreeSerialIsReadable)
{
    const auto registry = SysfsRegistry::live(fixture("aarch64-rpi4"));
    const auto entries = registry->entriesOfClass(QStringLiteral("IOPlatformExpertDevice"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(registry->path(entries[0]), QStringLiteral("IOService:/sys/firmware/devicetree/base"));
    EXPECT_EQ(registry->property(entries[0], QStringLiteral("IOPlatformSerialNumber")).toString(),
              QStringLiteral("100000003c2a7e15"));
}

TEST(PlatformExpertAdapter, UnreadableOrMissingSerialLeavesThePropertyOut)
{
    for (const char* name : {"laptop-xps13", "container"}) {
        const auto registry = SysfsRegistry::live(fixture(name));
        const auto entries = registry->entriesOfClass(QStringLiteral("IOPlatformExpertDevice"));
        ASSERT_EQ(entries.size(), 1u) << name;
        EXPECT_TRUE(registry->property(entries[0], QStringLiteral("IOPlatformSerialNumber")).isNone()) << name;
        EXPECT_FALSE(registry->properties(entries[0]).contains(QStringLiteral("IOPlatformSerialNumber"))) << name;
    }
    const auto container = SysfsRegistry::live(fixture("container"));
    EXPECT_EQ(container->name(container->entriesOfClass(QStringLiteral("IOPlatformExpertDevice"))[0]),
              QStringLiteral("platform"));
}
