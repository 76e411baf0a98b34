#include "BaseKit/Dates/Duration.h"
#include "BaseKit/Dates/Time.h"
#include "BaseKit/ModuleStrings.h"
#include "Platform/Files/Bundles.h"

#include "DateTestEnvironment.h"

#include <cmath>
#include <limits>

using BaseKit::Duration;
using BaseKit::Time;
using BaseKit::UnitDuration;

TEST(DurationText, FieldsFromZeroToDays)
{
    EXPECT_EQ(Duration::durationText(0), q("00:00:00:00"));
    EXPECT_EQ(Duration::durationText(59), q("00:00:00:59"));
    EXPECT_EQ(Duration::durationText(61), q("00:00:01:01"));
    EXPECT_EQ(Duration::durationText(3600), q("00:01:00:00"));
    EXPECT_EQ(Duration::durationText(86399), q("00:23:59:59"));
    EXPECT_EQ(Duration::durationText(86400), q("01:00:00:00"));
    EXPECT_EQ(Duration::durationText(90061), q("01:01:01:01"));
    EXPECT_EQ(Duration::durationText(100 * 86400 + 5), q("100:00:00:05"));
}

TEST(DurationText, NegativeAndHugeDurationsKeepEveryDigit)
{
    EXPECT_EQ(Duration::durationText(-61), q("00:00:-1:-1"));
    EXPECT_EQ(Duration::durationText(-90061), q("-1:-1:-1:-1"));
    // 64-bit counts are not cut to 32 bits.
    EXPECT_EQ(Duration::durationText(std::int64_t(3000000000)), q("34722:05:20:00"));
    EXPECT_EQ(Duration::durationText(std::numeric_limits<std::int64_t>::max()), q("106751991167300:15:30:07"));
    EXPECT_EQ(Duration::durationText(std::numeric_limits<std::int64_t>::min()), q("-106751991167300:-15:-30:-8"));
    EXPECT_EQ(Duration::durationText(std::numeric_limits<std::uint64_t>::max()), q("106751991167300:15:30:07"));
}

TEST(DurationText, RealValuesAreCutTowardZero)
{
    EXPECT_EQ(Duration::durationText(90061.99), q("01:01:01:01"));
    EXPECT_EQ(Duration::durationText(-59.9), q("00:00:00:-59"));
    EXPECT_EQ(Duration::durationText(0.999), q("00:00:00:00"));
    EXPECT_EQ(Duration::durationText(std::nan("")), q("-"));
    EXPECT_EQ(Duration::durationText(std::numeric_limits<double>::infinity()), q("-"));
    EXPECT_EQ(Duration::durationText(1e19), q("-"));
    EXPECT_EQ(Duration::durationText(-9223372036854775808.0), q("-106751991167300:-15:-30:-8"));
}

TEST(HoursMinutesText, Thresholds)
{
    EXPECT_EQ(Duration::hoursMinutesText(59), q("0h 0m"));
    EXPECT_EQ(Duration::hoursMinutesText(60), q("1m"));
    EXPECT_EQ(Duration::hoursMinutesText(3599), q("59m"));
    EXPECT_EQ(Duration::hoursMinutesText(3600), q("1h 0m"));
    EXPECT_EQ(Duration::hoursMinutesText(5400), q("1h 30m"));
    EXPECT_EQ(Duration::hoursMinutesText(-5400), q("-1h -30m"));
    EXPECT_EQ(Duration::hoursMinutesText(360000), q("100h 0m"));
}

TEST(HoursMinutesText, AbsentAndRealValues)
{
    EXPECT_EQ(Duration::hoursMinutesText(std::optional<std::int64_t>()), q("0h 0m"));
    EXPECT_EQ(Duration::hoursMinutesText(std::optional<double>()), q("0m"));
    // The battery's average time to empty: minutes × 60.
    EXPECT_EQ(Duration::hoursMinutesText(95.0 * 60.0), q("1h 35m"));
    EXPECT_EQ(Duration::hoursMinutesText(3599.9), q("59m"));
    EXPECT_EQ(Duration::hoursMinutesText(std::nan("")), q("-"));
}

TEST(ClockText, CompactAndFull)
{
    EXPECT_EQ(Duration::clockText(0, true), q("0 s"));
    EXPECT_EQ(Duration::clockText(5, true), q("05s"));
    EXPECT_EQ(Duration::clockText(65, true), q("01m 05s"));
    EXPECT_EQ(Duration::clockText(3661, true), q("01h 01m 01s"));
    EXPECT_EQ(Duration::clockText(5, false), q("00h 00m 05s"));
    EXPECT_EQ(Duration::clockText(0, false), q("00h 00m 00s"));
    EXPECT_EQ(Duration::clockText(65.7), q("01m 05s"));
}

TEST(ClockText, DaysCountAsHours)
{
    EXPECT_EQ(Duration::clockText(26 * 3600, true), q("26h 00m 00s"));
    EXPECT_EQ(Duration::clockText(86400, false), q("24h 00m 00s"));
    EXPECT_EQ(Duration::clockText(86400 + 5, true), q("24h 00m 05s"));
}

TEST_F(DateTest, SpokenDurationTakesTheHoursFromAnHourOn)
{
    EXPECT_EQ(Duration::spokenDurationText(dates, 0), q("0 seconds"));
    EXPECT_EQ(Duration::spokenDurationText(dates, 59), q("59 seconds"));
    EXPECT_EQ(Duration::spokenDurationText(dates, 60), q("1 minutes 0 seconds"));
    EXPECT_EQ(Duration::spokenDurationText(dates, 3599), q("59 minutes 59 seconds"));
    EXPECT_EQ(Duration::spokenDurationText(dates, 3600), q("1 hours 0 minutes"));
    EXPECT_EQ(Duration::spokenDurationText(dates, 7325), q("2 hours 2 minutes"));
    EXPECT_EQ(Duration::spokenDurationText(dates, -5), q("-5 seconds"));
}

TEST_F(DateTest, SpokenDurationInTheLibraryTablesWords)
{
    const QString translations =
        Platform::Bundles::program().resourcePath(QStringLiteral("BaseKit"), QStringLiteral("translations"));
    const BaseKit::ModuleStrings german(QStringLiteral("BaseKit"), translations, {QStringLiteral("de")});
    ASSERT_EQ(german.language(), QStringLiteral("de"));
    dates.words = [&german](const QString& key) { return german.text(key); };
    EXPECT_EQ(Duration::spokenDurationText(dates, 61), q("1 Minuten 1 Sekunden"));
    EXPECT_EQ(Duration::spokenDurationText(dates, 7200), q("2 Stunden 0 Minuten"));

    const BaseKit::ModuleStrings none(QStringLiteral("BaseKit"), QString(), {QStringLiteral("de")});
    dates.words = [&none](const QString& key) { return none.text(key); };
    EXPECT_EQ(Duration::spokenDurationText(dates, 5), q("5 SECONDS"));
}

TEST_F(DateTest, ElapsedTextIsPositional)
{
    EXPECT_EQ(Time::elapsedText(dates, 0), q("0:00:00"));
    EXPECT_EQ(Time::elapsedText(dates, 5'999'999'999ull), q("0:00:05"));
    EXPECT_EQ(Time::elapsedText(dates, 3661'000'000'000ull), q("1:01:01"));
    setLocale("de_DE");
    EXPECT_EQ(Time::elapsedText(dates, 3661'000'000'000ull), q("1:01:01"));
}

TEST_F(DateTest, MeasurementTextConvertsUnits)
{
    EXPECT_EQ(Time::measurementText(dates, std::uint64_t(90), UnitDuration::seconds, UnitDuration::minutes),
              q("1.5 min"));
    EXPECT_EQ(Time::measurementText(dates, std::uint64_t(2), UnitDuration::hours, UnitDuration::minutes),
              q("120 min"));
    EXPECT_EQ(Time::measurementText(dates, std::int64_t(2), UnitDuration::hours, UnitDuration::minutes),
              Time::measurementText(dates, std::uint64_t(2), UnitDuration::hours, UnitDuration::minutes));
    EXPECT_EQ(Time::measurementText(dates, std::int64_t(-90), UnitDuration::seconds, UnitDuration::minutes),
              q("-1.5 min"));
    setLocale("de_DE");
    EXPECT_EQ(Time::measurementText(dates, std::uint64_t(90), UnitDuration::seconds, UnitDuration::minutes),
              q("1,5 Min."));
    EXPECT_EQ(Time::measurementText(dates, std::uint64_t(1500), UnitDuration::milliseconds, UnitDuration::seconds),
              q("1,5 Sek."));
}
