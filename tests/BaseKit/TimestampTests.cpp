#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Timestamp.h"

#include "Support/LocaleScope.h"

#include <QTimeZone>
#include <gtest/gtest.h>

#include <limits>

using BaseKit::Timestamp;

namespace {
// The program's own environment: the locale the test sets, the host's time zone.
const BaseKit::DateEnvironment program;
}

TEST(Timestamp, FromSecondsSince1970)
{
    EXPECT_EQ(Timestamp::date(0.0).toMSecsSinceEpoch(), 0);
    EXPECT_EQ(Timestamp::date(1700000000.25).toMSecsSinceEpoch(), 1700000000250);
    EXPECT_EQ(Timestamp::date(-86400.0).toMSecsSinceEpoch(), -86400000);
    EXPECT_FALSE(Timestamp::date(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_FALSE(Timestamp::date(1e300).isValid());
    const double before = Timestamp::now(BaseKit::DateEnvironment());
    EXPECT_GT(before, 1.6e9);
    EXPECT_LE(before, Timestamp::now(BaseKit::DateEnvironment()));
}

TEST(Timestamp, TextInAPattern)
{
    LocaleScope english(QStringLiteral("en_US"));
    const std::optional<QDateTime> date
        = Timestamp::date(program, QStringLiteral("2024-03-07 14:05"), QStringLiteral("yyyy-MM-dd HH:mm"));
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(date->date(), QDate(2024, 3, 7));
    EXPECT_EQ(date->time(), QTime(14, 5));

    const std::optional<QDateTime> named
        = Timestamp::date(program, QStringLiteral("7 March 2024"), QStringLiteral("d MMMM yyyy"));
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->date(), QDate(2024, 3, 7));
}

TEST(Timestamp, TextThatDoesNotParseGivesNoDate)
{
    LocaleScope english(QStringLiteral("en_US"));
    const QString pattern = QStringLiteral("yyyy-MM-dd");
    EXPECT_FALSE(Timestamp::date(program, QStringLiteral("not a date"), pattern).has_value());
    EXPECT_FALSE(Timestamp::date(program, QStringLiteral("2024-13-45"), pattern).has_value());
    EXPECT_FALSE(Timestamp::date(program, QStringLiteral("2024-03-07 trailing"), pattern).has_value());
    EXPECT_FALSE(Timestamp::date(program, QString(), pattern).has_value());
    EXPECT_FALSE(Timestamp::date(program, QStringLiteral("2024-03-07"), QString()).has_value());
}

TEST(Timestamp, TextIsReadInTheDateEnvironmentsTimeZone)
{
    BaseKit::DateEnvironment tokyo;
    tokyo.timeZoneId = QStringLiteral("Asia/Tokyo");
    const std::optional<QDateTime> date
        = Timestamp::date(tokyo, QStringLiteral("2024-03-07 09:00"), QStringLiteral("yyyy-MM-dd HH:mm"));
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(date->toUTC(), QDateTime(QDate(2024, 3, 7), QTime(0, 0), QTimeZone::utc()));
}
