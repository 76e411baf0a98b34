// The companion exchange of one second: the request cycle, and one answer of 200 sensors and 10 fans read
// from the shared suite, decoded, rebuilt into lines and handed to the two cards' rows.
#include "Kestrion/Cards/FanRowsView.h"
#include "Kestrion/Cards/SensorRowsView.h"
#include "Kestrion/Models/ThermionViewModel.h"

#include "Platform/PropertyList/Defaults.h"
#include "Platform/PropertyList/PlistValue.h"

#include <QFile>
#include <QSaveFile>

#include <benchmark/benchmark.h>

namespace {

constexpr int sensorCount = 200;
constexpr int fanCount = 10;

QByteArray suiteFile(int round)
{
    ThermionKit::SensorList sensors;
    for (int i = 0; i < sensorCount; ++i) {
        const auto type = ThermionKit::SensorTypes::allCases[std::size_t(i % 5)];
        sensors.push_back(ThermionKit::Sensor::make(QStringLiteral("T%1").arg(i), QStringLiteral("Sensor %1").arg(i),
                                                    ThermionKit::SensorGroup::sensor, type,
                                                    {ThermionKit::SensorPlatform::intel}));
        sensors.back()->value = 20 + (i + round) % 60 + 0.25;
    }
    std::vector<ThermionKit::Fan> fans;
    for (int i = 0; i < fanCount; ++i)
        fans.push_back({QStringLiteral("F%1").arg(i), QStringLiteral("Fan %1").arg(i), 1000 + round % 500, 800, 6000, 0});
    return Platform::PlistValue(Platform::PlistValue::DictionaryType{
                                    {QStringLiteral("sensors"), ThermionKit::Sensor::encodeList(sensors)},
                                    {QStringLiteral("fans"), ThermionKit::Fan::encodeList(fans)}})
        .encodeBinary();
}

void CompanionAnswer(benchmark::State& state)
{
    const QString suite = QStringLiteral("bench.companion");
    Kestrion::ThermionViewModel model(std::make_unique<ThermionKit::ThermionDataModel>(suite));
    const QString path = model.sensorsModel().userDefaults()->filePath();
    const QByteArray files[2] = {suiteFile(0), suiteFile(1)};
    Kestrion::SensorRowsView sensorRows;
    Kestrion::FanRowsView fanRows;
    int round = 0;
    for (auto _ : state) {
        // The companion's write is not ours to count.
        state.PauseTiming();
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(files[++round % 2]);
            file.commit();
        }
        state.ResumeTiming();
        model.didReceiveFans();
        model.didReceiveSensors();
        sensorRows.setSensors(model.temperatureSensors(), 0);
        fanRows.setFans(model.fans());
        benchmark::DoNotOptimize(sensorRows.rows().size());
    }
    if (model.temperatureSensors().size() != std::size_t(sensorCount))
        state.SkipWithError("the answer was not read");
    QFile::remove(path);
}
BENCHMARK(CompanionAnswer)->Unit(benchmark::kMicrosecond);

void CompanionRequest(benchmark::State& state)
{
    Kestrion::ThermionViewModel model(std::make_unique<ThermionKit::ThermionDataModel>(QStringLiteral("bench.request")));
    for (auto _ : state) {
        model.refresh();
        benchmark::DoNotOptimize(model.isRunning());
    }
}
BENCHMARK(CompanionRequest)->Unit(benchmark::kMicrosecond);

} // namespace
// The parts of one answer: the two decoders of the sensor list, the row texts, the suite's re-read.
namespace {
void CompanionQuickDecoder(benchmark::State& state)
{
    const auto root = Platform::PlistValue::decode(suiteFile(0));
    const QByteArray bytes = *(*root)[QStringLiteral("sensors")].toData();
    for (auto _ : state)
        benchmark::DoNotOptimize(ThermionKit::Sensor::decodeList(bytes));
}
BENCHMARK(CompanionQuickDecoder)->Unit(benchmark::kMicrosecond);
void CompanionFullDecoder(benchmark::State& state)
{
    const auto root = Platform::PlistValue::decode(suiteFile(0));
    const QByteArray bytes = *(*root)[QStringLiteral("sensors")].toData();
    for (auto _ : state)
        benchmark::DoNotOptimize(ThermionKit::Sensor::decodeTree(bytes));
}
BENCHMARK(CompanionFullDecoder)->Unit(benchmark::kMicrosecond);
void CompanionRowTexts(benchmark::State& state)
{
    Kestrion::SensorModelList list;
    for (int i = 0; i < sensorCount; ++i)
        list.push_back(std::make_shared<Kestrion::SensorModel>(ThermionKit::SensorTypes::allCases[std::size_t(i % 5)], "a", "b", 20.5 + i));
    Kestrion::SensorRowsView rows;
    for (auto _ : state)
        rows.setSensors(list, 0);
}
BENCHMARK(CompanionRowTexts)->Unit(benchmark::kMicrosecond);
}
namespace {
void CompanionSuiteRead(benchmark::State& state)
{
    Platform::Defaults defaults(QStringLiteral("bench.read"));
    const QByteArray files[2] = {suiteFile(0), suiteFile(1)};
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QSaveFile file(defaults.filePath());
        if (file.open(QIODevice::WriteOnly)) {
            file.write(files[++round % 2]);
            file.commit();
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(defaults.data(QStringLiteral("sensors")));
    }
}
BENCHMARK(CompanionSuiteRead)->Unit(benchmark::kMicrosecond);
}
// The worst answers a companion can give within the size a list may have: each decodes, or is refused,
// well within the second between two answers.
#include "../../tests/Support/CompanionLists.h"

namespace {
void CompanionDecodeDistinctIntegerSensors(benchmark::State& state)
{
    // Sensors of their own with integer readings: 7,000 are just under the element bound; 40,000 are
    // just under 4 MiB, and refused.
    const QByteArray bytes = CompanionLists::sensors(std::uint32_t(state.range(0)), true);
    std::size_t read = 0;
    for (auto _ : state) {
        const auto list = ThermionKit::Sensor::decodeList(bytes);
        read = list ? list->size() : 0;
        benchmark::DoNotOptimize(read);
    }
    state.counters["sensors"] = double(read);
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(CompanionDecodeDistinctIntegerSensors)->Arg(7'000)->Arg(40'000)->Unit(benchmark::kMillisecond);

void CompanionDecodeSharedSensor(benchmark::State& state)
{
    // One dictionary at `places` places: read once and copied, or refused past the element bound.
    const QByteArray bytes = CompanionLists::sharedSensor(std::uint32_t(state.range(0)));
    std::size_t read = 0;
    for (auto _ : state) {
        const auto list = ThermionKit::Sensor::decodeList(bytes);
        read = list ? list->size() : 0;
        benchmark::DoNotOptimize(read);
    }
    state.counters["sensors"] = double(read);
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(CompanionDecodeSharedSensor)->Arg(7'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void CompanionDecodeXmlAtTheElementBound(benchmark::State& state)
{
    // An XML list goes through the general decoder: as many sensors as its element bound lets through.
    Platform::PlistValue::ArrayType items;
    for (int i = 0; i < 6'000; ++i)
        items.push_back(Platform::PlistValue::DictionaryType{
            {QStringLiteral("Identifier"), QStringLiteral("S%1").arg(i)},
            {QStringLiteral("Description"), QStringLiteral("Sensor %1").arg(i)},
            {QStringLiteral("Value"), 20.5 + i},
            {QStringLiteral("Type"), 0},
            {QStringLiteral("Group"), QStringLiteral("sensor")},
            {QStringLiteral("Platforms"), Platform::PlistValue::ArrayType{QStringLiteral("m1")}}});
    const QByteArray bytes = Platform::PlistValue(items).encodeXml();
    std::size_t read = 0;
    for (auto _ : state) {
        const auto list = ThermionKit::Sensor::decodeList(bytes);
        read = list ? list->size() : 0;
        benchmark::DoNotOptimize(read);
    }
    state.counters["sensors"] = double(read);
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(CompanionDecodeXmlAtTheElementBound)->Unit(benchmark::kMillisecond);
} // namespace
