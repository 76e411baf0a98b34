// An application's metainfo is read on the main thread when the update check answers, and anyone who
// can install a package or write to ~/.local/share decides what it holds. Each case times one read of
// a hostile shape; "peakGrowthMiB" is how far the process's peak resident size rose during the case,
// which is only that case's own figure when the case runs alone (--benchmark_filter).
#include "Platform/Desktop/DesktopEntries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Times reading `document` as an application's metainfo.
void readAsMetainfo(benchmark::State& state, const QByteArray& document)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("metainfo"));
    QFile file(dir.filePath(QStringLiteral("metainfo/org.example.Bench.metainfo.xml")));
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size()) {
        state.SkipWithError("the metainfo file could not be written");
        return;
    }
    file.close();
    Platform::DesktopEntry entry;
    entry.identifier = QStringLiteral("org.example.Bench");
    entry.dataDirectory = dir.path();
    const long before = peakResidentKiB();
    qsizetype versions = 0;
    for (auto _ : state) {
        versions = Platform::DesktopEntries::releaseVersions(entry).size();
        benchmark::DoNotOptimize(versions);
    }
    state.counters["bytes"] = double(document.size());
    state.counters["versions"] = double(versions);
    state.counters["peakGrowthMiB"] = double(peakResidentKiB() - before) / 1024;
}

QByteArray wrapped(const QByteArray& releases)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<component type=\"desktop-application\">\n"
           "  <id>org.example.Bench</id>\n  <releases>\n" + releases + "  </releases>\n</component>\n";
}

// One release element with `count` empty attributes ("a0" … ), or as many as fill `bytes` when
// count is 0.
QByteArray oneReleaseWithAttributes(qsizetype count, qsizetype bytes)
{
    QByteArray element = "    <release version=\"1.0\"";
    for (qsizetype i = 0; count ? i < count : element.size() + 16 < bytes; ++i)
        element += " a" + QByteArray::number(i) + "=\"\"";
    return wrapped(element + "/>\n");
}

void MetainfoManyAttributes(benchmark::State& state)
{
    readAsMetainfo(state, oneReleaseWithAttributes(state.range(0), 0));
}
BENCHMARK(MetainfoManyAttributes)->Arg(20'000)->Arg(80'000)->Unit(benchmark::kMillisecond);

// The same element filling a file of `range(0)` KiB (the reader's size limit and four times it).
void MetainfoManyAttributesFillingTheFile(benchmark::State& state)
{
    readAsMetainfo(state, oneReleaseWithAttributes(0, state.range(0) * 1024 - 200));
}
BENCHMARK(MetainfoManyAttributesFillingTheFile)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);

// The most costly file the reader still reads through: releases with 32 attributes each (the most an
// element may have), up to the size limit.
void MetainfoManyReleasesWithManyAttributes(benchmark::State& state)
{
    QByteArray release = "    <release version=\"1.0\"";
    for (int i = 0; i < 31; ++i)
        release += " a" + QByteArray::number(i) + "=\"\"";
    release += "/>\n";
    QByteArray releases;
    while (releases.size() + release.size() + 200 < 1024 * 1024)
        releases += release;
    readAsMetainfo(state, wrapped(releases));
}
BENCHMARK(MetainfoManyReleasesWithManyAttributes)->Unit(benchmark::kMillisecond);

// 12,000 releases below a document type that gives releases 12,000 default attributes (under 1 MiB).
void MetainfoReleasesBelowManyAttributeDefaults(benchmark::State& state)
{
    QByteArray declarations, releases;
    for (int i = 0; i < 12'000; ++i) {
        declarations += "<!ATTLIST release a" + QByteArray::number(i) + " CDATA #IMPLIED>\n";
        releases += "    <release version=\"1.0\"/>\n";
    }
    QByteArray document = wrapped(releases);
    readAsMetainfo(state, document.insert(document.indexOf('\n') + 1, "<!DOCTYPE component [\n" + declarations + "]>\n"));
}
BENCHMARK(MetainfoReleasesBelowManyAttributeDefaults)->Unit(benchmark::kMillisecond);

// 20,000 releases below 60 levels of 30 namespace declarations each.
void MetainfoReleasesBelowManyNamespaces(benchmark::State& state)
{
    QByteArray opening, closing, releases;
    for (int level = 0; level < 60; ++level) {
        opening += "<n";
        for (int i = 0; i < 30; ++i)
            opening += " xmlns:p" + QByteArray::number(i) + "=\"urn:x\"";
        opening += ">";
        closing += "</n>";
    }
    for (int i = 0; i < 20'000; ++i)
        releases += "<release version=\"1.0\"/>\n";
    readAsMetainfo(state, wrapped(opening + releases + closing));
}
BENCHMARK(MetainfoReleasesBelowManyNamespaces)->Unit(benchmark::kMillisecond);

} // namespace
