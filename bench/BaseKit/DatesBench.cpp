// The uptime row formats a duration every second; the battery rows a short hours-and-minutes text and
// a manufacture date; the date texts build an ICU formatter per call.
#include "BaseKit/Dates/Date.h"
#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Dates/Duration.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void durationText(benchmark::State& state)
{
    std::int64_t seconds = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BaseKit::Duration::durationText(seconds));
        seconds += 4099;
    }
}
BENCHMARK(durationText);

void hoursMinutesText(benchmark::State& state)
{
    double seconds = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BaseKit::Duration::hoursMinutesText(seconds));
        seconds += 61.5;
    }
}
BENCHMARK(hoursMinutesText);

void clockText(benchmark::State& state)
{
    std::int64_t seconds = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BaseKit::Duration::clockText(seconds, true));
        seconds += 37;
    }
}
BENCHMARK(clockText);

// This machine's clock in Berlin.
BaseKit::DateEnvironment berlin()
{
    BaseKit::DateEnvironment dates;
    dates.timeZoneId = QStringLiteral("Europe/Berlin");
    return dates;
}

void shortDateMediumTime(benchmark::State& state)
{
    BaseKit::DateEnvironment dates = berlin();
    dates.localeName = QStringLiteral("de_DE");
    double timestamp = 1700000000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            BaseKit::Date(timestamp).string(dates, BaseKit::DateStyle::Short, BaseKit::DateStyle::Medium));
        timestamp += 3607;
    }
}
BENCHMARK(shortDateMediumTime);

void logTimestampText(benchmark::State& state)
{
    const BaseKit::DateEnvironment dates = berlin();
    double timestamp = 1700000000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BaseKit::Date(timestamp).logTimestampText(dates));
        timestamp += 3607.125;
    }
}
BENCHMARK(logTimestampText);

void startOfWeek(benchmark::State& state)
{
    const BaseKit::DateEnvironment dates = berlin();
    for (auto _ : state)
        benchmark::DoNotOptimize(BaseKit::Date::startOfWeek(dates));
}
BENCHMARK(startOfWeek);

} // namespace
