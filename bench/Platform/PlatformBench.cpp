// Defaults are read on every sample and every repaint; decoding runs whenever a suite changed; the
// registry is asked for the processors on every sample.
#include "Platform/Defaults.h"
#include "Platform/PlistValue.h"
#include "Platform/SysfsRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(KESTRION_FIXTURES "/Platform/plist/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Platform::Defaults& suite()
{
    static Platform::Defaults* defaults = [] {
        auto* d = new Platform::Defaults(QStringLiteral("com.brannock.bench"));
        for (int i = 0; i < 40; ++i)
            d->set(QStringLiteral("key%1").arg(i), i);
        d->set(QStringLiteral("flag"), true);
        d->set(QStringLiteral("name"), QStringLiteral("Kestrion"));
        return d;
    }();
    return *defaults;
}

void DefaultsReadBool(benchmark::State& state)
{
    Platform::Defaults& d = suite();
    for (auto _ : state)
        benchmark::DoNotOptimize(d.boolean(QStringLiteral("flag")));
}
BENCHMARK(DefaultsReadBool);

void DefaultsReadString(benchmark::State& state)
{
    Platform::Defaults& d = suite();
    for (auto _ : state)
        benchmark::DoNotOptimize(d.string(QStringLiteral("name")));
}
BENCHMARK(DefaultsReadString);

void DefaultsWrite(benchmark::State& state)
{
    Platform::Defaults& d = suite();
    std::int64_t i = 0;
    for (auto _ : state)
        d.set(QStringLiteral("counter"), ++i);
}
BENCHMARK(DefaultsWrite);

void PlistDecodeBinary(benchmark::State& state)
{
    const QByteArray bytes = fixture("many-keys.bin.plist");
    for (auto _ : state)
        benchmark::DoNotOptimize(Platform::PlistValue::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(PlistDecodeBinary);

void PlistDecodeXml(benchmark::State& state)
{
    const QByteArray bytes = fixture("settings.xml.plist");
    for (auto _ : state)
        benchmark::DoNotOptimize(Platform::PlistValue::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(PlistDecodeXml);

void PlistEncodeBinary(benchmark::State& state)
{
    const auto value = Platform::PlistValue::decode(fixture("many-keys.bin.plist"));
    for (auto _ : state)
        benchmark::DoNotOptimize(value->encodeBinary());
}
BENCHMARK(PlistEncodeBinary);

// What the processor sampler asks the registry every second: the processor entries by name (each
// adapter's stamp is checked; nothing changed, so nothing is listed again) and their properties.
void RegistryProcessorLookup(benchmark::State& state)
{
    const auto registry = Platform::SysfsRegistry::live(QStringLiteral(KESTRION_FIXTURES "/SystemKit/sysfs/devicetree"));
    const QStringList keys{QStringLiteral("compatible"), QStringLiteral("clock-frequency"),
                           QStringLiteral("timebase-frequency"), QStringLiteral("bus-frequency")};
    for (auto _ : state) {
        for (const Platform::RegistryEntryId entry : registry->entriesNamed(QStringLiteral("processor"))) {
            for (const QString& key : keys)
                benchmark::DoNotOptimize(registry->property(entry, key));
        }
    }
}
BENCHMARK(RegistryProcessorLookup)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // Suites go to a temporary config folder, never the real one.
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toUtf8().constData(), 1);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
