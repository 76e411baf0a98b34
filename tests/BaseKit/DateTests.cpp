#include "BaseKit/Dates/Date.h"
#include "BaseKit/Dates/Month.h"
#include "BaseKit/ModuleStrings.h"
#include "Platform/Files/Bundles.h"

#include "DateTestEnvironment.h"

#include <cmath>

using BaseKit::Date;
using BaseKit::DateStyle;
using BaseKit::Day;
using BaseKit::Month;

// Now is Thursday 2024-03-07 14:05:09.123 in Europe/Berlin (UTC+1), locale en_US.

TEST_F(DateTest, PatternTextsInEnglishAndGerman)
{
    const Date now = Date::now(dates);
    EXPECT_EQ(now.logTimestampText(dates), q("2024-03-07 14:05:09.123"));
    EXPECT_EQ(now.isoDayText(dates), q("2024-03-07"));
    EXPECT_EQ(now.yearMonthText(dates), q("2024-03"));
    EXPECT_EQ(now.weekdayShortText(dates), q("Thu"));
    EXPECT_EQ(Date::weekdayText(dates, now), q("Thursday"));
    EXPECT_EQ(Date::monthStandaloneText(dates, now), q("March"));
    EXPECT_EQ(Date::monthStandaloneShortText(dates, now), q("Mar"));
    EXPECT_EQ(now.monthText(dates), q("March"));

    setLocale("de_DE");
    EXPECT_EQ(now.logTimestampText(dates), q("2024-03-07 14:05:09.123"));
    EXPECT_EQ(now.weekdayShortText(dates), q("Do."));
    EXPECT_EQ(Date::weekdayText(dates, now), q("Donnerstag"));
    EXPECT_EQ(Date::monthStandaloneText(dates, now), q("März"));
    EXPECT_EQ(Date::monthStandaloneShortText(dates, now), q("Mär"));
    EXPECT_EQ(now.monthText(dates), q("März"));
    EXPECT_EQ(Date(local(2024, 1, 7, 12)).monthShortText(dates), q("Jan"));
}

TEST_F(DateTest, StyleTextsInEnglishAndGerman)
{
    const Date now = Date::now(dates);
    EXPECT_EQ(now.string(dates, DateStyle::Short, DateStyle::Medium), q("3/7/24, 2:05:09\u202FPM"));
    EXPECT_EQ(now.shortDateText(dates), q("3/7/24"));
    EXPECT_EQ(now.timeText(dates), q("2:05:09\u202FPM"));
    EXPECT_EQ(now.string(dates, DateStyle::None, DateStyle::None), QString());
    setLocale("de_DE");
    EXPECT_EQ(now.string(dates, DateStyle::Short, DateStyle::Medium), q("07.03.24, 14:05:09"));
    EXPECT_EQ(now.string(dates, DateStyle::Long, DateStyle::None), q("7. März 2024"));
    EXPECT_EQ(now.timeText(dates), q("14:05:09"));
}

TEST_F(DateTest, TextsFollowTheTimeZone)
{
    const Date moment(local(2024, 3, 7, 0, 30));
    EXPECT_EQ(moment.isoDayText(dates), q("2024-03-07"));
    dates.timeZoneId = QStringLiteral("America/New_York");
    EXPECT_EQ(moment.logTimestampText(dates), q("2024-03-06 18:30:00.000"));
    EXPECT_EQ(moment.day(dates), 6);
}

TEST_F(DateTest, FieldsAndConstruction)
{
    EXPECT_EQ(Date::todayText(dates), q("2024-3-7"));
    const Date now = Date::now(dates);
    EXPECT_EQ(now.year(dates), 2024);
    EXPECT_EQ(now.month(dates), 3);
    EXPECT_EQ(now.day(dates), 7);
    EXPECT_EQ(Date(dates, 7, 3, 2024, 14, 5, 9).timestamp(), local(2024, 3, 7, 14, 5, 9));
    EXPECT_TRUE(now.isSameDay(dates, 7, 3));
    EXPECT_FALSE(now.isSameDay(dates, 3, 7));
    EXPECT_EQ(Date(local(2024, 1, 31, 10)).addingMonths(dates, 1).isoDayText(dates), q("2024-02-29"));
    EXPECT_EQ(now.addingYears(dates, -1).isoDayText(dates), q("2023-03-07"));
    EXPECT_EQ(now.addingWeeks(dates, 2).isoDayText(dates), q("2024-03-21"));
}

TEST_F(DateTest, RelativeText)
{
    const auto ago = [this](double seconds) { return Date::relativeText(dates, Date(m_now - seconds)); };
    EXPECT_EQ(ago(0), q("0 seconds ago"));
    EXPECT_EQ(ago(59.9), q("59 seconds ago"));
    EXPECT_EQ(ago(60), q("a minute ago"));
    EXPECT_EQ(ago(119.9), q("a minute ago"));
    EXPECT_EQ(ago(120), q("2 minutes ago"));
    EXPECT_EQ(ago(3599), q("59 minutes ago"));
    EXPECT_EQ(ago(3600), q("an hour ago"));
    EXPECT_EQ(ago(7200), q("2 hours ago"));
    EXPECT_EQ(ago(86399), q("23 hours ago"));
    EXPECT_EQ(ago(86400), q("Yesterday"));
    EXPECT_EQ(ago(172799), q("Yesterday"));
    EXPECT_EQ(ago(172800), q("2 days ago"));
    EXPECT_EQ(ago(1e12), q("11574074 days ago"));
}

TEST_F(DateTest, RelativeTextOfTheFutureAndOfNoNumber)
{
    EXPECT_EQ(Date::relativeText(dates, Date(m_now + 30)), q("0 seconds ago"));
    EXPECT_EQ(Date::relativeText(dates, Date(m_now + 1e300)), q("0 seconds ago"));
    EXPECT_EQ(Date::relativeText(dates, Date(std::nan(""))), q("-"));
}

TEST_F(DateTest, RelativeTextInGerman)
{
    const QString translations =
        Platform::Bundles::program().resourcePath(QStringLiteral("BaseKit"), QStringLiteral("translations"));
    const BaseKit::ModuleStrings german(QStringLiteral("BaseKit"), translations, {QStringLiteral("de")});
    dates.words = [&german](const QString& key) { return german.text(key); };
    setLocale("de_DE");
    EXPECT_EQ(Date::relativeText(dates, Date(m_now - 45)), q("vor 45 Sekunden"));
    EXPECT_EQ(Date::relativeText(dates, Date(m_now - 3 * 86400 - 5)), q("vor 3 Tagen"));
    setNow(local(2024, 3, 7, 0, 10));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 3, 6, 23, 50)), q("Gestern um 23:50"));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 3, 7, 0, 5)), q("Heute um 00:05"));
}

TEST_F(DateTest, TodayAtAroundMidnight)
{
    setNow(local(2024, 3, 7, 0, 0, 30));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 3, 7, 0, 0, 0)), q("Today at 12:00\u202FAM"));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 3, 6, 23, 59, 59)), q("Yesterday at 11:59\u202FPM"));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 3, 6, 0, 0, 0)), q("Yesterday at 12:00\u202FAM"));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 3, 5, 23, 59, 59)), q("3/5/24, 11:59\u202FPM"));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 3, 8, 0, 0, 0)), q("3/8/24, 12:00\u202FAM"));

    // Late in a summer evening (UTC+2) the moment is still today, in the local time.
    setLocale("de_DE");
    setNow(local(2024, 7, 10, 23, 30));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 7, 10, 23, 10)), q("Today at 23:10"));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 7, 9, 22, 0)), q("Yesterday at 22:00"));
    EXPECT_EQ(Date::todayAtText(dates, local(2024, 7, 8, 23, 59)), q("08.07.24, 23:59"));
}

TEST_F(DateTest, ContainsTheWholeDay)
{
    const Date now = Date::now(dates);
    EXPECT_TRUE(now.contains(dates, local(2024, 3, 7)));
    EXPECT_TRUE(now.contains(dates, local(2024, 3, 7, 23, 59, 59)));
    EXPECT_TRUE(now.contains(dates, local(2024, 3, 7, 23, 59, 59) + 0.5));
    EXPECT_FALSE(now.contains(dates, local(2024, 3, 8)));
    EXPECT_FALSE(now.contains(dates, local(2024, 3, 7) - 0.001));
}

TEST_F(DateTest, WeekStartsOnMondayInEveryLocale)
{
    // Sunday 2024-03-10: the week began on Monday 4 March, also in a Sunday-first locale.
    setNow(local(2024, 3, 10, 15));
    EXPECT_EQ(Date::weekdayIndex(dates), 6);
    EXPECT_EQ(Date::startOfWeek(dates), local(2024, 3, 4));
    EXPECT_EQ(Date::endOfWeek(dates), local(2024, 3, 10, 23, 59, 59));
    EXPECT_EQ(Date::startOfLastWeek(dates), local(2024, 2, 26));
    EXPECT_EQ(Date::endOfLastWeek(dates), local(2024, 3, 3, 23, 59, 59));
    EXPECT_EQ(Date::startOfCurrentWeek(dates).timestamp(), local(2024, 3, 4));
    EXPECT_EQ(Date(local(2024, 3, 5, 9)).endOfWeekDate(dates).timestamp(), local(2024, 3, 10));
    EXPECT_EQ(Date::weekRangeText(dates, 0), q("3/4/24 - 3/10/24"));
    EXPECT_EQ(Date::weekRangeText(dates, 1), q("2/26/24 - 3/3/24"));

    setNow(local(2024, 3, 11, 0, 0, 0));
    EXPECT_EQ(Date::weekdayIndex(dates), 0);
    EXPECT_EQ(Date::startOfWeek(dates), local(2024, 3, 11));
}

TEST_F(DateTest, NamesStartOnMonday)
{
    EXPECT_EQ(Date::weekdayNames(dates),
              QStringList({q("Monday"), q("Tuesday"), q("Wednesday"), q("Thursday"), q("Friday"), q("Saturday"),
                           q("Sunday")}));
    EXPECT_EQ(Date::weekdayInitials(dates), QStringList({q("M"), q("T"), q("W"), q("T"), q("F"), q("S"), q("S")}));
    EXPECT_EQ(Date::monthNames(dates).size(), 12);
    EXPECT_EQ(Date::monthNames(dates).first(), q("Jan"));
    EXPECT_EQ(Date::monthNames(dates).last(), q("Dec"));
    EXPECT_EQ(Date::monthName(dates, 5), q("May"));
    EXPECT_FALSE(Date::monthName(dates, 0).has_value());
    EXPECT_FALSE(Date::monthName(dates, 13).has_value());
    setLocale("de_DE");
    EXPECT_EQ(Date::weekdayNames(dates).first(), q("Montag"));
    EXPECT_EQ(Date::weekdayInitials(dates).last(), q("S"));
    EXPECT_EQ(Date::monthName(dates, 3), q("März"));
    EXPECT_EQ(BaseKit::monthShortName(dates, Month::december), q("Dez"));
}

TEST_F(DateTest, DayBoundsOfNow)
{
    EXPECT_EQ(Date::startOfToday(dates), local(2024, 3, 7));
    EXPECT_EQ(Date::todayStartTimestamp(dates), local(2024, 3, 7));
    EXPECT_EQ(Date::todayEndTimestamp(dates), local(2024, 3, 7, 23, 59, 59));
    EXPECT_EQ(Date::startOfYesterday(dates), local(2024, 3, 6));
    EXPECT_EQ(Date::endOfYesterday(dates), local(2024, 3, 6, 23, 59, 59));
    EXPECT_EQ(Date::yesterdayStartTimestamp(dates), local(2024, 3, 6));
    EXPECT_EQ(Date::yesterdayEndTimestamp(dates), local(2024, 3, 6, 23, 59, 59));
    // The second is zero, not the minute again.
    EXPECT_EQ(Date::todayTimestamp(dates, 8, 30), local(2024, 3, 7, 8, 30, 0));
    EXPECT_EQ(Date::timestamp(dates, 2024, 5, 6, 8, 30), local(2024, 6, 5, 8, 30, 0));
    EXPECT_EQ(Date::weekAheadTimestamp(dates), m_now + 604800);
    EXPECT_EQ(Date::fourWeeksAheadTimestamp(dates), m_now + 2419200);
    EXPECT_EQ(Date::weekAgoTimestamp(dates), m_now - 604800);
}

TEST_F(DateTest, MonthAndYearBounds)
{
    EXPECT_EQ(Date::startOfMonthTimestamp(dates), local(2024, 3, 1));
    EXPECT_EQ(Date::endOfMonthTimestamp(dates), local(2024, 3, 31, 23, 59, 59));
    EXPECT_EQ(Date::startOfLastMonth(dates), local(2024, 2, 1));
    EXPECT_EQ(Date::endOfLastMonth(dates), local(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(Date::now(dates).startOfMonth(dates).timestamp(), local(2024, 3, 1));
    EXPECT_EQ(Date::now(dates).endOfMonth(dates).timestamp(), local(2024, 3, 31));
    EXPECT_EQ(Date::startOfPreviousMonth(dates).timestamp(), local(2024, 2, 1));
    // The year begins at midnight, so the morning of 1 January belongs to it.
    EXPECT_EQ(Date::startOfYear(dates).timestamp(), local(2024, 1, 1));
    EXPECT_EQ(Date::endOfYear(dates).timestamp(), local(2024, 12, 31, 23, 59, 59));
    EXPECT_EQ(Date::startOfLastYear(dates).timestamp(), local(2023, 1, 1));
    EXPECT_EQ(Date::endOfLastYear(dates).timestamp(), local(2023, 12, 31, 23, 59, 59));
    EXPECT_EQ(Date::startOfYearTimestamp(dates, 2020), local(2020, 1, 1));
    EXPECT_EQ(Date::endOfYearTimestamp(dates, 2020), local(2020, 12, 31, 23, 59, 59));
}

TEST_F(DateTest, BoundsAcrossTheSpringChange)
{
    // Europe/Berlin moves from 02:00 to 03:00 on Sunday 2024-03-31: that day has 23 hours.
    setNow(local(2024, 4, 1, 12));
    EXPECT_EQ(Date::startOfYesterday(dates), local(2024, 3, 31));
    EXPECT_EQ(Date::startOfToday(dates) - Date::startOfYesterday(dates), 23 * 3600);
    EXPECT_EQ(Date::yesterdayEndTimestamp(dates), local(2024, 3, 31, 23, 59, 59));
    EXPECT_EQ(Date::startOfLastWeek(dates), local(2024, 3, 25));
    EXPECT_EQ(Date::endOfLastWeek(dates), local(2024, 3, 31, 23, 59, 59));

    const auto days = Date::dayRangesOfWeek(dates, 1);
    ASSERT_EQ(days.size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(wallClock(days[i].first).date(), QDate(2024, 3, 25 + i));
        EXPECT_EQ(wallClock(days[i].first).time(), QTime(0, 0));
        EXPECT_EQ(wallClock(days[i].second).time(), QTime(23, 59, 59));
    }
    EXPECT_EQ(days[6].second - days[6].first, 23 * 3600 - 1);

    setNow(local(2024, 3, 27, 12));
    EXPECT_EQ(Date::endOfWeek(dates), local(2024, 3, 31, 23, 59, 59));
    EXPECT_EQ(Date::weekdayNames(dates).last(), q("Sunday"));
    EXPECT_TRUE(Date(local(2024, 3, 31, 12)).contains(dates, local(2024, 3, 31, 23, 30)));
}

TEST_F(DateTest, BoundsAcrossTheAutumnChange)
{
    // 2024-10-27 has 25 hours.
    setNow(local(2024, 10, 28, 9));
    EXPECT_EQ(Date::startOfYesterday(dates), local(2024, 10, 27));
    EXPECT_EQ(Date::startOfToday(dates) - Date::startOfYesterday(dates), 25 * 3600);
    const auto days = Date::dayRangesOfMonth(dates, 0);
    ASSERT_EQ(days.size(), 31);
    EXPECT_EQ(days[26].second - days[26].first, 25 * 3600 - 1);
    EXPECT_EQ(days[27].first, local(2024, 10, 28));
    EXPECT_EQ(Date::dayNumbersOfMonth(dates, 0).at(27), q("28"));
}

TEST_F(DateTest, PeriodLists)
{
    const auto months = Date::monthRangesOfYear(dates, 0);
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months.first().first, local(2024, 1, 1));
    EXPECT_EQ(months[1].first, local(2024, 2, 1));
    EXPECT_EQ(months[1].second, local(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(months.last().second, local(2024, 12, 31, 23, 59, 59));
    EXPECT_EQ(Date::monthRangesOfYear(dates, 1).first().first, local(2023, 1, 1));

    const auto february = Date::dayRangesOfMonth(dates, 1);
    ASSERT_EQ(february.size(), 29);
    EXPECT_EQ(february.first().first, local(2024, 2, 1));
    EXPECT_EQ(february.last().second, local(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(Date::dayNumbersOfMonth(dates, 1).first(), q("01"));
    EXPECT_EQ(Date::dayNumbersOfMonth(dates, 1).last(), q("29"));

    const auto ends = Date::monthEndTimestamps(dates);
    ASSERT_EQ(ends.size(), 12);
    EXPECT_EQ(ends.last(), local(2024, 3, 7, 23, 59, 59));
    EXPECT_EQ(ends.first(), local(2023, 4, 7, 23, 59, 59));

    EXPECT_EQ(Date::monthShortNamesOfYear(dates).size(), 12);
    EXPECT_EQ(Date::monthShortNamesOfYear(dates).at(8), q("Sep"));
    EXPECT_EQ(Date::monthYearText(dates, 1), q("February 2024"));
    EXPECT_EQ(Date::monthYearText(dates, 3), q("December 2023"));
    EXPECT_EQ(Date::yearText(dates, 1), q("2023"));
    setLocale("de_DE");
    EXPECT_EQ(Date::monthYearText(dates, 0), q("März 2024"));
}

TEST_F(DateTest, CountsFarBackDoNotOverflow)
{
    EXPECT_EQ(Date::dayRangesOfWeek(dates, INT_MIN).size(), 7);
    EXPECT_FALSE(Date::yearText(dates, INT_MIN).isEmpty());
    EXPECT_LE(Date::dayRangesOfMonth(dates, INT_MIN).size(), 31);
}

TEST_F(DateTest, CalendarFacts)
{
    EXPECT_EQ(Date::daysInYear(dates, 2024), 366);
    EXPECT_EQ(Date::daysInYear(dates, 2023), 365);
    EXPECT_EQ(Date::daysInMonth(dates, 2024, 2), 29);
    EXPECT_EQ(Date::daysInMonth(dates, 2100, 2), 28);
    EXPECT_EQ(Date::daysInMonth(dates, 2024, 13), 0);
    EXPECT_EQ(Date::now(dates).daysInMonth(dates), 31);
    EXPECT_EQ(Date::firstDayOfMonth(dates, 2024, 2).timestamp(), local(2024, 2, 1));
    EXPECT_EQ(Date::firstWeekdayOfMonth(dates, 2024, 7), Day::monday);
    EXPECT_EQ(Date::firstWeekdayOfMonth(dates, 2024, 9), Day::sunday);
    EXPECT_EQ(Date::weeksInMonth(dates, 2024, 7), 5);   // 31 days from a Monday
    EXPECT_EQ(Date::weeksInMonth(dates, 2024, 9), 6);   // 30 days from a Sunday
    EXPECT_EQ(Date::weeksInMonth(dates, 2021, 2), 4);   // 28 days from a Monday
    EXPECT_EQ(Date::daysSince(dates, local(2024, 3, 1, 23, 59)), 6);
    EXPECT_EQ(Date::daysSince(dates, m_now), 0);
    EXPECT_FALSE(Date::daysSince(dates, std::nan("")).has_value());
}

TEST_F(DateTest, GregorianFieldsOfMoments)
{
    EXPECT_EQ(Date::dayOfMonth(dates, local(2024, 3, 7, 23, 59)), 7);
    EXPECT_EQ(BaseKit::dayFromTimestamp(dates, m_now), Day::thursday);
    EXPECT_EQ(BaseKit::monthFromTimestamp(dates, m_now), Month::march);
    EXPECT_TRUE(Date::isNextDay(dates, local(2024, 3, 6, 23, 59), local(2024, 3, 7, 0, 1)));
    EXPECT_FALSE(Date::isNextDay(dates, local(2024, 3, 7, 0, 1), local(2024, 3, 7, 23, 59)));
    EXPECT_FALSE(Date::isNextDay(dates, local(2024, 3, 6), local(2024, 3, 8)));
    EXPECT_TRUE(Date::isNextDay(dates, local(2024, 3, 30, 12), local(2024, 3, 31, 12)));
    EXPECT_EQ(Date::daysBetween(dates, local(2024, 3, 1), local(2024, 3, 7)), 7);
    EXPECT_EQ(Date::daysBetween(dates, local(2024, 3, 7), local(2024, 3, 7, 12)), 1);
}

TEST(DayAndMonth, RawValues)
{
    EXPECT_EQ(BaseKit::dayFromRawValue(1), Day::sunday);
    EXPECT_EQ(BaseKit::dayFromRawValue(2), Day::monday);
    EXPECT_EQ(BaseKit::dayFromRawValue(7), Day::saturday);
    EXPECT_FALSE(BaseKit::dayFromRawValue(0).has_value());
    EXPECT_FALSE(BaseKit::dayFromRawValue(8).has_value());
    EXPECT_EQ(BaseKit::dayIndex(Day::monday), 0);
    EXPECT_EQ(BaseKit::dayIndex(Day::sunday), 6);
    EXPECT_EQ(BaseKit::monthFromRawValue(1), Month::january);
    EXPECT_EQ(BaseKit::monthFromRawValue(12), Month::december);
    EXPECT_FALSE(BaseKit::monthFromRawValue(0).has_value());
    EXPECT_FALSE(BaseKit::monthFromRawValue(13).has_value());
    ASSERT_EQ(BaseKit::allMonths().size(), 12);
    EXPECT_EQ(BaseKit::allMonths().first(), Month::january);
    EXPECT_EQ(BaseKit::allMonths().last(), Month::december);
}
