// The cards format a size, a rate and a few numbers once a second for every row they show.
#include "BaseKit/FormatNumber.h"
#include "BaseKit/IO.h"

#include <QLocale>
#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void formatNumberOneDigit(benchmark::State& state)
{
    double value = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BaseKit::formatNumber(value, 1));
        value += 0.37;
    }
}
BENCHMARK(formatNumberOneDigit);

void formatNumberGerman(benchmark::State& state)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    double value = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BaseKit::formatNumber(value, 2));
        value += 0.37;
    }
    QLocale::setDefault(previous);
}
BENCHMARK(formatNumberGerman);

void sizeText(benchmark::State& state)
{
    std::uint64_t bytes = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BaseKit::IO::sizeText(bytes));
        bytes = bytes * 3 + 7;
    }
}
BENCHMARK(sizeText);

void rateTextBytes(benchmark::State& state)
{
    std::uint64_t rate = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BaseKit::IO::rateText(rate, false));
        rate = (rate * 5 + 3) % (1ULL << 34);
    }
}
BENCHMARK(rateTextBytes);

void compactRateTextBits(benchmark::State& state)
{
    std::uint64_t rate = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BaseKit::IO::compactRateText(rate, true));
        rate = (rate * 5 + 3) % (1ULL << 34);
    }
}
BENCHMARK(compactRateTextBits);

} // namespace

BENCHMARK_MAIN();
