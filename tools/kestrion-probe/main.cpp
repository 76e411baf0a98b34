// Prints what the foundation library formats on this machine: sizes and rates of a few byte counts,
// numbers in the current locale and a few version comparisons.
#include "BaseKit/Dates/Date.h"
#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Dates/Duration.h"
#include "BaseKit/FormatNumber.h"
#include "BaseKit/IO.h"
#include "BaseKit/Version.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdint>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "Kestrion probe\n\n";

    out << "Sizes and rates\n";
    const std::uint64_t counts[] = {0, 1023, 1536, 1048575, 1048576, 16ULL << 30, 125000000000ULL,
                                    UINT64_MAX};
    for (std::uint64_t count : counts) {
        out << "  " << QString::number(count).rightJustified(20) << "  size "
            << BaseKit::IO::sizeText(count).leftJustified(10) << "  rate "
            << BaseKit::IO::rateText(count, false).leftJustified(20) << "  bits "
            << BaseKit::IO::rateText(count, true).leftJustified(18) << "  compact "
            << BaseKit::IO::compactRateText(count, true) << "\n";
    }

    out << "\nNumbers in the locale " << QLocale().name() << "\n";
    const double values[] = {0.29, 87.96, -2.96, 12345.6};
    for (double value : values) {
        out << "  " << QString::number(value).rightJustified(10) << "  one digit "
            << BaseKit::formatNumber(value, 1).leftJustified(10) << "  two digits "
            << BaseKit::formatNumber(value, 2) << "\n";
    }

    out << "\nVersions\n";
    const char* pairs[][2] = {{"1.10", "1.9"}, {"2.0", "2"}, {"1.2.3", "1.2.10"}, {"", "0.1"}};
    for (const auto& pair : pairs) {
        const BaseKit::Version lhs{QString::fromLatin1(pair[0])};
        const BaseKit::Version rhs{QString::fromLatin1(pair[1])};
        const char* relation = lhs < rhs ? "<" : (lhs > rhs ? ">" : "==");
        out << "  \"" << lhs.string << "\" " << relation << " \"" << rhs.string << "\"\n";
    }

    out << "\nDates and durations in the locale " << QLocale().name() << "\n";
    // This machine's clock, locale and time zone.
    const BaseKit::DateEnvironment dates;
    const BaseKit::Date now = BaseKit::Date::now(dates);
    out << "  now         " << now.string(dates, BaseKit::DateStyle::Short, BaseKit::DateStyle::Medium) << "  |  "
        << now.logTimestampText(dates) << "\n";
    out << "  an hour ago " << BaseKit::Date::relativeText(dates, BaseKit::Date(now.timestamp() - 3600)) << "  |  "
        << BaseKit::Date::todayAtText(dates, now.timestamp() - 86400) << "\n";
    out << "  this week   " << BaseKit::Date::weekRangeText(dates, 0) << "  |  "
        << BaseKit::Date::weekdayNames(dates).join(QStringLiteral(", ")) << "\n";
    const std::int64_t durations[] = {0, 61, 5400, 90061, -90061};
    for (std::int64_t seconds : durations) {
        out << "  " << QString::number(seconds).rightJustified(10) << " s  " << BaseKit::Duration::durationText(seconds)
            << "  " << BaseKit::Duration::hoursMinutesText(seconds) << "  " << BaseKit::Duration::clockText(seconds, true)
            << "  " << BaseKit::Duration::spokenDurationText(dates, seconds) << "\n";
    }
    return 0;
}
