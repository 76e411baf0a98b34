// The suites and lists that cost a reader the most for their size, read as the program reads them on
// its main thread: a settings suite through Defaults, the companion's sensor list through its data
// model. Each at the size it was first seen at and at the cap of its file. Counters: the file's
// bytes, whether it was read (1) or refused (0), and how far the resident memory rose above what it
// was before the first read, in MiB.
#include "ThermionKit/ThermionDataModel.h"

#include "Platform/PropertyList/Defaults.h"
#include "Platform/PropertyList/PlistValue.h"

#include "../../tests/Support/CompanionLists.h"
#include "../../tests/Support/HostileSuites.h"
#include "../../tests/Support/PeakResident.h"

#include <QFile>
#include <QSaveFile>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

constexpr qsizetype kMiB = 1024 * 1024;
// The largest settings file read, and the largest sensor list.
constexpr qsizetype kSuiteCap = 16 * kMiB;
constexpr qsizetype kListCap = 4 * kMiB;

void replace(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
        file.commit();
    }
}

// Reads the suite file `bytes` through a Defaults made anew for every read (made outside the timing),
// as another program's suite.
void readSuite(benchmark::State& state, const QByteArray& bytes)
{
    const QString suite = QStringLiteral("bench.hostile");
    replace(Platform::Defaults(suite).filePath(), bytes);
    bool read = false;
    const long long base = PeakResident::reset();
    for (auto _ : state) {
        state.PauseTiming();
        auto defaults = std::make_unique<Platform::Defaults>(suite, Platform::Defaults::Owner::anotherProgram);
        state.ResumeTiming();
        read = !defaults->dictionary().empty();
        state.PauseTiming();
        defaults.reset();
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = PeakResident::mibAbove(base);
    state.counters["bytes"] = double(bytes.size());
    state.counters["read"] = read;
    QFile::remove(Platform::Defaults(suite).filePath());
}

void XmlIntegersThenBlanks(benchmark::State& state)
{
    // 20,000 integers, then 1 MiB of blanks or as many as the cap leaves.
    const QByteArray few = HostileSuites::integersThenBlanks(20'000, 0);
    readSuite(state, HostileSuites::integersThenBlanks(20'000, state.range(0) ? kSuiteCap - few.size() : kMiB));
}
BENCHMARK(XmlIntegersThenBlanks)->ArgName("cap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void XmlCharacterReferences(benchmark::State& state)
{
    readSuite(state, HostileSuites::references(state.range(0) ? state.range(0) * 1000 : kSuiteCap));
}
BENCHMARK(XmlCharacterReferences)->ArgName("kB")->Arg(400)->Arg(1000)->Arg(4000)->Arg(0)->Unit(benchmark::kMillisecond);

void BinarySharedKey(benchmark::State& state)
{
    // 30,000 dictionaries sharing one UTF-16 key of 4 MB, or of as much as the cap leaves.
    readSuite(state, HostileSuites::sharedKey(30'000, state.range(0) ? 8'000'000 : 2'000'000));
}
BENCHMARK(BinarySharedKey)->ArgName("cap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BinarySharedText(benchmark::State& state)
{
    // One text of 256 KiB at 1,000 places, or one of 15 MiB at as many places as values may be.
    readSuite(state, state.range(0) ? HostileSuites::sharedText(99'990, 15 * kMiB)
                                    : HostileSuites::sharedText(1'000, 256 * 1024));
}
BENCHMARK(BinarySharedText)->ArgName("cap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SensorsSharingADescription(benchmark::State& state)
{
    // 2,000 sensors naming one text of 1 MB, or of as much as the list's cap leaves; the list held in
    // the companion's suite, read by its data model.
    const QByteArray list = CompanionLists::sensorsSharingDescription(
        2'000, state.range(0) ? kListCap - 200'000 : 1'000'000);
    const QString suite = QStringLiteral("bench.hostile.companion");
    ThermionKit::ThermionDataModel model(suite);
    replace(model.userDefaults()->filePath(),
            Platform::PlistValue(Platform::PlistValue::DictionaryType{{QStringLiteral("sensors"), list}}).encodeBinary());
    bool read = false;
    const long long base = PeakResident::reset();
    for (auto _ : state)
        read = model.loadSensors().has_value();
    state.counters["peak_MiB"] = PeakResident::mibAbove(base);
    state.counters["bytes"] = double(list.size());
    state.counters["read"] = read;
    QFile::remove(model.userDefaults()->filePath());
}
BENCHMARK(SensorsSharingADescription)->ArgName("cap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
