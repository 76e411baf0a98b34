#include "BaseKit/Dates/Date.h"

#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Dates/Duration.h"
#include "BaseKit/Dates/IcuDateText.h"
#include "BaseKit/Dates/Month.h"
#include "BaseKit/Text.h"

#include <QtGlobal>

#include <climits>
#include <cmath>
#include <memory>

namespace BaseKit {

namespace {

using CalendarPtr = std::unique_ptr<icu::Calendar>;

constexpr double secondsPerWeek = 604800.0;

// The current calendar set to a moment.
CalendarPtr calendarAt(double timestamp)
{
    CalendarPtr calendar = DateEnvironment::calendar();
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(timestamp * 1000.0, status);
    return calendar;
}

CalendarPtr gregorianAt(double timestamp)
{
    CalendarPtr calendar = DateEnvironment::gregorianCalendar();
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(timestamp * 1000.0, status);
    return calendar;
}

// The calendar's moment in seconds; none when its fields form no date.
std::optional<double> momentOf(icu::Calendar& calendar)
{
    UErrorCode status = U_ZERO_ERROR;
    const UDate time = calendar.getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return time / 1000.0;
}

// The calendar's moment for fields the library set itself; these always form a date, and should the
// calendar fail all the same, a debug build stops and a release build takes now.
double requiredMomentOf(icu::Calendar& calendar)
{
    const auto moment = momentOf(calendar);
    Q_ASSERT_X(moment.has_value(), "BaseKit::Date", "Could not create date object.");
    return moment.value_or(DateEnvironment::now());
}

int field(icu::Calendar& calendar, UCalendarDateFields which, int fallback)
{
    UErrorCode status = U_ZERO_ERROR;
    const int value = calendar.get(which, status);
    return U_FAILURE(status) ? fallback : value;
}

void add(icu::Calendar& calendar, UCalendarDateFields which, int amount)
{
    UErrorCode status = U_ZERO_ERROR;
    calendar.add(which, amount, status);
}

// The moment `amount` units of the current calendar after `timestamp`.
double movedBy(double timestamp, UCalendarDateFields unit, int amount)
{
    CalendarPtr calendar = calendarAt(timestamp);
    add(*calendar, unit, amount);
    return requiredMomentOf(*calendar);
}

void toStartOfDay(icu::Calendar& calendar)
{
    calendar.set(UCAL_HOUR_OF_DAY, 0);
    calendar.set(UCAL_MINUTE, 0);
    calendar.set(UCAL_SECOND, 0);
    calendar.set(UCAL_MILLISECOND, 0);
}

void toTimeOfDay(icu::Calendar& calendar, int hour, int minute, int second)
{
    calendar.set(UCAL_HOUR_OF_DAY, hour);
    calendar.set(UCAL_MINUTE, minute);
    calendar.set(UCAL_SECOND, second);
    calendar.set(UCAL_MILLISECOND, 0);
}

// Back to Monday 00:00 of the calendar's week.
void toStartOfWeek(icu::Calendar& calendar)
{
    const int weekday = field(calendar, UCAL_DAY_OF_WEEK, UCAL_MONDAY);
    add(calendar, UCAL_DATE, -((weekday + 5) % 7));
    toStartOfDay(calendar);
}

void toStartOfMonth(icu::Calendar& calendar)
{
    calendar.set(UCAL_DATE, 1);
    toStartOfDay(calendar);
}

// The calendar at year, month (1…12) and day, 00:00:00.
void setDay(icu::Calendar& calendar, int year, int month, int day)
{
    calendar.clear();
    calendar.set(year, month - 1, day, 0, 0, 0);
}

// −n without overflow: the count of steps back as a calendar amount.
int back(int count)
{
    return count == INT_MIN ? INT_MAX : -count;
}

double startOfTodayAt(double now)
{
    CalendarPtr calendar = calendarAt(now);
    toStartOfDay(*calendar);
    return requiredMomentOf(*calendar);
}

double startOfWeekAt(double now, int weeksBack)
{
    CalendarPtr calendar = calendarAt(now);
    toStartOfWeek(*calendar);
    add(*calendar, UCAL_WEEK_OF_YEAR, back(weeksBack));
    return requiredMomentOf(*calendar);
}

// The moment before the start of the period that follows `start` by `amount` of `unit`.
double periodEnd(double start, UCalendarDateFields unit, int amount = 1)
{
    return movedBy(start, unit, amount) - 1.0;
}

// 1 January 00:00:00 of the current Gregorian year, `yearsBack` years back.
Date yearStart(int yearsBack)
{
    CalendarPtr gregorian = gregorianAt(DateEnvironment::now());
    const int year = field(*gregorian, UCAL_EXTENDED_YEAR, 1970);
    setDay(*gregorian, year, 1, 1);
    add(*gregorian, UCAL_YEAR, back(yearsBack));
    return Date(requiredMomentOf(*gregorian));
}

// Day 1 of a month of the current Gregorian year at 12:00:00, for its name.
std::optional<double> middayOfMonth(int month)
{
    if (month < 1 || month > 12)
        return std::nullopt;
    CalendarPtr gregorian = gregorianAt(DateEnvironment::now());
    const int year = field(*gregorian, UCAL_EXTENDED_YEAR, 1970);
    gregorian->clear();
    gregorian->set(year, month - 1, 1, 12, 0, 0);
    return momentOf(*gregorian);
}

QString firstCharacter(const QString& text)
{
    if (text.size() < 2)
        return text;
    return text.left(text.at(0).isHighSurrogate() ? 2 : 1);
}

QString filled(const QString& format, std::int64_t count)
{
    QString text = format;
    return text.replace(QLatin1String("%1"), QString::number(count));
}

std::int64_t wholeCount(double value)
{
    return Duration::wholeSeconds(value).value_or(value < 0 ? INT64_MIN : INT64_MAX);
}

} // namespace

Date::Date() : m_timestamp(DateEnvironment::now()) {}

Date::Date(const QDateTime& dateTime) : m_timestamp(double(dateTime.toMSecsSinceEpoch()) / 1000.0) {}

Date::Date(int day, int month, int year, int hour, int minute, int second)
{
    CalendarPtr calendar = DateEnvironment::calendar();
    calendar->clear();
    calendar->set(year, month - 1, day, hour, minute, second);
    m_timestamp = requiredMomentOf(*calendar);
}

QDateTime Date::toDateTime() const
{
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround(m_timestamp * 1000.0)));
}

QString Date::logTimestampText() const
{
    return IcuDateText::pattern(QStringLiteral("yyyy-MM-dd HH:mm:ss.SSS"), m_timestamp);
}

QString Date::isoDayText() const
{
    return IcuDateText::pattern(QStringLiteral("yyyy-MM-dd"), m_timestamp);
}

QString Date::yearMonthText() const
{
    return IcuDateText::pattern(QStringLiteral("yyyy-MM"), m_timestamp);
}

QString Date::weekdayShortText() const
{
    return IcuDateText::pattern(QStringLiteral("EEE"), m_timestamp);
}

QString Date::weekdayText(const Date& date)
{
    return IcuDateText::pattern(QStringLiteral("EEEE"), date.m_timestamp);
}

QString Date::monthStandaloneText(const Date& date)
{
    return IcuDateText::pattern(QStringLiteral("LLLL"), date.m_timestamp);
}

QString Date::monthStandaloneShortText(const Date& date)
{
    return IcuDateText::pattern(QStringLiteral("LLL"), date.m_timestamp);
}

QString Date::monthText() const
{
    return IcuDateText::skeleton(QStringLiteral("MMMM"), m_timestamp);
}

QString Date::monthShortText() const
{
    return IcuDateText::skeleton(QStringLiteral("MMM"), m_timestamp);
}

QString Date::timeText() const
{
    return IcuDateText::styles(DateStyle::None, DateStyle::Medium, m_timestamp);
}

QString Date::shortDateText() const
{
    return IcuDateText::styles(DateStyle::Short, DateStyle::None, m_timestamp);
}

QString Date::string(DateStyle dateStyle, DateStyle timeStyle) const
{
    return IcuDateText::styles(dateStyle, timeStyle, m_timestamp);
}

QString Date::todayText()
{
    const Date today;
    return QString::number(today.year()) + QLatin1Char('-') + QString::number(today.month()) + QLatin1Char('-')
           + QString::number(today.day());
}

int Date::year() const
{
    CalendarPtr calendar = calendarAt(m_timestamp);
    return field(*calendar, UCAL_YEAR, field(*gregorianAt(DateEnvironment::now()), UCAL_YEAR, 0));
}

int Date::month() const
{
    CalendarPtr calendar = calendarAt(m_timestamp);
    return field(*calendar, UCAL_MONTH, field(*gregorianAt(DateEnvironment::now()), UCAL_MONTH, 0)) + 1;
}

int Date::day() const
{
    CalendarPtr calendar = calendarAt(m_timestamp);
    return field(*calendar, UCAL_DATE, field(*gregorianAt(DateEnvironment::now()), UCAL_DATE, 1));
}

Date Date::addingDays(int days) const
{
    return Date(movedBy(m_timestamp, UCAL_DATE, days));
}

Date Date::addingWeeks(int weeks) const
{
    return Date(movedBy(m_timestamp, UCAL_WEEK_OF_YEAR, weeks));
}

Date Date::addingMonths(int months) const
{
    return Date(movedBy(m_timestamp, UCAL_MONTH, months));
}

Date Date::addingYears(int years) const
{
    return Date(movedBy(m_timestamp, UCAL_YEAR, years));
}

QString Date::relativeText(const Date& date)
{
    const double elapsed = DateEnvironment::now() - date.m_timestamp;
    if (std::isnan(elapsed))
        return Text::dash;
    if (elapsed < 60.0)
        return filled(DateEnvironment::word(QStringLiteral("AGO_SECONDS")), std::max<std::int64_t>(0, wholeCount(elapsed)));
    if (elapsed < 120.0)
        return DateEnvironment::word(QStringLiteral("ONE_MINUTE_AGO"));
    if (elapsed < 3600.0)
        return filled(DateEnvironment::word(QStringLiteral("AGO_MINUTES")), wholeCount(elapsed / 60.0));
    if (elapsed < 7200.0)
        return DateEnvironment::word(QStringLiteral("ONE_HOUR_AGO"));
    if (elapsed < 86400.0)
        return filled(DateEnvironment::word(QStringLiteral("HOURS_AGO")), wholeCount(elapsed / 3600.0));
    if (elapsed < 172800.0)
        return DateEnvironment::word(QStringLiteral("YESTERDAY"));
    return filled(DateEnvironment::word(QStringLiteral("DAYS_AGO")), wholeCount(elapsed / 86400.0));
}

QString Date::todayAtText(double timestamp)
{
    if (!std::isfinite(timestamp))
        return Text::dash;
    const double today = startOfToday();
    const double tomorrow = Date(today).addingDays(1).m_timestamp;
    const double yesterday = startOfYesterday();
    const QString time = IcuDateText::styles(DateStyle::None, DateStyle::Short, timestamp);
    if (timestamp >= today && timestamp < tomorrow)
        return DateEnvironment::word(QStringLiteral("TODAY_AT")) + QLatin1Char(' ') + time;
    if (timestamp >= yesterday && timestamp < today)
        return DateEnvironment::word(QStringLiteral("YESTERDAY_AT")) + QLatin1Char(' ') + time;
    return IcuDateText::styles(DateStyle::Short, DateStyle::Short, timestamp);
}

bool Date::contains(double timestamp) const
{
    CalendarPtr calendar = calendarAt(m_timestamp);
    toStartOfDay(*calendar);
    const double start = requiredMomentOf(*calendar);
    add(*calendar, UCAL_DATE, 1);
    const double end = requiredMomentOf(*calendar);
    return start <= timestamp && timestamp < end;
}

bool Date::isSameDay(int day, int month) const
{
    CalendarPtr calendar = calendarAt(m_timestamp);
    const int ownDay = field(*calendar, UCAL_DATE, -1);
    if (ownDay < 0)
        return false;
    return ownDay == day && field(*calendar, UCAL_MONTH, -1) + 1 == month;
}

int Date::weekdayIndex()
{
    CalendarPtr calendar = calendarAt(DateEnvironment::now());
    const int weekday = field(*calendar, UCAL_DAY_OF_WEEK, UCAL_MONDAY);
    return (weekday + 5) % 7;
}

double Date::startOfToday()
{
    return startOfTodayAt(DateEnvironment::now());
}

double Date::startOfYesterday()
{
    return Date(startOfToday()).addingDays(-1).m_timestamp;
}

double Date::endOfYesterday()
{
    return startOfToday() - 1.0;
}

double Date::todayTimestamp(int hour, int minute, int second)
{
    CalendarPtr calendar = calendarAt(DateEnvironment::now());
    toTimeOfDay(*calendar, hour, minute, second);
    return requiredMomentOf(*calendar);
}

double Date::todayStartTimestamp()
{
    return todayTimestamp(0, 0, 0);
}

double Date::todayEndTimestamp()
{
    return todayTimestamp(23, 59, 59);
}

double Date::yesterdayStartTimestamp()
{
    return startOfYesterday();
}

double Date::yesterdayEndTimestamp()
{
    CalendarPtr calendar = calendarAt(DateEnvironment::now());
    add(*calendar, UCAL_DATE, -1);
    toTimeOfDay(*calendar, 23, 59, 59);
    return requiredMomentOf(*calendar);
}

double Date::startOfWeek()
{
    return startOfWeekAt(DateEnvironment::now(), 0);
}

double Date::endOfWeek()
{
    return periodEnd(startOfWeek(), UCAL_DATE, 7);
}

double Date::startOfLastWeek()
{
    return startOfWeekAt(DateEnvironment::now(), 1);
}

double Date::endOfLastWeek()
{
    return startOfWeek() - 1.0;
}

double Date::startOfMonthTimestamp()
{
    return Date().startOfMonth().m_timestamp;
}

double Date::endOfMonthTimestamp()
{
    return periodEnd(startOfMonthTimestamp(), UCAL_MONTH);
}

double Date::startOfLastMonth()
{
    return startOfPreviousMonth().m_timestamp;
}

double Date::endOfLastMonth()
{
    return periodEnd(startOfLastMonth(), UCAL_MONTH);
}

Date Date::startOfYear()
{
    return yearStart(0);
}

Date Date::endOfYear()
{
    return Date(periodEnd(yearStart(0).m_timestamp, UCAL_YEAR));
}

Date Date::startOfLastYear()
{
    return yearStart(1);
}

Date Date::endOfLastYear()
{
    return Date(periodEnd(yearStart(1).m_timestamp, UCAL_YEAR));
}

double Date::timestamp(int year, int day, int month, int hour, int minute, int second)
{
    CalendarPtr calendar = DateEnvironment::calendar();
    calendar->clear();
    calendar->set(year, month - 1, day, hour, minute, second);
    return requiredMomentOf(*calendar);
}

double Date::startOfYearTimestamp(int year)
{
    return timestamp(year, 1, 1, 0, 0, 0);
}

double Date::endOfYearTimestamp(int year)
{
    return timestamp(year, 31, 12, 23, 59, 59);
}

double Date::weekAheadTimestamp()
{
    return DateEnvironment::now() + secondsPerWeek;
}

double Date::fourWeeksAheadTimestamp()
{
    return DateEnvironment::now() + 4 * secondsPerWeek;
}

double Date::weekAgoTimestamp()
{
    return DateEnvironment::now() - secondsPerWeek;
}

Date Date::startOfMonth() const
{
    CalendarPtr calendar = calendarAt(m_timestamp);
    toStartOfMonth(*calendar);
    return Date(requiredMomentOf(*calendar));
}

Date Date::endOfMonth() const
{
    CalendarPtr calendar = calendarAt(startOfMonth().m_timestamp);
    add(*calendar, UCAL_MONTH, 1);
    add(*calendar, UCAL_DATE, -1);
    return Date(requiredMomentOf(*calendar));
}

Date Date::startOfPreviousMonth()
{
    return Date().startOfMonth().addingMonths(-1);
}

Date Date::startOfCurrentWeek()
{
    return Date(startOfWeek());
}

Date Date::endOfWeekDate() const
{
    CalendarPtr calendar = calendarAt(m_timestamp);
    toStartOfWeek(*calendar);
    add(*calendar, UCAL_DATE, 6);
    return Date(requiredMomentOf(*calendar));
}

QStringList Date::weekdayInitials()
{
    QStringList initials;
    for (const QString& name : weekdayNames())
        initials.append(firstCharacter(name));
    return initials;
}

QStringList Date::weekdayNames()
{
    QStringList names;
    const Date monday(startOfWeek());
    for (int i = 0; i < 7; ++i)
        names.append(weekdayText(monday.addingDays(i)));
    return names;
}

QStringList Date::monthNames()
{
    QStringList names;
    for (Month month : allMonths()) {
        if (const auto name = monthShortName(month))
            names.append(*name);
    }
    return names;
}

std::optional<QString> Date::monthName(int month)
{
    const auto midday = middayOfMonth(month);
    if (!midday)
        return std::nullopt;
    return monthStandaloneText(Date(*midday));
}

QString Date::weekRangeText(int weeksBack)
{
    const double start = startOfWeekAt(DateEnvironment::now(), weeksBack);
    const double end = periodEnd(start, UCAL_DATE, 7);
    return IcuDateText::styles(DateStyle::Short, DateStyle::None, start) + QStringLiteral(" - ")
           + IcuDateText::styles(DateStyle::Short, DateStyle::None, end);
}

int Date::dayOfMonth(double timestamp)
{
    return field(*gregorianAt(timestamp), UCAL_DATE, 0);
}

bool Date::isNextDay(double first, double second)
{
    CalendarPtr from = gregorianAt(first);
    toStartOfDay(*from);
    CalendarPtr to = gregorianAt(second);
    toTimeOfDay(*to, 1, 0, 0);
    const auto target = momentOf(*to);
    if (!target)
        return false;
    UErrorCode status = U_ZERO_ERROR;
    const int days = from->fieldDifference(*target * 1000.0, UCAL_DATE, status);
    return U_SUCCESS(status) && days == 1;
}

int Date::daysBetween(double first, double second)
{
    CalendarPtr from = gregorianAt(first);
    UErrorCode status = U_ZERO_ERROR;
    const int days = from->fieldDifference(second * 1000.0, UCAL_DATE, status);
    return U_SUCCESS(status) ? days + 1 : 0;
}

int Date::daysInYear(int year)
{
    CalendarPtr calendar = DateEnvironment::calendar();
    setDay(*calendar, year, 1, 1);
    UErrorCode status = U_ZERO_ERROR;
    const int days = calendar->getActualMaximum(UCAL_DAY_OF_YEAR, status);
    return U_SUCCESS(status) ? days : 0;
}

int Date::daysInMonth(int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    CalendarPtr calendar = DateEnvironment::calendar();
    setDay(*calendar, year, month, 1);
    UErrorCode status = U_ZERO_ERROR;
    const int days = calendar->getActualMaximum(UCAL_DATE, status);
    return U_SUCCESS(status) ? days : 0;
}

int Date::daysInMonth() const
{
    CalendarPtr calendar = calendarAt(m_timestamp);
    UErrorCode status = U_ZERO_ERROR;
    const int days = calendar->getActualMaximum(UCAL_DATE, status);
    return U_SUCCESS(status) ? days : 0;
}

Date Date::firstDayOfMonth(int year, int month)
{
    CalendarPtr calendar = DateEnvironment::calendar();
    setDay(*calendar, year, month, 1);
    return Date(requiredMomentOf(*calendar));
}

Day Date::firstWeekdayOfMonth(int year, int month)
{
    CalendarPtr gregorian = DateEnvironment::gregorianCalendar();
    setDay(*gregorian, year, month, 1);
    return dayFromRawValue(field(*gregorian, UCAL_DAY_OF_WEEK, 0)).value_or(Day::monday);
}

int Date::weeksInMonth(int year, int month)
{
    const int first = dayIndex(firstWeekdayOfMonth(year, month));
    const int days = daysInMonth(year, month);
    return std::max(1, (first + days + 6) / 7);
}

std::optional<int> Date::daysSince(double timestamp)
{
    if (!std::isfinite(timestamp))
        return std::nullopt;
    CalendarPtr calendar = calendarAt(timestamp);
    toStartOfDay(*calendar);
    UErrorCode status = U_ZERO_ERROR;
    const int days = calendar->fieldDifference(startOfToday() * 1000.0, UCAL_DATE, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return days;
}

QList<TimestampRange> Date::monthRangesOfYear(int yearsBack)
{
    const double base = yearStart(yearsBack).m_timestamp;
    QList<TimestampRange> ranges;
    for (int month = 1; month <= 12; ++month) {
        CalendarPtr calendar = calendarAt(base);
        add(*calendar, UCAL_MONTH, month - 1);
        const double start = requiredMomentOf(*calendar);
        add(*calendar, UCAL_MONTH, 1);
        ranges.append({start, requiredMomentOf(*calendar) - 1.0});
    }
    return ranges;
}

QList<TimestampRange> Date::dayRangesOfMonth(int monthsBack)
{
    const Date first = Date().startOfMonth().addingMonths(back(monthsBack));
    CalendarPtr calendar = calendarAt(first.m_timestamp);
    const int month = field(*calendar, UCAL_MONTH, 0);
    QList<TimestampRange> ranges;
    while (field(*calendar, UCAL_MONTH, -1) == month) {
        const double start = requiredMomentOf(*calendar);
        add(*calendar, UCAL_DATE, 1);
        ranges.append({start, requiredMomentOf(*calendar) - 1.0});
        if (ranges.size() > 31)
            break;
    }
    return ranges;
}

QList<TimestampRange> Date::dayRangesOfWeek(int weeksBack)
{
    CalendarPtr calendar = calendarAt(startOfWeekAt(DateEnvironment::now(), weeksBack));
    QList<TimestampRange> ranges;
    for (int i = 0; i < 7; ++i) {
        const double start = requiredMomentOf(*calendar);
        add(*calendar, UCAL_DATE, 1);
        ranges.append({start, requiredMomentOf(*calendar) - 1.0});
    }
    return ranges;
}

QList<double> Date::monthEndTimestamps()
{
    const double now = DateEnvironment::now();
    const double todayEnd = todayEndTimestamp();
    QList<double> ends;
    for (int i = 11; i >= 0; --i) {
        CalendarPtr calendar = calendarAt(todayEnd);
        add(*calendar, UCAL_MONTH, -i);
        ends.append(momentOf(*calendar).value_or(now));
    }
    return ends;
}

QStringList Date::dayNumbersOfMonth(int monthsBack)
{
    QStringList numbers;
    for (const TimestampRange& range : dayRangesOfMonth(monthsBack))
        numbers.append(IcuDateText::pattern(QStringLiteral("dd"), range.first));
    return numbers;
}

QStringList Date::monthShortNamesOfYear()
{
    const Date start = startOfYear();
    QStringList names;
    for (int i = 0; i < 12; ++i)
        names.append(IcuDateText::pattern(QStringLiteral("MMM"), start.addingMonths(i).timestamp()));
    return names;
}

QString Date::monthYearText(int monthsBack)
{
    const Date first = Date().startOfMonth().addingMonths(back(monthsBack));
    return IcuDateText::pattern(QStringLiteral("MMMM yyyy"), first.m_timestamp);
}

QString Date::yearText(int yearsBack)
{
    const Date first = Date().startOfMonth().addingYears(back(yearsBack));
    return IcuDateText::pattern(QStringLiteral("yyyy"), first.m_timestamp);
}

} // namespace BaseKit
