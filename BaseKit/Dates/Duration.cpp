#include "BaseKit/Dates/Duration.h"

#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Text.h"

#include <cmath>

namespace BaseKit {

namespace {

constexpr std::int64_t secondsPerDay = 86400;
constexpr std::int64_t secondsPerHour = 3600;
constexpr std::int64_t secondsPerMinute = 60;

// A number at least two characters wide, zero-padded after the sign ("05", "-5", "123").
QString twoDigits(std::int64_t value)
{
    QString text = QString::number(value);
    if (value >= 0 && text.size() < 2)
        text.prepend(QLatin1Char('0'));
    return text;
}

bool atLeast(std::int64_t value, std::int64_t magnitude)
{
    return value >= magnitude || value <= -magnitude;
}

} // namespace

std::optional<std::int64_t> Duration::wholeSeconds(double seconds)
{
    // 2^63 is exact in a double; every double below it and at or above −2^63 fits.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(seconds))
        return std::nullopt;
    const double whole = std::trunc(seconds);
    if (whole >= limit || whole < -limit)
        return std::nullopt;
    return std::int64_t(whole);
}

QString Duration::durationText(std::int64_t s)
{
    const std::int64_t days = s / secondsPerDay;
    const std::int64_t r = s - days * secondsPerDay;
    const std::int64_t hours = r / secondsPerHour;
    const std::int64_t r2 = r - hours * secondsPerHour;
    const std::int64_t minutes = r2 / secondsPerMinute;
    const std::int64_t seconds = s % secondsPerMinute;
    const QChar colon = QLatin1Char(':');

    if (atLeast(s, secondsPerDay))
        return twoDigits(days) + colon + twoDigits(hours) + colon + twoDigits(minutes) + colon + twoDigits(seconds);
    if (hours != 0)
        return QStringLiteral("00:") + twoDigits(hours) + colon + twoDigits(minutes) + colon + twoDigits(seconds);
    if (minutes != 0)
        return QStringLiteral("00:00:") + twoDigits(minutes) + colon + twoDigits(seconds);
    if (seconds != 0)
        return QStringLiteral("00:00:00:") + twoDigits(seconds);
    return QStringLiteral("00:00:00:00");
}

QString Duration::durationText(double seconds)
{
    const auto whole = wholeSeconds(seconds);
    return whole ? durationText(*whole) : Text::dash;
}

QString Duration::hoursMinutesText(std::optional<std::int64_t> value)
{
    const std::int64_t s = value.value_or(0);
    const std::int64_t hours = s / secondsPerHour;
    const std::int64_t minutes = (s - hours * secondsPerHour) / secondsPerMinute;
    if (atLeast(s, secondsPerHour))
        return QString::number(hours) + QStringLiteral("h ") + QString::number(minutes) + QLatin1Char('m');
    if (minutes != 0)
        return QString::number(minutes) + QLatin1Char('m');
    return QStringLiteral("0h 0m");
}

QString Duration::hoursMinutesText(std::optional<double> value)
{
    if (!value)
        return QStringLiteral("0m");
    const auto whole = wholeSeconds(*value);
    return whole ? hoursMinutesText(std::optional<std::int64_t>(*whole)) : Text::dash;
}

QString Duration::clockText(std::int64_t s, bool compact)
{
    const std::int64_t hours = s / secondsPerHour;
    const std::int64_t minutes = (s - hours * secondsPerHour) / secondsPerMinute;
    const std::int64_t seconds = s % secondsPerMinute;
    if (!compact || atLeast(s, secondsPerHour))
        return twoDigits(hours) + QStringLiteral("h ") + twoDigits(minutes) + QStringLiteral("m ")
               + twoDigits(seconds) + QLatin1Char('s');
    if (minutes != 0)
        return twoDigits(minutes) + QStringLiteral("m ") + twoDigits(seconds) + QLatin1Char('s');
    if (seconds != 0)
        return twoDigits(seconds) + QLatin1Char('s');
    return QStringLiteral("0 s");
}

QString Duration::clockText(double seconds)
{
    const auto whole = wholeSeconds(seconds);
    return whole ? clockText(*whole, true) : Text::dash;
}

QString Duration::spokenDurationText(const DateEnvironment& environment, std::int64_t s)
{
    const QChar blank = QLatin1Char(' ');
    const QString secondsWord = environment.word(QStringLiteral("SECONDS"));
    const QString minutesWord = environment.word(QStringLiteral("MINUTES"));
    if (s < secondsPerMinute)
        return QString::number(s) + blank + secondsWord;
    if (s < secondsPerHour)
        return QString::number(s / secondsPerMinute) + blank + minutesWord + blank
               + QString::number(s % secondsPerMinute) + blank + secondsWord;
    return QString::number(s / secondsPerHour) + blank + environment.word(QStringLiteral("HOURS")) + blank
           + QString::number((s % secondsPerHour) / secondsPerMinute) + blank + minutesWord;
}

} // namespace BaseKit
