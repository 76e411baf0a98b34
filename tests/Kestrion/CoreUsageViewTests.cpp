#include "CardTestSupport.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CoreUsageView.h"

#include <QtEndian>

#include <limits>

using Kestrion::CoreUsageView;
using SystemKit::ProcessorCore;
using SystemKit::ProcessorCoreList;
using ViewKit::VKColorScheme;
using ViewKit::VKNamedColor;
using ViewKit::VKTheme;

namespace {
ProcessorCoreList cores(std::initializer_list<float> usages)
{
    ProcessorCoreList result;
    std::int64_t id = 0;
    for (float usage : usages) {
        auto core = std::make_shared<ProcessorCore>();
        core->setCpuId(id++);
        core->setUsage(usage);
        result.append(core);
    }
    return result;
}
} // namespace

TEST(CoreCard, HeavyLoadsAreRed)
{
    const QPalette palette = VKTheme::palette(VKColorScheme::light);
    const QColor red = VKTheme::color(VKNamedColor::red, VKColorScheme::light);
    const QColor accent = palette.color(QPalette::Highlight);
    const auto bars = CoreUsageView::bars(cores({0.69f, 0.7f, 1.0f, std::numeric_limits<float>::quiet_NaN(), 0.0f}),
                                          VKColorScheme::light, palette);
    ASSERT_EQ(bars.size(), 5u);
    EXPECT_EQ(bars[0].color, accent);
    EXPECT_EQ(bars[1].color, red);
    EXPECT_EQ(bars[2].color, red);
    EXPECT_EQ(bars[3].color, accent); // not a number: not heavy
    EXPECT_EQ(bars[4].color, accent);
    EXPECT_FLOAT_EQ(float(bars[0].value), 0.69f);
}

TEST(CoreCard, OneBarPerProcessorInListOrder)
{
    const auto bars = CoreUsageView::bars(cores({0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f}), VKColorScheme::dark,
                                          VKTheme::palette(VKColorScheme::dark));
    ASSERT_EQ(bars.size(), 8u);
    for (size_t i = 0; i < bars.size(); ++i)
        EXPECT_FLOAT_EQ(float(bars[i].value), 0.1f * float(i + 1));
}

TEST(CoreCard, DrawsTheSamplersCoresInBothSchemesAndRatios)
{
    // Three processors loaded 69 %, 70 % and 100 % over one second.
    SyntheticMachine machine;
    machine.setTicks(Ticks{0, 0, 0, 300}, {Ticks{0, 0, 0, 100}, Ticks{0, 0, 0, 100}, Ticks{0, 0, 0, 100}});
    auto cpu = machine.makeProcessor(3);
    cpu->refresh();
    machine.setTicks(Ticks{239, 0, 0, 361}, {Ticks{69, 0, 0, 131}, Ticks{70, 0, 0, 130}, Ticks{100, 0, 0, 100}});
    machine.advance(1);
    cpu->refresh();
    ASSERT_EQ(cpu->cores().size(), 3);
    ASSERT_FLOAT_EQ(cpu->cores()[1]->usage(), 0.7f);

    for (const VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark}) {
        for (const qreal ratio : cardRatios) {
            SCOPED_TRACE(testing::Message() << "dark " << (scheme == VKColorScheme::dark) << " ratio " << ratio);
            LookFixture look;
            CoreUsageView card(*cpu, look.settings);
            applyScheme(card, scheme);
            const QImage image = renderWidget(card, QSize(330, 260), ratio);
            const QRect chart = card.chart()->geometry();
            EXPECT_EQ(chart.height(), 144);
            const qreal slot = chart.width() / 3.0;
            const qreal y = chart.bottom() - 20;
            const QColor red = VKTheme::color(VKNamedColor::red, scheme);
            const QColor accent = card.palette().color(QPalette::Highlight);
            EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(chart.left() + slot * 0.5, y)), accent));
            EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(chart.left() + slot * 1.5, y)), red));
            EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(chart.left() + slot * 2.5, y)), red));
            // The 69 % bar ends below the top of the 100 % bar.
            const qreal high = chart.top() + 144 * 0.2;
            EXPECT_FALSE(sameRgb(pixelAt(image, QPointF(chart.left() + slot * 0.5, high)), accent, 30));
            EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(chart.left() + slot * 2.5, high)), red));
        }
    }
}

TEST(CoreCard, WithAnOfflineProcessorEveryBarShowsItsOwnProcessorsLoad)
{
    // Processors 0 to 7 present, 3 offline; since boot processor N was busy (N + 1) × 10 % of the time.
    SyntheticMachine machine;
    QByteArray stat = "cpu  320 0 0 380 0 0 0 0 0 0\n";
    std::vector<float> loads;
    for (int n : {0, 1, 2, 4, 5, 6, 7}) {
        stat += "cpu" + QByteArray::number(n) + ' ' + QByteArray::number(10 * (n + 1)) + " 0 0 "
                + QByteArray::number(100 - 10 * (n + 1)) + " 0 0 0 0 0 0\n";
        loads.push_back(0.1f * float(n + 1));
    }
    machine.write(QStringLiteral("proc/stat"), stat + "btime 1765000000\n");
    auto registry = std::make_shared<Platform::InMemoryRegistry>();
    for (quint32 n = 0; n < 8; ++n) {
        QByteArray number(4, '\0');
        qToLittleEndian(n, number.data());
        registry->addEntry(std::nullopt, QStringLiteral("processor"), QStringLiteral("IOCPU"),
                           {{QStringLiteral("processor-number"), number}});
    }
    SystemKit::ProcessorEnvironment environment;
    environment.host = std::make_shared<Platform::HostStatistics>(machine.root());
    environment.processTable = std::make_shared<Platform::ProcessTable>(machine.root());
    environment.registry = registry;
    environment.currentTime = [] { return 1765000100.0; };
    environment.monotonicNanoseconds = [] { return std::int64_t(5'000'000'000); };
    environment.activeProcessorCount = [] { return std::uint32_t(7); };
    environment.logicalProcessorCount = [] { return std::uint32_t(7); };
    environment.threadCount = [] { return std::uint32_t(7); };
    environment.isAppleSilicon = [] { return false; };
    SystemKit::ProcessorController cpu(30, environment);
    cpu.refresh();
    ASSERT_EQ(cpu.cores().size(), 7);

    LookFixture look;
    CoreUsageView card(cpu, look.settings);
    applyScheme(card, VKColorScheme::light);
    const QImage image = renderWidget(card, QSize(330, 260), 1);
    const QRect chart = card.chart()->geometry();
    const qreal slot = chart.width() / 7.0;
    const qreal bottom = chart.top() + chart.height();
    for (std::size_t i = 0; i < loads.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "bar " << i);
        const QColor colour = loads[i] >= 0.7f ? VKTheme::color(VKNamedColor::red, VKColorScheme::light)
                                               : card.palette().color(QPalette::Highlight);
        const qreal x = chart.left() + slot * (qreal(i) + 0.5);
        const qreal top = bottom - chart.height() * loads[i];
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(x, top + 5)), colour));
        EXPECT_FALSE(sameRgb(pixelAt(image, QPointF(x, top - 5)), colour, 30));
    }
}

TEST(CoreCard, RedrawsOnlyFromTheSampler)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor(2);
    LookFixture look;
    CoreUsageView card(*cpu, look.settings);
    applyScheme(card, VKColorScheme::light);
    QImage before = renderWidget(card, QSize(330, 260), 1);
    const QRect chart = card.chart()->geometry();
    const QPointF bar(chart.left() + chart.width() * 0.25, chart.bottom() - 10);
    EXPECT_FALSE(sameRgb(pixelAt(before, bar), card.palette().color(QPalette::Highlight), 30)); // no cores yet

    machine.setTicks(Ticks{0, 0, 0, 200}, {Ticks{0, 0, 0, 100}, Ticks{0, 0, 0, 100}});
    cpu->refresh();
    machine.setTicks(Ticks{100, 0, 0, 300}, {Ticks{50, 0, 0, 150}, Ticks{50, 0, 0, 150}});
    machine.advance(1);
    cpu->refresh();
    const QImage after = renderWidget(card, QSize(330, 260), 1);
    EXPECT_TRUE(isOpaque(pixelAt(after, bar), card.palette().color(QPalette::Highlight)));
}
