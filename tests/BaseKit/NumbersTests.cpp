#include "BaseKit/Numbers.h"

#include "Support/LocaleScope.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace Numbers = BaseKit::Numbers;

TEST(Numbers, UnsignedConversions)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Numbers::uint64Value(-3.7), 0u);
    EXPECT_EQ(Numbers::uint64Value(3.7), 3u);
    EXPECT_EQ(Numbers::uint64Value(nan), 0u);
    EXPECT_EQ(Numbers::uint64Value(infinity), std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(Numbers::uint64Value(18446744073709551616.0), std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(Numbers::uint32Value(4294967295.0), 4294967295u);
    EXPECT_EQ(Numbers::uint32Value(4294967295.5), 0u);
    EXPECT_EQ(Numbers::uint32Value(-1.0), 0u);
    EXPECT_EQ(Numbers::uint32Value(7.9), 7u);
    EXPECT_EQ(Numbers::uint32Value(nan), 0u);
}

TEST(Numbers, RoundingToPlaces)
{
    EXPECT_DOUBLE_EQ(Numbers::rounded(3.14159, 2), 3.14);
    EXPECT_DOUBLE_EQ(Numbers::rounded(1.5, 0), 2.0);
    EXPECT_DOUBLE_EQ(Numbers::rounded(-1.5, 0), -2.0);
    EXPECT_DOUBLE_EQ(Numbers::rounded(1234.0, -2), 1200.0);
    EXPECT_FLOAT_EQ(Numbers::rounded(2.675f, 1), 2.7f);
    EXPECT_TRUE(Numbers::isInfiniteOrNaN(std::numeric_limits<double>::infinity()));
    EXPECT_TRUE(Numbers::isInfiniteOrNaN(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_FALSE(Numbers::isInfiniteOrNaN(std::numeric_limits<double>::max()));
}

TEST(Numbers, RoundingToAMultiple)
{
    using Rule = Numbers::RoundingRule;
    EXPECT_DOUBLE_EQ(Numbers::rounded(7.3, 0.5, Rule::toNearestOrAwayFromZero), 7.5);
    EXPECT_DOUBLE_EQ(Numbers::rounded(7.25, 0.5, Rule::toNearestOrAwayFromZero), 7.5);
    EXPECT_DOUBLE_EQ(Numbers::rounded(7.25, 0.5, Rule::toNearestOrEven), 7.0);
    EXPECT_DOUBLE_EQ(Numbers::rounded(-7.3, 0.5, Rule::down), -7.5);
    EXPECT_DOUBLE_EQ(Numbers::rounded(-7.3, 0.5, Rule::towardZero), -7.0);
    EXPECT_DOUBLE_EQ(Numbers::rounded(7.1, 0.5, Rule::awayFromZero), 7.5);

    EXPECT_EQ(Numbers::roundedUp(17, 5), 20);
    EXPECT_EQ(Numbers::roundedDown(17, 5), 15);
    EXPECT_EQ(Numbers::roundedUp(20, 5), 20);
    EXPECT_EQ(Numbers::roundedDown(20, 5), 20);
    EXPECT_EQ(Numbers::roundedUp(17, 0), 17);
    EXPECT_EQ(Numbers::roundedDown(-7, 5), -5);
    EXPECT_EQ(Numbers::roundedUp(-7, 5), 0);
    EXPECT_EQ(Numbers::roundedUp(17u, 5u), 20u);
}

TEST(Numbers, IntegerRoundingAtTheTypeBounds)
{
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(Numbers::roundedDown(min, std::int64_t{-1}), min);
    EXPECT_EQ(Numbers::roundedUp(min, std::int64_t{-1}), min);
    EXPECT_EQ(Numbers::roundedUp(max, std::int64_t{10}), max);
    EXPECT_EQ(Numbers::roundedUp(std::numeric_limits<std::uint8_t>::max(), std::uint8_t{10}),
              std::numeric_limits<std::uint8_t>::max());
    EXPECT_EQ(Numbers::roundedUp(std::int32_t{-5}, std::numeric_limits<std::int32_t>::max()),
              std::numeric_limits<std::int32_t>::max());
}

TEST(Numbers, FractionTextsCutTowardZero)
{
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(Numbers::fractionText1(2.96), "2.9");
    EXPECT_EQ(Numbers::fractionText3(1.23456), "1.234");
    EXPECT_EQ(Numbers::fractionText5(1.0), "1.00000");
    EXPECT_EQ(Numbers::fractionText(0.5f, 2), "0.50");
}
