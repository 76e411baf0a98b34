#include "BaseKit/DecimalFormatter.h"

#include "Support/LocaleScope.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using BaseKit::DecimalFormatter;

TEST(DecimalFormatter, MaximumDigitsWithoutTrailingZeros)
{
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(DecimalFormatter::string(3.14159, 2), "3.14");
    EXPECT_EQ(DecimalFormatter::string(2.50, 2), "2.5");
    EXPECT_EQ(DecimalFormatter::string(7, 2), "7");
    EXPECT_EQ(DecimalFormatter::string(2.5), "2"); // half to even
    EXPECT_EQ(DecimalFormatter::string(3.5), "4");
    EXPECT_EQ(DecimalFormatter::string(1234567.25, 1), "1234567.2"); // no grouping
    EXPECT_EQ(DecimalFormatter::string(1.5f, 3), "1.5");
    EXPECT_EQ(DecimalFormatter::string(1.5, -3), "2");
}

TEST(DecimalFormatter, EveryIntegerWidth)
{
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(DecimalFormatter::string(std::numeric_limits<std::int64_t>::min()),
              "-9223372036854775808");
    EXPECT_EQ(DecimalFormatter::string(std::numeric_limits<std::uint64_t>::max()),
              "18446744073709551615");
    EXPECT_EQ(DecimalFormatter::string(std::numeric_limits<std::uint32_t>::max()), "4294967295");
    EXPECT_EQ(DecimalFormatter::string(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(DecimalFormatter::string(std::uint8_t{255}), "255");
}

TEST(DecimalFormatter, LocaleDecimalSeparator)
{
    LocaleScope german(QStringLiteral("de_DE"));
    EXPECT_EQ(DecimalFormatter::string(3.14159, 2), "3,14");
    EXPECT_EQ(DecimalFormatter::string(1234567.0), "1234567");
}
