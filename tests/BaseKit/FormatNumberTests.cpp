#include "BaseKit/FormatNumber.h"

#include "Support/LocaleScope.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

using BaseKit::formatNumber;
using BaseKit::formatPercent;

TEST(FormatNumber, CutsTowardZeroOnTheDecimalText)
{
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(formatNumber(2.96, 1), "2.9");
    EXPECT_EQ(formatNumber(-2.96, 1), "-2.9");
    EXPECT_EQ(formatNumber(87.96, 1), "87.9");
    EXPECT_EQ(formatNumber(0.3, 1), "0.3");
    // Cutting the binary value would give 0.28, 4.34 and 1.14.
    EXPECT_EQ(formatNumber(0.29, 2), "0.29");
    EXPECT_EQ(formatNumber(4.35, 2), "4.35");
    EXPECT_EQ(formatNumber(1.15, 2), "1.15");
    EXPECT_EQ(formatNumber(0.1 + 0.2, 1), "0.3");
    EXPECT_EQ(formatNumber(99.99999, 2), "99.99");
}

TEST(FormatNumber, ExactDigitCountWithoutGrouping)
{
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(formatNumber(3, 2), "3.00");
    EXPECT_EQ(formatNumber(7.99, 0), "7");
    EXPECT_EQ(formatNumber(12345.6, 1), "12345.6");
    EXPECT_EQ(formatNumber(1234567.891, 3), "1234567.891");
    EXPECT_EQ(formatNumber(0, 5), "0.00000");
}

TEST(FormatNumber, FollowsTheCurrentLocale)
{
    {
        LocaleScope german(QStringLiteral("de_DE"));
        EXPECT_EQ(formatNumber(0.29, 2), "0,29");
        EXPECT_EQ(formatNumber(21.55, 1), "21,5");
        EXPECT_EQ(formatNumber(12345.6, 1), "12345,6");
    }
    LocaleScope english(QStringLiteral("en_GB"));
    EXPECT_EQ(formatNumber(21.55, 1), "21.5");
}

TEST(FormatNumber, IgnoresTheCNumericLocale)
{
    // The C library's numeric locale (set by the application from the environment) plays no part.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 not generated on this machine";
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(formatNumber(1.55, 1), "1.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatNumber, FailureGivesTheDash)
{
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), 1), "-");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), 1), "-");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), 1), "-");
    EXPECT_EQ(formatNumber(1.5, -1), "-");
    EXPECT_EQ(formatNumber(1.5, 1000), "-");
}

TEST(FormatPercent, AppendsBlankAndPercentSign)
{
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(formatPercent(42.19, 1), "42.1 %");
    EXPECT_EQ(formatPercent(std::numeric_limits<double>::quiet_NaN(), 1), "- %");
}
