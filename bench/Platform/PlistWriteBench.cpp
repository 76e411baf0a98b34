// A settings suite is written whenever a setting changes: writing takes time linear in the number of
// keys, in both forms, whatever the keys look like. Each case writes a suite of `keys` entries whose
// keys come from one family; "perKey" is the time per key, which stays the same from 1,024 to 16,384
// keys when writing is linear. A suite whose list holds one text at thousands of places costs a change
// what its file of some kilobytes costs, and its XML form, spelled out at every place, is refused
// before it is written where it is past the decoder's bound.
#include "Platform/PropertyList/Defaults.h"
#include "Platform/PropertyList/PlistValue.h"

#include "../../tests/Support/HostileSuites.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <benchmark/benchmark.h>

namespace {

using Platform::PlistValue;

// Key families: numbered ("key00000", ...); anagrams (the i-th ordering of the same sixteen letters);
// one hash: keys made of the two-letter blocks "aX" and "b7" (one block a bit of i), to which the
// common string hash h * 33 + c gives one value (97 * 33 + 88 = 98 * 33 + 55), so that a writer keeping
// its objects in buckets of such a hash compares each key with all keys before it.
enum Family { numbered, anagrams, oneHash };

QString key(int family, int i, int keys)
{
    switch (family) {
    case anagrams: {
        QString pool = QStringLiteral("abcdefghijklmnop");
        QString ordered;
        for (int rest = i, left = int(pool.size()); left > 0; --left) {
            ordered.append(pool[rest % left]);
            pool.remove(rest % left, 1);
            rest /= left;
        }
        return ordered;
    }
    case oneHash: {
        QString blocks;
        for (int bit = 1; bit < keys; bit <<= 1)
            blocks.append((i & bit) ? QLatin1String("b7") : QLatin1String("aX"));
        return blocks;
    }
    default:
        return QStringLiteral("key%1").arg(i, 5, 10, QLatin1Char('0'));
    }
}

// Values of the kinds settings hold, each key's its own.
PlistValue suite(int keys, int family)
{
    PlistValue::DictionaryType entries;
    for (int i = 0; i < keys; ++i) {
        PlistValue value;
        switch (i % 4) {
        case 0: value = PlistValue(std::int64_t(i)); break;
        case 1: value = PlistValue(QStringLiteral("value %1").arg(i)); break;
        case 2: value = PlistValue(double(i) + 0.5); break;
        default: value = PlistValue(i % 8 == 3); break;
        }
        entries.emplace(key(family, i, keys), std::move(value));
    }
    return PlistValue(std::move(entries));
}

void PlistWriteSuite(benchmark::State& state)
{
    const int keys = int(state.range(0));
    const PlistValue value = suite(keys, int(state.range(1)));
    const bool xml = state.range(2) != 0;
    if (value.toDictionary()->size() != std::size_t(keys)) {
        state.SkipWithError("the family gave equal keys");
        return;
    }
    qsizetype bytes = 0;
    for (auto _ : state) {
        QByteArray written = xml ? value.encodeXml() : value.encodeBinary();
        bytes = written.size();
        benchmark::DoNotOptimize(written);
    }
    if (bytes == 0)
        state.SkipWithError("the suite was not written");
    state.counters["bytes"] = double(bytes);
    state.counters["perKey"] = benchmark::Counter(double(keys), benchmark::Counter::kIsIterationInvariantRate
                                                                    | benchmark::Counter::kInvert);
}
BENCHMARK(PlistWriteSuite)
    ->ArgNames({"keys", "family", "xml"})
    ->ArgsProduct({{1024, 4096, 16384}, {numbered, anagrams, oneHash}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// One change of a suite whose one list holds one text of 4,096 characters at 4,095 places (its file
// some kilobytes, the text counted at each place just under the decoder's bound): the store writes the
// whole suite at each change. The text in ASCII, or in UTF-16 (U+00E9).
void DefaultsSetOnASharedText(benchmark::State& state)
{
    const bool accented = state.range(0) != 0;
    const QString suite = QStringLiteral("bench.shared-text");
    const QByteArray list = HostileSuites::sharedText(4'095, QString(4'096, accented ? QChar(0x00e9) : QChar(u'x')));
    {
        Platform::Defaults locate(suite);
        QFile file(locate.filePath());
        if (!file.open(QIODevice::WriteOnly) || file.write(list) != list.size()) {
            state.SkipWithError("the suite could not be put down");
            return;
        }
    }
    Platform::Defaults defaults(suite);
    const PlistValue read = defaults.value(QStringLiteral("list"));
    if (!read.toArray() || read.toArray()->size() != 4'095) {
        state.SkipWithError("the suite was not read");
        return;
    }
    bool written = true;
    int round = 0;
    for (auto _ : state)
        written = defaults.set(QStringLiteral("flag"), ++round % 2 == 0) && written;
    if (!written)
        state.SkipWithError("a change was not written");
    state.counters["bytes"] = double(QFileInfo(defaults.filePath()).size());
    QFile::remove(defaults.filePath());
}
BENCHMARK(DefaultsSetOnASharedText)->ArgName("accented")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The XML form of a suite whose one list holds one text of 2,048 '&' and CR pairs (each written as a
// reference of five bytes) at 4,096 places, past the decoder's bound of bytes and refused, or at 4,095
// places, written: 84 MB.
void PlistXmlWriteSharedMarkup(benchmark::State& state)
{
    const int places = int(state.range(0));
    const PlistValue suite(PlistValue::DictionaryType{
        {QStringLiteral("list"),
         PlistValue::ArrayType(std::size_t(places), PlistValue(QStringLiteral("&\r").repeated(2'048)))}});
    qsizetype bytes = 0;
    for (auto _ : state) {
        QByteArray written = suite.encodeXml();
        bytes = written.size();
        benchmark::DoNotOptimize(written);
    }
    if ((bytes == 0) != (places > 4'095))
        state.SkipWithError(places > 4'095 ? "a suite past the bound was written" : "the suite was not written");
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(PlistXmlWriteSharedMarkup)->ArgName("places")->Arg(4'095)->Arg(4'096)->Unit(benchmark::kMillisecond);

} // namespace
