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

// The environment's calendar set to a moment.
CalendarPtr calendarAt(const DateEnvironment& environment, double timestamp)
{
    CalendarPtr calendar = environment.calendar();
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(timestamp * 1000.0, status);
    return calendar;
}

CalendarPtr gregorianAt(const DateEnvironment& environment, double timestamp)
{
    CalendarPtr calendar = environment.gregorianCalendar();
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
double requiredMomentOf(const DateEnvironment& environment, icu::Calendar& calendar)
{
    const auto moment = momentOf(calendar);
    Q_ASSERT_X(moment.has_value(), "BaseKit::Date", "Could not create date object.");
    return moment.value_or(environment.now());
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

// The moment `amount` units of the environment's calendar after `timestamp`.
double movedBy(const DateEnvironment& environment, double timestamp, UCalendarDateFields unit, int amount)
{
    CalendarPtr calendar = calendarAt(environment, timestamp);
    add(*calendar, unit, amount);
    return requiredMomentOf(environment, *calendar);
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

double startOfTodayAt(const DateEnvironment& environment, double now)
{
    CalendarPtr calendar = calendarAt(environment, now);
    toStartOfDay(*calendar);
    return requiredMomentOf(environment, *calendar);
}

double startOfWeekAt(const DateEnvironment& environment, double now, int weeksBack)
{
    CalendarPtr calendar = calendarAt(environment, now);
    toStartOfWeek(*calendar);
    add(*calendar, UCAL_WEEK_OF_YEAR, back(weeksBack));
    return requiredMomentOf(environment, *calendar);
}

// The moment before the start of the period that follows `start` by `amount` of `unit`.
double periodEnd(const DateEnvironment& environment, double start, UCalendarDateFields unit, int amount = 1)
{
    return movedBy(environment, start, unit, amount) - 1.0;
}

// 1 January 00:00:00 of the current Gregorian year, `yearsBack` years back.
Date yearStart(const DateEnvironment& environment, int yearsBack)
{
    CalendarPtr gregorian = gregorianAt(environment, environment.now());
    const int year = field(*gregorian, UCAL_EXTENDED_YEAR, 1970);
    setDay(*gregorian, year, 1, 1);
    add(*gregorian, UCAL_YEAR, back(yearsBack));
    return Date(requiredMomentOf(environment, *gregorian));
}

// Day 1 of a month of the current Gregorian year at 12:00:00, for its name.
std::optional<double> middayOfMonth(const DateEnvironment& environment, int month)
{
    if (month < 1 || month > 12)
        return std::nullopt;
    CalendarPtr gregorian = gregorianAt(environment, environment.now());
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

Date Date::now(const DateEnvironment& environment)
{
    return Date(environment.now());
}

Date::Date(const QDateTime& dateTime) : m_timestamp(double(dateTime.toMSecsSinceEpoch()) / 1000.0) {}

Date::Date(const DateEnvironment& environment, int day, int month, int year, int hour, int minute, int second)
{
    CalendarPtr calendar = environment.calendar();
    calendar->clear();
    calendar->set(year, month - 1, day, hour, minute, second);
    m_timestamp = requiredMomentOf(environment, *calendar);
}

QDateTime Date::toDateTime() const
{
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround(m_timestamp * 1000.0)));
}

QString Date::logTimestampText(const DateEnvironment& environment) const
{
    return IcuDateText::pattern(environment, QStringLiteral("yyyy-MM-dd HH:mm:ss.SSS"), m_timestamp);
}

QString Date::isoDayText(const DateEnvironment& environment) const
{
    return IcuDateText::pattern(environment, QStringLiteral("yyyy-MM-dd"), m_timestamp);
}

QString Date::yearMonthText(const DateEnvironment& environment) const
{
    return IcuDateText::pattern(environment, QStringLiteral("yyyy-MM"), m_timestamp);
}

QString Date::weekdayShortText(const DateEnvironment& environment) const
{
    return IcuDateText::pattern(environment, QStringLiteral("EEE"), m_timestamp);
}

QString Date::weekdayText(const DateEnvironment& environment, const Date& date)
{
    return IcuDateText::pattern(environment, QStringLiteral("EEEE"), date.m_timestamp);
}

QString Date::monthStandaloneText(const DateEnvironment& environment, const Date& date)
{
    return IcuDateText::pattern(environment, QStringLiteral("LLLL"), date.m_timestamp);
}

QString Date::monthStandaloneShortText(const DateEnvironment& environment, const Date& date)
{
    return IcuDateText::pattern(environment, QStringLiteral("LLL"), date.m_timestamp);
}

QString Date::monthText(const DateEnvironment& environment) const
{
    return IcuDateText::skeleton(environment, QStringLiteral("MMMM"), m_timestamp);
}

QString Date::monthShortText(const DateEnvironment& environment) const
{
    return IcuDateText::skeleton(environment, QStringLiteral("MMM"), m_timestamp);
}

QString Date::timeText(const DateEnvironment& environment) const
{
    return IcuDateText::styles(environment, DateStyle::None, DateStyle::Medium, m_timestamp);
}

QString Date::shortDateText(const DateEnvironment& environment) const
{
    return IcuDateText::styles(environment, DateStyle::Short, DateStyle::None, m_timestamp);
}

QString Date::string(const DateEnvironment& environment, DateStyle dateStyle, DateStyle timeStyle) const
{
    return IcuDateText::styles(environment, dateStyle, timeStyle, m_timestamp);
}

QString Date::todayText(const DateEnvironment& environment)
{
    const Date today = now(environment);
    return QString::number(today.year(environment)) + QLatin1Char('-') + QString::number(today.month(environment))
           + QLatin1Char('-') + QString::number(today.day(environment));
}

int Date::year(const DateEnvironment& environment) const
{
    CalendarPtr calendar = calendarAt(environment, m_timestamp);
    return field(*calendar, UCAL_YEAR, field(*gregorianAt(environment, environment.now()), UCAL_YEAR, 0));
}

int Date::month(const DateEnvironment& environment) const
{
    CalendarPtr calendar = calendarAt(environment, m_timestamp);
    return field(*calendar, UCAL_MONTH, field(*gregorianAt(environment, environment.now()), UCAL_MONTH, 0)) + 1;
}

int Date::day(const DateEnvironment& environment) const
{
    CalendarPtr calendar = calendarAt(environment, m_timestamp);
    return field(*calendar, UCAL_DATE, field(*gregorianAt(environment, environment.now()), UCAL_DATE, 1));
}

Date Date::addingDays(const DateEnvironment& environment, int days) const
{
    return Date(movedBy(environment, m_timestamp, UCAL_DATE, days));
}

Date Date::addingWeeks(const DateEnvironment& environment, int weeks) const
{
    return Date(movedBy(environment, m_timestamp, UCAL_WEEK_OF_YEAR, weeks));
}

Date Date::addingMonths(const DateEnvironment& environment, int months) const
{
    return Date(movedBy(environment, m_timestamp, UCAL_MONTH, months));
}

Date Date::addingYears(const DateEnvironment& environment, int years) const
{
    return Date(movedBy(environment, m_timestamp, UCAL_YEAR, years));
}

QString Date::relativeText(const DateEnvironment& environment, const Date& date)
{
    const double elapsed = environment.now() - date.m_timestamp;
    if (std::isnan(elapsed))
        return Text::dash;
    if (elapsed < 60.0)
        return filled(environment.word(QStringLiteral("AGO_SECONDS")), std::max<std::int64_t>(0, wholeCount(elapsed)));
    if (elapsed < 120.0)
        return environment.word(QStringLiteral("ONE_MINUTE_AGO"));
    if (elapsed < 3600.0)
        return filled(environment.word(QStringLiteral("AGO_MINUTES")), wholeCount(elapsed / 60.0));
    if (elapsed < 7200.0)
        return environment.word(QStringLiteral("ONE_HOUR_AGO"));
    if (elapsed < 86400.0)
        return filled(environment.word(QStringLiteral("HOURS_AGO")), wholeCount(elapsed / 3600.0));
    if (elapsed < 172800.0)
        return environment.word(QStringLiteral("YESTERDAY"));
    return filled(environment.word(QStringLiteral("DAYS_AGO")), wholeCount(elapsed / 86400.0));
}

QString Date::todayAtText(const DateEnvironment& environment, double timestamp)
{
    if (!std::isfinite(timestamp))
        return Text::dash;
    const double today = startOfToday(environment);
    const double tomorrow = Date(today).addingDays(environment, 1).m_timestamp;
    const double yesterday = startOfYesterday(environment);
    const QString time = IcuDateText::styles(environment, DateStyle::None, DateStyle::Short, timestamp);
    if (timestamp >= today && timestamp < tomorrow)
        return environment.word(QStringLiteral("TODAY_AT")) + QLatin1Char(' ') + time;
    if (timestamp >= yesterday && timestamp < today)
        return environment.word(QStringLiteral("YESTERDAY_AT")) + QLatin1Char(' ') + time;
    return IcuDateText::styles(environment, DateStyle::Short, DateStyle::Short, timestamp);
}

bool Date::contains(const DateEnvironment& environment, double timestamp) const
{
    CalendarPtr calendar = calendarAt(environment, m_timestamp);
    toStartOfDay(*calendar);
    const double start = requiredMomentOf(environment, *calendar);
    add(*calendar, UCAL_DATE, 1);
    const double end = requiredMomentOf(environment, *calendar);
    return start <= timestamp && timestamp < end;
}

bool Date::isSameDay(const DateEnvironment& environment, int day, int month) const
{
    CalendarPtr calendar = calendarAt(environment, m_timestamp);
    const int ownDay = field(*calendar, UCAL_DATE, -1);
    if (ownDay < 0)
        return false;
    return ownDay == day && field(*calendar, UCAL_MONTH, -1) + 1 == month;
}

int Date::weekdayIndex(const DateEnvironment& environment)
{
    CalendarPtr calendar = calendarAt(environment, environment.now());
    const int weekday = field(*calendar, UCAL_DAY_OF_WEEK, UCAL_MONDAY);
    return (weekday + 5) % 7;
}

double Date::startOfToday(const DateEnvironment& environment)
{
    return startOfTodayAt(environment, environment.now());
}

double Date::startOfYesterday(const DateEnvironment& environment)
{
    return Date(startOfToday(environment)).addingDays(environment, -1).m_timestamp;
}

double Date::endOfYesterday(const DateEnvironment& environment)
{
    return startOfToday(environment) - 1.0;
}

double Date::todayTimestamp(const DateEnvironment& environment, int hour, int minute, int second)
{
    CalendarPtr calendar = calendarAt(environment, environment.now());
    toTimeOfDay(*calendar, hour, minute, second);
    return requiredMomentOf(environment, *calendar);
}

double Date::todayStartTimestamp(const DateEnvironment& environment)
{
    return todayTimestamp(environment, 0, 0, 0);
}

double Date::todayEndTimestamp(const DateEnvironment& environment)
{
    return todayTimestamp(environment, 23, 59, 59);
}

double Date::yesterdayStartTimestamp(const DateEnvironment& environment)
{
    return startOfYesterday(environment);
}

double Date::yesterdayEndTimestamp(const DateEnvironment& environment)
{
    CalendarPtr calendar = calendarAt(environment, environment.now());
    add(*calendar, UCAL_DATE, -1);
    toTimeOfDay(*calendar, 23, 59, 59);
    return requiredMomentOf(environment, *calendar);
}

double Date::startOfWeek(const DateEnvironment& environment)
{
    return startOfWeekAt(environment, environment.now(), 0);
}

double Date::endOfWeek(const DateEnvironment& environment)
{
    return periodEnd(environment, startOfWeek(environment), UCAL_DATE, 7);
}

double Date::startOfLastWeek(const DateEnvironment& environment)
{
    return startOfWeekAt(environment, environment.now(), 1);
}

double Date::endOfLastWeek(const DateEnvironment& environment)
{
    return startOfWeek(environment) - 1.0;
}

double Date::startOfMonthTimestamp(const DateEnvironment& environment)
{
    return Date::now(environment).startOfMonth(environment).m_timestamp;
}

double Date::endOfMonthTimestamp(const DateEnvironment& environment)
{
    return periodEnd(environment, startOfMonthTimestamp(environment), UCAL_MONTH);
}

double Date::startOfLastMonth(const DateEnvironment& environment)
{
    return startOfPreviousMonth(environment).m_timestamp;
}

double Date::endOfLastMonth(const DateEnvironment& environment)
{
    return periodEnd(environment, startOfLastMonth(environment), UCAL_MONTH);
}

Date Date::startOfYear(const DateEnvironment& environment)
{
    return yearStart(environment, 0);
}

Date Date::endOfYear(const DateEnvironment& environment)
{
    return Date(periodEnd(environment, yearStart(environment, 0).m_timestamp, UCAL_YEAR));
}

Date Date::startOfLastYear(const DateEnvironment& environment)
{
    return yearStart(environment, 1);
}

Date Date::endOfLastYear(const DateEnvironment& environment)
{
    return Date(periodEnd(environment, yearStart(environment, 1).m_timestamp, UCAL_YEAR));
}

double Date::timestamp(const DateEnvironment& environment, int year, int day, int month, int hour, int minute,
                       int second)
{
    CalendarPtr calendar = environment.calendar();
    calendar->clear();
    calendar->set(year, month - 1, day, hour, minute, second);
    return requiredMomentOf(environment, *calendar);
}

double Date::startOfYearTimestamp(const DateEnvironment& environment, int year)
{
    return timestamp(environment, year, 1, 1, 0, 0, 0);
}

double Date::endOfYearTimestamp(const DateEnvironment& environment, int year)
{
    return timestamp(environment, year, 31, 12, 23, 59, 59);
}

double Date::weekAheadTimestamp(const DateEnvironment& environment)
{
    return environment.now() + secondsPerWeek;
}

double Date::fourWeeksAheadTimestamp(const DateEnvironment& environment)
{
    return environment.now() + 4 * secondsPerWeek;
}

double Date::weekAgoTimestamp(const DateEnvironment& environment)
{
    return environment.now() - secondsPerWeek;
}

Date Date::startOfMonth(const DateEnvironment& environment) const
{
    CalendarPtr calendar = calendarAt(environment, m_timestamp);
    toStartOfMonth(*calendar);
    return Date(requiredMomentOf(environment, *calendar));
}

Date Date::endOfMonth(const DateEnvironment& environment) const
{
    CalendarPtr calendar = calendarAt(environment, startOfMonth(environment).m_timestamp);
    add(*calendar, UCAL_MONTH, 1);
    add(*calendar, UCAL_DATE, -1);
    return Date(requiredMomentOf(environment, *calendar));
}

Date Date::startOfPreviousMonth(const DateEnvironment& environment)
{
    return Date::now(environment).startOfMonth(environment).addingMonths(environment, -1);
}

Date Date::startOfCurrentWeek(const DateEnvironment& environment)
{
    return Date(startOfWeek(environment));
}

Date Date::endOfWeekDate(const DateEnvironment& environment) const
{
    CalendarPtr calendar = calendarAt(environment, m_timestamp);
    toStartOfWeek(*calendar);
    add(*calendar, UCAL_DATE, 6);
    return Date(requiredMomentOf(environment, *calendar));
}

QStringList Date::weekdayInitials(const DateEnvironment& environment)
{
    QStringList initials;
    for (const QString& name : weekdayNames(environment))
        initials.append(firstCharacter(name));
    return initials;
}

QStringList Date::weekdayNames(const DateEnvironment& environment)
{
    QStringList names;
    const Date monday(startOfWeek(environment));
    for (int i = 0; i < 7; ++i)
        names.append(weekdayText(environment, monday.addingDays(environment, i)));
    return names;
}

QStringList Date::monthNames(const DateEnvironment& environment)
{
    QStringList names;
    for (Month month : allMonths()) {
        if (const auto name = monthShortName(environment, month))
            names.append(*name);
    }
    return names;
}

std::optional<QString> Date::monthName(const DateEnvironment& environment, int month)
{
    const auto midday = middayOfMonth(environment, month);
    if (!midday)
        return std::nullopt;
    return monthStandaloneText(environment, Date(*midday));
}

QString Date::weekRangeText(const DateEnvironment& environment, int weeksBack)
{
    const double start = startOfWeekAt(environment, environment.now(), weeksBack);
    const double end = periodEnd(environment, start, UCAL_DATE, 7);
    return IcuDateText::styles(environment, DateStyle::Short, DateStyle::None, start) + QStringLiteral(" - ")
           + IcuDateText::styles(environment, DateStyle::Short, DateStyle::None, end);
}

int Date::dayOfMonth(const DateEnvironment& environment, double timestamp)
{
    return field(*gregorianAt(environment, timestamp), UCAL_DATE, 0);
}

bool Date::isNextDay(const DateEnvironment& environment, double first, double second)
{
    CalendarPtr from = gregorianAt(environment, first);
    toStartOfDay(*from);
    CalendarPtr to = gregorianAt(environment, second);
    toTimeOfDay(*to, 1, 0, 0);
    const auto target = momentOf(*to);
    if (!target)
        return false;
    UErrorCode status = U_ZERO_ERROR;
    const int days = from->fieldDifference(*target * 1000.0, UCAL_DATE, status);
    return U_SUCCESS(status) && days == 1;
}

int Date::daysBetween(const DateEnvironment& environment, double first, double second)
{
    CalendarPtr from = gregorianAt(environment, first);
    UErrorCode status = U_ZERO_ERROR;
    const int days = from->fieldDifference(second * 1000.0, UCAL_DATE, status);
    return U_SUCCESS(status) ? days + 1 : 0;
}

int Date::daysInYear(const DateEnvironment& environment, int year)
{
    CalendarPtr calendar = environment.calendar();
    setDay(*calendar, year, 1, 1);
    UErrorCode status = U_ZERO_ERROR;
    const int days = calendar->getActualMaximum(UCAL_DAY_OF_YEAR, status);
    return U_SUCCESS(status) ? days : 0;
}

int Date::daysInMonth(const DateEnvironment& environment, int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    CalendarPtr calendar = environment.calendar();
    setDay(*calendar, year, month, 1);
    UErrorCode status = U_ZERO_ERROR;
    const int days = calendar->getActualMaximum(UCAL_DATE, status);
    return U_SUCCESS(status) ? days : 0;
}

int Date::daysInMonth(const DateEnvironment& environment) const
{
    CalendarPtr calendar = calendarAt(environment, m_timestamp);
    UErrorCode status = U_ZERO_ERROR;
    const int days = calendar->getActualMaximum(UCAL_DATE, status);
    return U_SUCCESS(status) ? days : 0;
}

Date Date::firstDayOfMonth(const DateEnvironment& environment, int year, int month)
{
    CalendarPtr calendar = environment.calendar();
    setDay(*calendar, year, month, 1);
    return Date(requiredMomentOf(environment, *calendar));
}

Day Date::firstWeekdayOfMonth(const DateEnvironment& environment, int year, int month)
{
    CalendarPtr gregorian = environment.gregorianCalendar();
    setDay(*gregorian, year, month, 1);
    return dayFromRawValue(field(*gregorian, UCAL_DAY_OF_WEEK, 0)).value_or(Day::monday);
}

int Date::weeksInMonth(const DateEnvironment& environment, int year, int month)
{
    const int first = dayIndex(firstWeekdayOfMonth(environment, year, month));
    const int days = daysInMonth(environment, year, month);
    return std::max(1, (first + days + 6) / 7);
}

std::optional<int> Date::daysSince(const DateEnvironment& environment, double timestamp)
{
    if (!std::isfinite(timestamp))
        return std::nullopt;
    CalendarPtr calendar = calendarAt(environment, timestamp);
    toStartOfDay(*calendar);
    UErrorCode status = U_ZERO_ERROR;
    const int days = calendar->fieldDifference(startOfToday(environment) * 1000.0, UCAL_DATE, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return days;
}

QList<TimestampRange> Date::monthRangesOfYear(const DateEnvironment& environment, int yearsBack)
{
    const double base = yearStart(environment, yearsBack).m_timestamp;
    QList<TimestampRange> ranges;
    for (int month = 1; month <= 12; ++month) {
        CalendarPtr calendar = calendarAt(environment, base);
        add(*calendar, UCAL_MONTH, month - 1);
        const double start = requiredMomentOf(environment, *calendar);
        add(*calendar, UCAL_MONTH, 1);
        ranges.append({start, requiredMomentOf(environment, *calendar) - 1.0});
    }
    return ranges;
}

QList<TimestampRange> Date::dayRangesOfMonth(const DateEnvironment& environment, int monthsBack)
{
    const Date first = Date::now(environment).startOfMonth(environment).addingMonths(environment, back(monthsBack));
    CalendarPtr calendar = calendarAt(environment, first.m_timestamp);
    const int month = field(*calendar, UCAL_MONTH, 0);
    QList<TimestampRange> ranges;
    while (field(*calendar, UCAL_MONTH, -1) == month) {
        const double start = requiredMomentOf(environment, *calendar);
        add(*calendar, UCAL_DATE, 1);
        ranges.append({start, requiredMomentOf(environment, *calendar) - 1.0});
        if (ranges.size() > 31)
            break;
    }
    return ranges;
}

QList<TimestampRange> Date::dayRangesOfWeek(const DateEnvironment& environment, int weeksBack)
{
    CalendarPtr calendar = calendarAt(environment, startOfWeekAt(environment, environment.now(), weeksBack));
    QList<TimestampRange> ranges;
    for (int i = 0; i < 7; ++i) {
        const double start = requiredMomentOf(environment, *calendar);
        add(*calendar, UCAL_DATE, 1);
        ranges.append({start, requiredMomentOf(environment, *calendar) - 1.0});
    }
    return ranges;
}

QList<double> Date::monthEndTimestamps(const DateEnvironment& environment)
{
    const double now = environment.now();
    const double todayEnd = todayEndTimestamp(environment);
    QList<double> ends;
    for (int i = 11; i >= 0; --i) {
        CalendarPtr calendar = calendarAt(environment, todayEnd);
        add(*calendar, UCAL_MONTH, -i);
        ends.append(momentOf(*calendar).value_or(now));
    }
    return ends;
}

QStringList Date::dayNumbersOfMonth(const DateEnvironment& environment, int monthsBack)
{
    QStringList numbers;
    for (const TimestampRange& range : dayRangesOfMonth(environment, monthsBack))
        numbers.append(IcuDateText::pattern(environment, QStringLiteral("dd"), range.first));
    return numbers;
}

QStringList Date::monthShortNamesOfYear(const DateEnvironment& environment)
{
    const Date start = startOfYear(environment);
    QStringList names;
    for (int i = 0; i < 12; ++i)
        names.append(IcuDateText::pattern(environment, QStringLiteral("MMM"),
                                          start.addingMonths(environment, i).timestamp()));
    return names;
}

QString Date::monthYearText(const DateEnvironment& environment, int monthsBack)
{
    const Date first = Date::now(environment).startOfMonth(environment).addingMonths(environment, back(monthsBack));
    return IcuDateText::pattern(environment, QStringLiteral("MMMM yyyy"), first.m_timestamp);
}

QString Date::yearText(const DateEnvironment& environment, int yearsBack)
{
    const Date first = Date::now(environment).startOfMonth(environment).addingYears(environment, back(yearsBack));
    return IcuDateText::pattern(environment, QStringLiteral("yyyy"), first.m_timestamp);
}

} // namespace BaseKit
