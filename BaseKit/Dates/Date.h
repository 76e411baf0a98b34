#pragma once

#include "BaseKit/Dates/Day.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace BaseKit {

struct DateEnvironment;

// The styles of a locale's date and time texts.
enum class DateStyle { None, Short, Medium, Long, Full };

// A start and an end, in seconds since 1970.
using TimestampRange = std::pair<double, double>;

// A moment in time, seconds since 1970-01-01 00:00:00 UTC, and the calendar vocabulary around it:
// pattern and style texts, relative texts, boundaries of days, weeks, months and years, calendar
// arithmetic and names. Everything is computed at the call from the given environment's clock, locale
// and time zone, with ICU's calendar of that locale; weeks start on Monday. Day and week boundaries are
// found through the calendar, so they hold across daylight-saving changes.
class Date {
public:
    explicit Date(double timestamp) : m_timestamp(timestamp) {}
    explicit Date(const QDateTime& dateTime);
    // The moment of these calendar fields in the environment's calendar and time zone.
    Date(const DateEnvironment& environment, int day, int month, int year, int hour, int minute, int second);

    // The environment's now.
    static Date now(const DateEnvironment& environment);
    double timestamp() const { return m_timestamp; }
    QDateTime toDateTime() const;
    bool operator==(const Date& other) const = default;

    // Fixed patterns in the environment's locale and time zone.
    QString logTimestampText(const DateEnvironment& environment) const;   // "yyyy-MM-dd HH:mm:ss.SSS"
    QString isoDayText(const DateEnvironment& environment) const;         // "yyyy-MM-dd"
    QString yearMonthText(const DateEnvironment& environment) const;      // "yyyy-MM"
    QString weekdayShortText(const DateEnvironment& environment) const;   // "EEE"
    static QString weekdayText(const DateEnvironment& environment, const Date& date);               // "EEEE"
    static QString monthStandaloneText(const DateEnvironment& environment, const Date& date);       // "LLLL"
    static QString monthStandaloneShortText(const DateEnvironment& environment, const Date& date);  // "LLL"
    // The locale's own patterns for a full and an abbreviated month.
    QString monthText(const DateEnvironment& environment) const;
    QString monthShortText(const DateEnvironment& environment) const;
    // The locale's styles.
    QString timeText(const DateEnvironment& environment) const;       // medium time
    QString shortDateText(const DateEnvironment& environment) const;  // short date
    QString string(const DateEnvironment& environment, DateStyle dateStyle, DateStyle timeStyle) const;

    // Year, month and day of now as plain numbers ("2024-3-7").
    static QString todayText(const DateEnvironment& environment);

    // Calendar fields of this date.
    int year(const DateEnvironment& environment) const;
    int month(const DateEnvironment& environment) const;
    int day(const DateEnvironment& environment) const;

    // Calendar arithmetic; a negative count goes back.
    Date addingDays(const DateEnvironment& environment, int days) const;
    Date addingWeeks(const DateEnvironment& environment, int weeks) const;
    Date addingMonths(const DateEnvironment& environment, int months) const;
    Date addingYears(const DateEnvironment& environment, int years) const;

    // "5 seconds ago", "yesterday", "3 days ago"; "-" for a date that is not a number. A date in
    // the future counts as 0 seconds ago.
    static QString relativeText(const DateEnvironment& environment, const Date& date);
    // "Today at 14:05", "Yesterday at 23:10", else the short date and time.
    static QString todayAtText(const DateEnvironment& environment, double timestamp);

    // True when the moment lies in this date's day.
    bool contains(const DateEnvironment& environment, double timestamp) const;
    bool isSameDay(const DateEnvironment& environment, int day, int month) const;
    // Weekday of now: Monday 0 … Sunday 6.
    static int weekdayIndex(const DateEnvironment& environment);

    // Boundaries around now, in seconds since 1970.
    static double startOfToday(const DateEnvironment& environment);
    static double startOfYesterday(const DateEnvironment& environment);
    static double endOfYesterday(const DateEnvironment& environment);
    static double todayTimestamp(const DateEnvironment& environment, int hour, int minute, int second = 0);
    static double todayStartTimestamp(const DateEnvironment& environment);
    static double todayEndTimestamp(const DateEnvironment& environment);
    static double yesterdayStartTimestamp(const DateEnvironment& environment);
    static double yesterdayEndTimestamp(const DateEnvironment& environment);
    static double startOfWeek(const DateEnvironment& environment);
    static double endOfWeek(const DateEnvironment& environment);
    static double startOfLastWeek(const DateEnvironment& environment);
    static double endOfLastWeek(const DateEnvironment& environment);
    static double startOfMonthTimestamp(const DateEnvironment& environment);
    static double endOfMonthTimestamp(const DateEnvironment& environment);
    static double startOfLastMonth(const DateEnvironment& environment);
    static double endOfLastMonth(const DateEnvironment& environment);
    static Date startOfYear(const DateEnvironment& environment);
    static Date endOfYear(const DateEnvironment& environment);
    static Date startOfLastYear(const DateEnvironment& environment);
    static Date endOfLastYear(const DateEnvironment& environment);
    static double timestamp(const DateEnvironment& environment, int year, int day, int month, int hour, int minute,
                            int second = 0);
    static double startOfYearTimestamp(const DateEnvironment& environment, int year);
    static double endOfYearTimestamp(const DateEnvironment& environment, int year);
    static double weekAheadTimestamp(const DateEnvironment& environment);
    static double fourWeeksAheadTimestamp(const DateEnvironment& environment);
    static double weekAgoTimestamp(const DateEnvironment& environment);

    // Boundaries of this date, or of now for the static ones.
    Date startOfMonth(const DateEnvironment& environment) const;
    Date endOfMonth(const DateEnvironment& environment) const;  // the month's last day at 00:00
    static Date startOfPreviousMonth(const DateEnvironment& environment);
    static Date startOfCurrentWeek(const DateEnvironment& environment);
    Date endOfWeekDate(const DateEnvironment& environment) const;  // the Sunday of this date's week at 00:00

    // Names in the environment's locale, Monday first.
    static QStringList weekdayInitials(const DateEnvironment& environment);
    static QStringList weekdayNames(const DateEnvironment& environment);
    static QStringList monthNames(const DateEnvironment& environment);
    static std::optional<QString> monthName(const DateEnvironment& environment, int month);

    // "3/4/24 - 3/10/24": this week, `weeksBack` weeks back, in the short date style.
    static QString weekRangeText(const DateEnvironment& environment, int weeksBack);

    // Gregorian fields of moments.
    static int dayOfMonth(const DateEnvironment& environment, double timestamp);
    static bool isNextDay(const DateEnvironment& environment, double first, double second);
    static int daysBetween(const DateEnvironment& environment, double first, double second);

    // Calendar facts.
    static int daysInYear(const DateEnvironment& environment, int year);
    static int daysInMonth(const DateEnvironment& environment, int year, int month);
    int daysInMonth(const DateEnvironment& environment) const;
    static Date firstDayOfMonth(const DateEnvironment& environment, int year, int month);
    static Day firstWeekdayOfMonth(const DateEnvironment& environment, int year, int month);
    static int weeksInMonth(const DateEnvironment& environment, int year, int month);
    static std::optional<int> daysSince(const DateEnvironment& environment, double timestamp);

    // Period lists around now.
    static QList<TimestampRange> monthRangesOfYear(const DateEnvironment& environment, int yearsBack);
    static QList<TimestampRange> dayRangesOfMonth(const DateEnvironment& environment, int monthsBack);
    static QList<TimestampRange> dayRangesOfWeek(const DateEnvironment& environment, int weeksBack);
    static QList<double> monthEndTimestamps(const DateEnvironment& environment);
    static QStringList dayNumbersOfMonth(const DateEnvironment& environment, int monthsBack);
    static QStringList monthShortNamesOfYear(const DateEnvironment& environment);
    static QString monthYearText(const DateEnvironment& environment, int monthsBack);
    static QString yearText(const DateEnvironment& environment, int yearsBack);

private:
    double m_timestamp;
};

} // namespace BaseKit
