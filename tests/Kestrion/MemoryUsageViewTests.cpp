#include "CardTestSupport.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/MemoryUsageView.h"
#include "Kestrion/Cards/ProcessListModel.h"
#include "Kestrion/Cards/ProcessListView.h"

#include "BaseKit/IO.h"

#include <QCoreApplication>

using Kestrion::MemoryUsageView;
using Kestrion::ProcessListModel;
using Kestrion::ProcessMeasure;
using SystemKit::RunningProcessList;
using ViewKit::VKColorScheme;
using ViewKit::VKNamedColor;
using ViewKit::VKTheme;

namespace {
constexpr std::uint64_t GiB = std::uint64_t(1) << 30;

// 16 GiB of memory: 2 GiB wired, 4 GiB active, 1 GiB compressed.
struct SampledMemory {
    SyntheticMachine machine;
    std::unique_ptr<SystemKit::MemoryController> memory;

    SampledMemory()
    {
        machine.setMemory("MemTotal: 16777216 kB\nMemFree: 9437184 kB\nActive: 4194304 kB\nInactive: 0 kB\n"
                          "Unevictable: 2097152 kB\nSUnreclaim: 0 kB\nKernelStack: 0 kB\nPageTables: 0 kB\n"
                          "Zswap: 1048576 kB\n");
        memory = machine.makeMemory();
        memory->refresh();
    }
};
} // namespace

TEST(MemoryCard, SummaryShowsTheSamplersAmounts)
{
    SampledMemory run;
    ASSERT_EQ(run.memory->wired(), 2 * GiB);
    const Kestrion::UsageSummary summary = MemoryUsageView::summary(*run.memory, 16 * GiB, VKColorScheme::light);
    EXPECT_EQ(summary.gaugeValues, (std::vector<double>{0.125, 0.25, 0.0625}));
    EXPECT_EQ(summary.gaugeColors, (std::vector<QColor>{VKTheme::color(VKNamedColor::blue, VKColorScheme::light),
                                                        VKTheme::color(VKNamedColor::pink, VKColorScheme::light),
                                                        VKTheme::color(VKNamedColor::orange, VKColorScheme::light)}));
    ASSERT_EQ(summary.legends.size(), 4u);
    EXPECT_EQ(summary.legends[0].value, QStringLiteral("2 GB"));
    EXPECT_EQ(summary.legends[1].value, QStringLiteral("4 GB"));
    EXPECT_EQ(summary.legends[2].value, QStringLiteral("1 GB"));
    EXPECT_EQ(summary.legends[3].value, BaseKit::IO::sizeText(run.memory->free()));
    EXPECT_EQ(summary.legends[3].color.alphaF(), 0.4f * VKTheme::color(VKNamedColor::gray, VKColorScheme::light).alphaF());
    EXPECT_EQ(summary.legends[0].topPadding, 16);
    EXPECT_FALSE(summary.counts);
    // The chart's scale ends at the physical memory, whatever is in use.
    EXPECT_EQ(summary.domain.upper, double(16 * GiB));
    EXPECT_EQ(summary.history.back(), double(7 * GiB));
}

TEST(MemoryCard, GaugeShowsWhatFreeShowsAsUsed)
{
    // 23.5 GiB; 15 GiB of anonymous memory on the kernel's Inactive list, little on its Active list.
    // free(1) shows MemTotal - MemAvailable = 16818084 kB as used and 7864320 kB as available.
    SyntheticMachine machine;
    machine.setMemory("MemTotal:       24682404 kB\nMemFree:         7340032 kB\nMemAvailable:    7864320 kB\n"
                      "Active:           524288 kB\nInactive:       16252928 kB\nActive(anon):      65536 kB\n"
                      "Inactive(anon): 15728640 kB\nActive(file):     458752 kB\nInactive(file):   524288 kB\n"
                      "Unevictable:       15992 kB\nSUnreclaim:        38980 kB\nKernelStack:        4368 kB\n"
                      "PageTables:        40960 kB\nZswap:                 0 kB\n");
    auto memory = machine.makeMemory();
    memory->refresh();
    const std::uint64_t physical = 24682404ull * 1024;
    const Kestrion::UsageSummary summary = MemoryUsageView::summary(*memory, physical, VKColorScheme::light);
    double gauge = 0;
    for (double part : summary.gaugeValues)
        gauge += part;
    EXPECT_NEAR(gauge, 16818084.0 / 24682404.0, 0.001);
    EXPECT_EQ(summary.legends[3].value, BaseKit::IO::sizeText(memory->free()));
    EXPECT_NEAR(double(memory->free()), 7864320.0 * 1024, 65536);
}

TEST(MemoryCard, NoPhysicalMemoryGivesAnEmptyGauge)
{
    SampledMemory run;
    const Kestrion::UsageSummary summary = MemoryUsageView::summary(*run.memory, 0, VKColorScheme::dark);
    EXPECT_EQ(summary.gaugeValues, (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(summary.domain.lower, 0);
    EXPECT_EQ(summary.domain.upper, 1);
}

TEST(MemoryCard, BeforeTheFirstSampleLegendsShowZeroBytes)
{
    SyntheticMachine machine;
    auto memory = machine.makeMemory();
    const Kestrion::UsageSummary summary = MemoryUsageView::summary(*memory, 16 * GiB, VKColorScheme::light);
    for (const auto& legend : summary.legends)
        EXPECT_EQ(legend.value, BaseKit::IO::sizeText(0));
    EXPECT_EQ(summary.gaugeValues, (std::vector<double>{0, 0, 0}));
}

TEST(MemoryCard, ProcessesByResidentSize)
{
    const RunningProcessList sampler{process(1, QStringLiteral("idle"), 0, 0), process(2, QStringLiteral("a"), 0, 4096),
                                     process(3, QStringLiteral("big"), 0, 3 * GiB),
                                     process(4, QStringLiteral("b"), 0, 4096)};
    const RunningProcessList sorted = ProcessListModel::sorted(sampler, ProcessMeasure::memoryUsage);
    QStringList order;
    for (const auto& p : sorted)
        order << p->name();
    EXPECT_EQ(order, (QStringList{"big", "a", "b", "idle"}));
    EXPECT_EQ(ProcessListModel::valueText(*sorted.last(), ProcessMeasure::memoryUsage), BaseKit::IO::sizeText(0));
    EXPECT_EQ(ProcessListModel::valueText(*sorted.first(), ProcessMeasure::memoryUsage), QStringLiteral("3 GB"));
}

TEST(MemoryCard, ListFollowsTheProcessorSampler)
{
    SampledMemory run;
    run.machine.setProcesses({{10, QStringLiteral("small"), 1, 10}, {20, QStringLiteral("large"), 1, 5000}});
    auto cpu = run.machine.makeProcessor();
    cpu->setCollectProcessInformation(true);
    LookFixture look;
    MemoryUsageView card(*run.memory, *cpu, 16 * GiB, 1, look.settings);
    card.show();
    EXPECT_EQ(card.processList()->processModel()->rowCount(), 0);
    cpu->refresh();
    QCoreApplication::processEvents();
    const ProcessListModel& model = *card.processList()->processModel();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("large"));
    EXPECT_EQ(model.index(0).data(ProcessListModel::ValueTextRole).toString(),
              BaseKit::IO::sizeText(cpu->processes()[1]->memoryUsage()));
}

TEST(MemoryCard, GaugeArcsInBothSchemesAndRatios)
{
    SampledMemory run;
    SyntheticMachine other;
    auto cpu = other.makeProcessor();
    for (const VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark}) {
        for (const qreal ratio : cardRatios) {
            SCOPED_TRACE(testing::Message() << "dark " << (scheme == VKColorScheme::dark) << " ratio " << ratio);
            LookFixture look;
            MemoryUsageView card(*run.memory, *cpu, 16 * GiB, 0, look.settings);
            applyScheme(card, scheme);
            const QImage image = renderWidget(card, QSize(400, 420), ratio);
            const QRectF gauge = MemoryUsageView::summary(*run.memory, 16 * GiB, scheme)
                                     .layout(0, 0)
                                     .gauge.translated(card.summaryView()->pos());
            EXPECT_EQ(gauge.width(), 80);
            // Wired to 45°, active to 135°, compressed to 157.5°, then the bare track.
            EXPECT_TRUE(isOpaque(pixelAt(image, ringPoint(gauge, 8, 22)), VKTheme::color(VKNamedColor::blue, scheme), 3));
            EXPECT_TRUE(isOpaque(pixelAt(image, ringPoint(gauge, 8, 90)), VKTheme::color(VKNamedColor::pink, scheme), 3));
            EXPECT_TRUE(
                isOpaque(pixelAt(image, ringPoint(gauge, 8, 146)), VKTheme::color(VKNamedColor::orange, scheme), 3));
            EXPECT_FALSE(
                sameRgb(pixelAt(image, ringPoint(gauge, 8, 250)), VKTheme::color(VKNamedColor::orange, scheme), 30));
        }
    }
}
