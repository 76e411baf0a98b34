#include "Platform/PropertyList/PlistValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Platform::PlistValue;

TEST(PlistValueNumbers, ExactConversionsRefuseLoss)
{
    EXPECT_EQ(PlistValue(3.0).toInt64(), 3);
    EXPECT_FALSE(PlistValue(3.5).toInt64().has_value());
    EXPECT_FALSE(PlistValue(std::int64_t(-1)).toUInt64().has_value());
    EXPECT_FALSE(PlistValue(std::numeric_limits<std::uint64_t>::max()).toInt64().has_value());
    EXPECT_EQ(PlistValue(std::numeric_limits<std::uint64_t>::max()).toUInt64(),
              std::numeric_limits<std::uint64_t>::max());
}

TEST(PlistValueNumbers, NonFiniteAndOutOfRangeRealsNeverBecomeIntegers)
{
    const double values[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), 1e19, -1e19, 9223372036854775808.0};
    for (double d : values) {
        EXPECT_FALSE(PlistValue(d).toInt64Truncating().has_value()) << d;
        EXPECT_FALSE(PlistValue(d).toInt64().has_value()) << d;
    }
    EXPECT_FALSE(PlistValue(-0.5 - 1e19).toUInt64Truncating().has_value());
    EXPECT_FALSE(PlistValue(std::nan("")).toDouble().has_value());
    EXPECT_EQ(PlistValue(-2.9).toInt64Truncating(), -2);
    EXPECT_EQ(PlistValue(-0.9).toUInt64Truncating(), 0u);
    EXPECT_EQ(PlistValue(1e19).toUInt64Truncating(), 10000000000000000000ull);
}

TEST(PlistValueAccess, WrongTypeAndMissingKeysGiveNone)
{
    PlistValue dict(PlistValue::DictionaryType{{"a", PlistValue(1)}, {"b", PlistValue("x")}});
    EXPECT_EQ(dict["a"].toInt64(), 1);
    EXPECT_TRUE(dict["missing"].isNone());
    EXPECT_FALSE(dict["b"].toInt64().has_value());
    EXPECT_TRUE(PlistValue(5)["a"].isNone());
    EXPECT_EQ(PlistValue(std::int64_t(0x1'0000'0005)).toUInt32Bits(), 5u);
}
