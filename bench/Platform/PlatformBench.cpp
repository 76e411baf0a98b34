// Defaults are read on every sample and every repaint; decoding runs whenever a suite changed; the
// registry is asked for the processors on every sample; the process table is read on every sample.
#include "Platform/PropertyList/Defaults.h"
#include "Platform/PropertyList/PlistValue.h"
#include "Platform/Proc/ProcessTable.h"
#include "Platform/Registry/SysfsRegistry.h"

#include "../../tests/Support/HandMadePlist.h"
#include "../../tests/Support/HostileSuites.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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


// This machine's process table with `extra` more sleeping processes (0 or 400: about 150 and 550
// processes on an idle desktop), read with the stat files kept open or opened on every scan.
class Sleepers {
public:
    explicit Sleepers(int count)
    {
        for (int i = 0; i < count; ++i) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::pause();
                ::_exit(0);
            }
            if (pid > 0)
                m_pids.push_back(pid);
        }
    }
    ~Sleepers()
    {
        for (const pid_t pid : m_pids)
            ::kill(pid, SIGKILL);
        for (const pid_t pid : m_pids)
            ::waitpid(pid, nullptr, 0);
    }

private:
    std::vector<pid_t> m_pids;
};

void ProcessTableList(benchmark::State& state)
{
    const Sleepers sleepers(int(state.range(0)));
    const auto openFiles = state.range(1) ? Platform::ProcessTable::OpenFiles::keep : Platform::ProcessTable::OpenFiles::reopen;
    Platform::ProcessTable table(QStringLiteral("/"), openFiles);
    std::vector<Platform::ProcessRecord> records;
    table.list(records);
    for (auto _ : state)
        table.list(records);
    state.counters["processes"] = double(records.size());
    state.counters["open_files"] = double(table.openFileCount());
}
BENCHMARK(ProcessTableList)
    ->ArgNames({"extra", "kept"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({400, 0})
    ->Args({400, 1})
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void StatLineParse(benchmark::State& state)
{
    const std::string line = "123456 (gnome-shell-cal) S 1 2345 2345 0 -1 4194560 123456 0 3 0 18273 4521 0 0 20 0 "
                             "4 0 4321987 1234567890 23456 18446744073709551615 1 1 0 0 0 0 0 4096 0 0 0 17 3 0 0 0 0 "
                             "0 0 0 0 0 0 0 0 0\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(Platform::StatLine::parse(line));
}
BENCHMARK(StatLineParse);

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

// The worst suites another program can leave in the settings folder: the most values a suite may
// hold, in either format, and far more once shared objects are expanded (refused).
namespace {
Platform::PlistValue largestSuite()
{
    Platform::PlistValue::ArrayType items;
    // The root, the key and the array, and the values: the bound exactly.
    for (std::size_t i = 0; i + 3 < Platform::PlistValue::kMaxElements; ++i)
        items.emplace_back(double(i) + 0.5);
    return Platform::PlistValue(Platform::PlistValue::DictionaryType{{QStringLiteral("list"), std::move(items)}});
}

void PlistDecodeLargestSuite(benchmark::State& state)
{
    const Platform::PlistValue suite = largestSuite();
    const QByteArray bytes = state.range(0) ? suite.encodeXml() : suite.encodeBinary();
    bool decoded = false;
    for (auto _ : state) {
        decoded = Platform::PlistValue::decode(bytes).has_value();
        benchmark::DoNotOptimize(decoded);
    }
    if (!decoded)
        state.SkipWithError("the suite was refused");
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(PlistDecodeLargestSuite)->ArgName("xml")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void PlistDecodeRunawaySharing(benchmark::State& state)
{
    // An array of 50,000 references to one array of 100 values: five million values expanded.
    HandMadePlist list;
    const auto root = list.reserve();
    const auto value = list.add(QByteArray(1, char(0x09)));
    const auto inner = list.add(HandMadePlist::array(std::vector<HandMadePlist::Ref>(100, value)));
    list.set(root, HandMadePlist::array(std::vector<HandMadePlist::Ref>(50'000, inner)));
    const QByteArray bytes = list.bytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(Platform::PlistValue::decode(bytes));
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(PlistDecodeRunawaySharing)->Unit(benchmark::kMillisecond);

void PlistDecodeManyDates(benchmark::State& state)
{
    // 99,225 dates (or booleans, to compare) from a list of some kilobytes: one date at every place of one
    // array of 315 that stands at 315 places; in XML 99,997 dates (or integers) one after another.
    const bool dates = state.range(0) != 0;
    const bool xml = state.range(1) != 0;
    QByteArray bytes;
    if (xml)
        bytes = dates ? HostileSuites::xmlDates(99'997) : HostileSuites::integersThenBlanks(99'997, 0);
    else
        bytes = HostileSuites::sharedRows(315, 315,
                                          dates ? HandMadePlist::date(731'000'000.5) : HandMadePlist::boolean(true));
    bool decoded = false;
    for (auto _ : state) {
        decoded = Platform::PlistValue::decode(bytes).has_value();
        benchmark::DoNotOptimize(decoded);
    }
    if (!decoded)
        state.SkipWithError("the list was refused");
}
BENCHMARK(PlistDecodeManyDates)
    ->ArgNames({"dates", "xml"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void DefaultsReadSuiteAtTheSizeCap(benchmark::State& state)
{
    // A suite file of just under 16 MiB: two data values, as the companion's suite holds its lists; in
    // XML they take a third more room as text.
    const bool xml = state.range(0) != 0;
    Platform::Defaults defaults(QStringLiteral("bench.cap"));
    const QByteArray blob((xml ? 5 : 7) * 1024 * 1024, 'x');
    const auto encode = [xml, &blob](const QByteArray& fans) {
        const Platform::PlistValue suite(Platform::PlistValue::DictionaryType{{QStringLiteral("sensors"), blob},
                                                                              {QStringLiteral("fans"), fans}});
        return xml ? suite.encodeXml() : suite.encodeBinary();
    };
    const QByteArray files[2] = {encode(blob), encode(blob + "y")};
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile file(defaults.filePath() + QStringLiteral(".new"));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(files[++round % 2]);
            file.close();
            QFile::remove(defaults.filePath());
            file.rename(defaults.filePath());
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(defaults.data(QStringLiteral("fans")));
    }
    if (!defaults.data(QStringLiteral("fans")))
        state.SkipWithError("the suite was not read");
    state.counters["bytes"] = double(files[0].size());
    QFile::remove(defaults.filePath());
}
BENCHMARK(DefaultsReadSuiteAtTheSizeCap)->ArgName("xml")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
} // namespace
