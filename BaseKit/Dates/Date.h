#pragma once

#include "BaseKit/Dates/Day.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace BaseKit {

// The styles of a locale's date and time texts.
enum class DateStyle { None, Short, Medium, Long, Full };

// A start and an end, in seconds since 1970.
using TimestampRange = std::pair<double, double>;

// A moment in time, seconds since 1970-01-01 00:00:00 UTC, and the calendar vocabulary around it:
// pattern and style texts, relative texts, boundaries of days, weeks, months and years, calendar
// arithmetic and names. Everything is computed at the call from DateEnvironment's clock, locale and
// time zone, with ICU's calendar of that locale; weeks start on Monday. Day and week boundaries are
// found through the calendar, so they hold across daylight-saving changes.
class Date {
public:
    // Now.
    Date();
    explicit Date(double timestamp) : m_timestamp(timestamp) {}
    explicit Date(const QDateTime& dateTime);
    // The moment of these calendar fields in the current calendar and time zone.
    Date(int day, int month, int year, int hour, int minute, int second);

    static Date now() { return Date(); }
    double timestamp() const { return m_timestamp; }
    QDateTime toDateTime() const;
    bool operator==(const Date& other) const = default;

    // Fixed patterns in the current locale and time zone.
    QString logTimestampText() const;   // "yyyy-MM-dd HH:mm:ss.SSS"
    QString isoDayText() const;         // "yyyy-MM-dd"
    QString yearMonthText() const;      // "yyyy-MM"
    QString weekdayShortText() const;   // "EEE"
    static QString weekdayText(const Date& date);               // "EEEE"
    static QString monthStandaloneText(const Date& date);       // "LLLL"
    static QString monthStandaloneShortText(const Date& date);  // "LLL"
    // The locale's own patterns for a full and an abbreviated month.
    QString monthText() const;
    QString monthShortText() const;
    // The locale's styles.
    QString timeText() const;       // medium time
    QString shortDateText() const;  // short date
    QString string(DateStyle dateStyle, DateStyle timeStyle) const;

    // Year, month and day of now as plain numbers ("2024-3-7").
    static QString todayText();

    // Calendar fields of this date.
    int year() const;
    int month() const;
    int day() const;

    // Calendar arithmetic; a negative count goes back.
    Date addingDays(int days) const;
    Date addingWeeks(int weeks) const;
    Date addingMonths(int months) const;
    Date addingYears(int years) const;

    // "5 seconds ago", "yesterday", "3 days ago"; "-" for a date that is not a number. A date in
    // the future counts as 0 seconds ago.
    static QString relativeText(const Date& date);
    // "Today at 14:05", "Yesterday at 23:10", else the short date and time.
    static QString todayAtText(double timestamp);

    // True when the moment lies in this date's day.
    bool contains(double timestamp) const;
    bool isSameDay(int day, int month) const;
    // Weekday of now: Monday 0 … Sunday 6.
    static int weekdayIndex();

    // Boundaries around now, in seconds since 1970.
    static double startOfToday();
    static double startOfYesterday();
    static double endOfYesterday();
    static double todayTimestamp(int hour, int minute, int second = 0);
    static double todayStartTimestamp();
    static double todayEndTimestamp();
    static double yesterdayStartTimestamp();
    static double yesterdayEndTimestamp();
    static double startOfWeek();
    static double endOfWeek();
    static double startOfLastWeek();
    static double endOfLastWeek();
    static double startOfMonthTimestamp();
    static double endOfMonthTimestamp();
    static double startOfLastMonth();
    static double endOfLastMonth();
    static Date startOfYear();
    static Date endOfYear();
    static Date startOfLastYear();
    static Date endOfLastYear();
    static double timestamp(int year, int day, int month, int hour, int minute, int second = 0);
    static double startOfYearTimestamp(int year);
    static double endOfYearTimestamp(int year);
    static double weekAheadTimestamp();
    static double fourWeeksAheadTimestamp();
    static double weekAgoTimestamp();

    // Boundaries of this date, or of now for the static ones.
    Date startOfMonth() const;
    Date endOfMonth() const;  // the month's last day at 00:00
    static Date startOfPreviousMonth();
    static Date startOfCurrentWeek();
    Date endOfWeekDate() const;  // the Sunday of this date's week at 00:00

    // Names in the current locale, Monday first.
    static QStringList weekdayInitials();
    static QStringList weekdayNames();
    static QStringList monthNames();
    static std::optional<QString> monthName(int month);

    // "3/4/24 - 3/10/24": this week, `weeksBack` weeks back, in the short date style.
    static QString weekRangeText(int weeksBack);

    // Gregorian fields of moments.
    static int dayOfMonth(double timestamp);
    static bool isNextDay(double first, double second);
    static int daysBetween(double first, double second);

    // Calendar facts.
    static int daysInYear(int year);
    static int daysInMonth(int year, int month);
    int daysInMonth() const;
    static Date firstDayOfMonth(int year, int month);
    static Day firstWeekdayOfMonth(int year, int month);
    static int weeksInMonth(int year, int month);
    static std::optional<int> daysSince(double timestamp);

    // Period lists around now.
    static QList<TimestampRange> monthRangesOfYear(int yearsBack);
    static QList<TimestampRange> dayRangesOfMonth(int monthsBack);
    static QList<TimestampRange> dayRangesOfWeek(int weeksBack);
    static QList<double> monthEndTimestamps();
    static QStringList dayNumbersOfMonth(int monthsBack);
    static QStringList monthShortNamesOfYear();
    static QString monthYearText(int monthsBack);
    static QString yearText(int yearsBack);

private:
    double m_timestamp;
};

} // namespace BaseKit
