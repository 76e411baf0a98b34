#include "CardTestSupport.h"

#include "Support/LocaleScope.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/ProcessListModel.h"
#include "Kestrion/Cards/ProcessListView.h"
#include "Kestrion/Cards/ProcessorUsageView.h"
#include "ViewKit/VKLegendView.h"
#include "ViewKit/VKPercentText.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <QFontMetricsF>
#include <QLayout>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>

#include <cmath>
#include <functional>
#include <limits>

using Kestrion::ProcessListModel;
using Kestrion::ProcessMeasure;
using Kestrion::ProcessorUsageView;
using SystemKit::ProcessorController;
using SystemKit::RunningProcessList;
using ViewKit::VKColorScheme;
using ViewKit::VKNamedColor;
using ViewKit::VKTheme;

namespace {
QStringList names(const RunningProcessList& list)
{
    QStringList result;
    for (const auto& p : list)
        result << p->name();
    return result;
}

QStringList modelNames(const ProcessListModel& model)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result << model.index(row).data(ProcessListModel::NameRole).toString();
    return result;
}

// A sampler after two samples one second apart: host loads of 12.9 % system and 30.2 % user, and
// four processes whose loads are 5, 20, 5 and 0 %.
struct SampledProcessor {
    SyntheticMachine machine;
    std::unique_ptr<ProcessorController> cpu;

    explicit SampledProcessor(bool secondSample = true)
    {
        machine.setProcesses({{10, QStringLiteral("alpha"), 100, 10},
                              {20, QStringLiteral("beta"), 100, 10},
                              {30, QStringLiteral("gamma"), 100, 10},
                              {40, QStringLiteral("delta"), 100, 10}});
        cpu = machine.makeProcessor();
        cpu->setCollectProcessInformation(true);
        cpu->refresh();
        if (secondSample)
            takeSecondSample();
    }

    void takeSecondSample()
    {
        machine.setTicks(Ticks{100 + 302, 0, 100 + 129, 800 + 569}, {});
        machine.setProcesses({{10, QStringLiteral("alpha"), 105, 10},
                              {20, QStringLiteral("beta"), 120, 10},
                              {30, QStringLiteral("gamma"), 105, 10},
                              {40, QStringLiteral("delta"), 100, 10}});
        machine.advance(1);
        cpu->refresh();
    }
};
} // namespace

TEST(ProcessRows, UsageTextsAreCutTowardZero)
{
    LocaleScope english(QStringLiteral("en_US"));
    EXPECT_EQ(ProcessListModel::processorUsageText(0.05), QStringLiteral("0.0%"));
    EXPECT_EQ(ProcessListModel::processorUsageText(99.99), QStringLiteral("99.9%"));
    EXPECT_EQ(ProcessListModel::processorUsageText(12.37), QStringLiteral("12.3%"));
    EXPECT_EQ(ProcessListModel::processorUsageText(1234.5), QStringLiteral("1234.5%")); // no grouping
    EXPECT_EQ(ProcessListModel::processorUsageText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("-%"));
    // The sampler keeps loads as single-precision numbers: the row shows them the same way.
    EXPECT_EQ(ProcessListModel::valueText(*process(1, QStringLiteral("a"), 99.99f), ProcessMeasure::processorUsage),
              QStringLiteral("99.9%"));
    EXPECT_EQ(ProcessListModel::valueText(*process(1, QStringLiteral("a"), 0.05f), ProcessMeasure::processorUsage),
              QStringLiteral("0.0%"));
    LocaleScope german(QStringLiteral("de_DE"));
    EXPECT_EQ(ProcessListModel::processorUsageText(12.37), QStringLiteral("12,3%"));
}

TEST(ProcessRows, SortedByLoadLargestFirstKeepingTheSamplersOrderForEqualLoads)
{
    const RunningProcessList sampler{process(1, QStringLiteral("a"), 3), process(2, QStringLiteral("b"), 7),
                                     process(3, QStringLiteral("c"), 3), process(4, QStringLiteral("d"), 7),
                                     process(5, QStringLiteral("e"), std::numeric_limits<float>::quiet_NaN()),
                                     process(6, QStringLiteral("f"), 0), process(7, QStringLiteral("g"), 3)};
    const RunningProcessList sorted = ProcessListModel::sorted(sampler, ProcessMeasure::processorUsage);
    // A load that is not a number sorts as 0, among the zeros in the sampler's order.
    EXPECT_EQ(names(sorted), (QStringList{"b", "d", "a", "c", "g", "e", "f"}));
    EXPECT_EQ(names(sampler), (QStringList{"a", "b", "c", "d", "e", "f", "g"})); // the sampler's list is untouched
    EXPECT_TRUE(ProcessListModel::sorted({}, ProcessMeasure::processorUsage).isEmpty());
}

TEST(ProcessRows, ModelUpdatesInPlaceAndKeepsTheScrollPosition)
{
    Kestrion::ProcessListView list(ProcessMeasure::processorUsage);
    list.resize(300, 200);
    RunningProcessList many;
    for (int i = 0; i < 500; ++i)
        many.append(process(i, QStringLiteral("p%1").arg(i), float(i % 50)));
    list.setProcesses(many);
    list.show();
    list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum() / 2);
    const int scrolled = list.verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);

    many.append(process(900, QStringLiteral("new"), 100));
    list.setProcesses(many);
    EXPECT_EQ(list.processModel()->rowCount(), 501);
    EXPECT_EQ(list.processModel()->index(0).data().toString(), QStringLiteral("new"));
    EXPECT_EQ(list.verticalScrollBar()->value(), scrolled);

    many.remove(0, 100);
    list.setProcesses(many);
    EXPECT_EQ(list.processModel()->rowCount(), 401);
    EXPECT_EQ(list.verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(list.processModel()->index(0).data(ProcessListModel::IdRole).toUuid(), many.last()->id());

    list.setProcesses({});
    EXPECT_EQ(list.processModel()->rowCount(), 0);
}

TEST(ProcessRows, OnlyRowsWhoseTextsChangedAreAnnounced)
{
    ProcessListModel model(ProcessMeasure::processorUsage);
    auto a = process(1, QStringLiteral("a"), 9);
    auto b = process(2, QStringLiteral("b"), 5.02f);
    auto c = process(3, QStringLiteral("c"), 0);
    model.setProcesses({a, b, c});
    QSignalSpy changed(&model, &ProcessListModel::dataChanged);

    // The same loads again, and a load that moved within the shown tenth: nothing to repaint.
    model.setProcesses({a, b, c});
    model.setProcesses({a, process(2, QStringLiteral("b"), 5.07f), c});
    EXPECT_EQ(changed.count(), 0);

    // b overtakes a: both rows change, one signal each, and the texts follow the new order.
    model.setProcesses({a, process(2, QStringLiteral("b"), 12.5f), c});
    ASSERT_EQ(changed.count(), 2);
    for (const QList<QVariant>& signal : changed)
        EXPECT_EQ(signal.at(0).toModelIndex(), signal.at(1).toModelIndex());
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 0);
    EXPECT_EQ(changed.at(1).at(0).toModelIndex().row(), 1);
    EXPECT_EQ(model.index(0).data(ProcessListModel::ValueTextRole).toString(), QStringLiteral("12.5%"));
    EXPECT_EQ(model.index(1).data(ProcessListModel::NameRole).toString(), QStringLiteral("a"));

    // A renamed process with an unchanged load is announced; a load without a number shows as such.
    changed.clear();
    model.setProcesses({process(2, QStringLiteral("b2"), 12.5f), a,
                        process(3, QStringLiteral("c"), std::numeric_limits<float>::quiet_NaN())});
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 0);
    EXPECT_EQ(changed.at(1).at(0).toModelIndex().row(), 2);
    EXPECT_EQ(model.index(2).data(ProcessListModel::ValueTextRole).toString(), QStringLiteral("-%"));
}

TEST(ProcessRows, AChangedValueAloneIsAnnouncedWithTheTextItReplaces)
{
    ProcessListModel model(ProcessMeasure::processorUsage);
    model.setProcesses({process(1, QStringLiteral("a"), 9), process(2, QStringLiteral("b"), 5)});
    QSignalSpy changed(&model, &ProcessListModel::dataChanged);

    model.setProcesses({process(1, QStringLiteral("a"), 8), process(2, QStringLiteral("b"), 5)});
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(2).value<QList<int>>(), QList<int>{ProcessListModel::ValueTextRole});
    EXPECT_EQ(model.index(0).data(ProcessListModel::PreviousValueTextRole).toString(), QStringLiteral("9.0%"));
    EXPECT_EQ(model.index(0).data(ProcessListModel::ValueTextRole).toString(), QStringLiteral("8.0%"));

    // Another name in the row: the whole row.
    changed.clear();
    model.setProcesses({process(1, QStringLiteral("a"), 8), process(3, QStringLiteral("c"), 5)});
    ASSERT_EQ(changed.count(), 1);
    EXPECT_TRUE(changed.at(0).at(2).value<QList<int>>().isEmpty());
}

namespace {
// Waits until the window shown is exposed and active, and the whole repaint both bring is done.
void settle(QWidget& window)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// What the list's window shows now, as the platform holds it (not painted afresh).
QImage shown(QWidget& window)
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage();
}

// The parts of the viewport repainted while `change` runs and the events after it are handled.
QRegion repainted(Kestrion::ProcessListView& list, const std::function<void()>& change)
{
    struct Recorder : QObject {
        QRegion region;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } recorder;
    list.viewport()->installEventFilter(&recorder);
    change();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    list.viewport()->removeEventFilter(&recorder);
    return recorder.region;
}
} // namespace

TEST(ProcessRows, AChangedValueRepaintsItsPartOfTheRowAndTheListShowsWhatANewListShows)
{
    const QString longName = QStringLiteral("a-process-with-a-name-far-too-long-for-the-row");
    auto rows = [&](float a, float b, float c) {
        return RunningProcessList{process(1, QStringLiteral("first"), a), process(2, longName, b),
                                  process(3, QStringLiteral("third"), c)};
    };
    Kestrion::ProcessListView list(ProcessMeasure::processorUsage);
    list.resize(220, 120);
    list.setProcesses(rows(400, 20, 10));
    list.show();
    settle(list);
    shown(list);

    // Values of the same width: only the trailing part of the first row.
    const QRect firstRow = list.visualRect(list.processModel()->index(0));
    const QRegion valueOnly = repainted(list, [&] { list.setProcesses(rows(300, 20, 10)); });
    ASSERT_FALSE(valueOnly.isEmpty());
    EXPECT_TRUE(firstRow.contains(valueOnly.boundingRect()));
    EXPECT_LT(valueOnly.boundingRect().width(), firstRow.width() / 2);
    EXPECT_EQ(valueOnly.boundingRect().right(), firstRow.right());

    // A wider value shortens the long name beside it: that row, and no other.
    const QRect secondRow = list.visualRect(list.processModel()->index(1));
    const QRegion wider = repainted(list, [&] { list.setProcesses(rows(300, 150, 10)); });
    EXPECT_EQ(wider, QRegion(secondRow));

    // However the rows changed, the list shows what a list given the last rows at once shows.
    // (Both lists are only partly repainted, so stale pixels would stay.)
    const QRegion last = repainted(list, [&] {
        list.setProcesses(rows(9.5f, 5, 1));
        QCoreApplication::processEvents();
        list.setProcesses(rows(9.4f, 4, 0.9f));
    });
    EXPECT_FALSE((QRegion(list.viewport()->rect()) - last).isEmpty());
    const QImage after = shown(list);
    Kestrion::ProcessListView fresh(ProcessMeasure::processorUsage);
    fresh.resize(220, 120);
    fresh.setProcesses(rows(9.4f, 4, 0.9f));
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
    EXPECT_TRUE(shown(fresh) == after);
}

TEST(ProcessRows, ARowOutOfViewRepaintsNothing)
{
    auto rows = [](float far) {
        RunningProcessList list;
        for (int i = 0; i < 100; ++i)
            list.append(process(i + 1, QStringLiteral("p%1").arg(i), i == 80 ? far : float(200 - i)));
        return list;
    };
    Kestrion::ProcessListView list(ProcessMeasure::processorUsage);
    list.resize(220, 120);
    list.setProcesses(rows(119));
    list.show();
    settle(list);
    EXPECT_TRUE(repainted(list, [&] { list.setProcesses(rows(119.5f)); }).isEmpty());
    EXPECT_EQ(list.processModel()->index(80).data(ProcessListModel::ValueTextRole).toString(), QStringLiteral("119.5%"));
}

TEST(ProcessRows, RowsOutOfViewAreAnnouncedTogetherOnEachSideAndMakeTheirTextsWhenAsked)
{
    // The list is scrolled to row 30. The rows in view keep their loads; the ten rows at the top and
    // the fifty at the end, out of view on both sides, all change.
    auto rows = [](float head, float tail) {
        RunningProcessList list;
        for (int i = 0; i < 100; ++i)
            list.append(process(i + 1, QStringLiteral("p%1").arg(i),
                                i < 10 ? head - float(i) : i < 50 ? float(200 - i) : tail - float(i) / 100));
        return list;
    };
    Kestrion::ProcessListView list(ProcessMeasure::processorUsage);
    list.resize(220, 120);
    list.setProcesses(rows(400, 90));
    list.show();
    settle(list);
    list.scrollTo(list.processModel()->index(30), QAbstractItemView::PositionAtTop);
    settle(list);
    ASSERT_EQ(list.indexAt(QPoint(0, 0)).row(), 30);
    QSignalSpy announced(list.processModel(), &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(repainted(list, [&] { list.setProcesses(rows(300, 80)); }).isEmpty());
    ASSERT_EQ(announced.count(), 2);
    EXPECT_EQ(announced[0][0].value<QModelIndex>().row(), 0);
    EXPECT_EQ(announced[0][1].value<QModelIndex>().row(), 9);
    EXPECT_EQ(announced[1][0].value<QModelIndex>().row(), 50);
    EXPECT_EQ(announced[1][1].value<QModelIndex>().row(), 99);
    EXPECT_EQ(list.processModel()->index(60).data(ProcessListModel::ValueTextRole).toString(), QStringLiteral("79.4%"));
    EXPECT_EQ(list.processModel()->index(2).data(ProcessListModel::ValueTextRole).toString(), QStringLiteral("298.0%"));

    // Scrolled to the end, the rows show the texts a new list shows.
    list.scrollToBottom();
    const QImage after = shown(list);
    Kestrion::ProcessListView fresh(ProcessMeasure::processorUsage);
    fresh.resize(220, 120);
    fresh.setProcesses(rows(300, 80));
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
    fresh.scrollToBottom();
    EXPECT_TRUE(shown(fresh) == after);
}

TEST(ProcessorCard, SummaryShowsTheSamplersLoads)
{
    SampledProcessor run;
    const Kestrion::UsageSummary summary = ProcessorUsageView::summary(*run.cpu, VKColorScheme::light);
    ASSERT_EQ(summary.gaugeValues.size(), 2u);
    EXPECT_NEAR(summary.gaugeValues[0], 0.129, 1e-9);
    EXPECT_NEAR(summary.gaugeValues[1], 0.302, 1e-9);
    EXPECT_EQ(summary.gaugeColors,
              (std::vector<QColor>{VKTheme::color(VKNamedColor::pink, VKColorScheme::light),
                                   VKTheme::color(VKNamedColor::blue, VKColorScheme::light)}));
    ASSERT_EQ(summary.legends.size(), 2u);
    EXPECT_EQ(summary.legends[0].value, QStringLiteral("12%"));
    EXPECT_EQ(summary.legends[1].value, QStringLiteral("30%"));
    ASSERT_EQ(summary.history.size(), 30u);
    EXPECT_NEAR(summary.history.back(), 43.1, 1e-9);
    EXPECT_EQ(summary.history.front(), 0);
    EXPECT_EQ(summary.domain.upper, 100);
    ASSERT_TRUE(summary.counts);
    EXPECT_EQ(summary.counts->tasks, run.cpu->tasks());
    EXPECT_EQ(summary.counts->threads, run.cpu->threads());
}

TEST(ProcessorCard, BeforeTheFirstSampleEverythingIsZero)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    const Kestrion::UsageSummary summary = ProcessorUsageView::summary(*cpu, VKColorScheme::dark);
    EXPECT_EQ(summary.gaugeValues, (std::vector<double>{0, 0}));
    EXPECT_EQ(summary.legends[0].value, QStringLiteral("0%"));
    EXPECT_EQ(summary.legends[1].value, QStringLiteral("0%"));
    EXPECT_EQ(summary.history, std::vector<double>(30, 0.0));
}

TEST(ProcessorCard, GaugeFrameFollowsTheSizeClass)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    const Kestrion::UsageSummary summary = ProcessorUsageView::summary(*cpu, VKColorScheme::light);
    EXPECT_EQ(summary.layout(300, 2).gauge, QRectF(0, 8, 144, 144));
    EXPECT_EQ(summary.layout(300, 0).gauge.size(), QSizeF(80, 80));
    const auto parts = summary.layout(300, 0);
    EXPECT_EQ(parts.chart.height(), 48);
    EXPECT_EQ(parts.chart.left(), 80 + 16 + 8);
    EXPECT_EQ(parts.chart.right(), 300);
    ASSERT_EQ(parts.legends.size(), 2u);
    EXPECT_GE(parts.legends[0].top() - parts.chart.bottom(), 16);
    ASSERT_TRUE(parts.counts);
    EXPECT_GE(parts.counts->top(), parts.legends[1].bottom() + 8);
}

TEST(ProcessorCard, ListsEveryProcessByLoadFromTheSampler)
{
    SampledProcessor run;
    LookFixture look;
    ProcessorUsageView card(*run.cpu, QStringLiteral("Test CPU"), 2, look.settings);
    card.resize(320, 500);
    card.show();
    // beta 20 %, then alpha and gamma (5 %) in the sampler's order, then delta.
    const QStringList sampler = names(run.cpu->processes());
    const QStringList rows = modelNames(*card.processList()->processModel());
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], QStringLiteral("beta"));
    EXPECT_EQ(rows[3], QStringLiteral("delta"));
    EXPECT_EQ(sampler.indexOf(rows[1]) < sampler.indexOf(rows[2]), true);
    EXPECT_EQ(card.processList()->processModel()->index(0).data(ProcessListModel::ValueTextRole).toString(),
              ProcessListModel::processorUsageText(run.cpu->processes()[sampler.indexOf("beta")]->cpuUsage()));
}

TEST(ProcessorCard, SortsTheLoadsOfTheSampleJustTaken)
{
    // The card is on screen while the sampler works: the sampler hands out its new list before it
    // has measured the loads, and the card must show the measured ones.
    SampledProcessor run(false);
    LookFixture look;
    ProcessorUsageView card(*run.cpu, QStringLiteral("Test CPU"), 2, look.settings);
    card.resize(320, 500);
    card.show();
    run.takeSecondSample();
    QCoreApplication::processEvents();
    const ProcessListModel& model = *card.processList()->processModel();
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("beta"));
    EXPECT_EQ(model.index(0).data(ProcessListModel::ValueTextRole).toString(), QStringLiteral("20.0%"));
    EXPECT_EQ(model.index(3).data().toString(), QStringLiteral("delta"));
}

TEST(ProcessorCard, HiddenCardDoesNoWorkUntilShown)
{
    SampledProcessor run;
    LookFixture look;
    ProcessorUsageView card(*run.cpu, QStringLiteral("Test CPU"), 2, look.settings);
    EXPECT_TRUE(card.isStale());
    EXPECT_EQ(card.processList()->processModel()->rowCount(), 0);
    card.show();
    EXPECT_FALSE(card.isStale());
    EXPECT_EQ(card.processList()->processModel()->rowCount(), 4);

    card.hide();
    run.cpu->setCollectProcessInformation(false); // empties the list
    EXPECT_TRUE(card.isStale());
    EXPECT_EQ(card.processList()->processModel()->rowCount(), 4);
    card.show();
    EXPECT_EQ(card.processList()->processModel()->rowCount(), 0);
}

TEST(ProcessorCard, GaugeArcsInBothSchemesAndRatios)
{
    SampledProcessor run;
    for (const VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark}) {
        for (const qreal ratio : cardRatios) {
            SCOPED_TRACE(testing::Message() << "dark " << (scheme == VKColorScheme::dark) << " ratio " << ratio);
            LookFixture look;
            ProcessorUsageView card(*run.cpu, QStringLiteral("Test CPU"), 2, look.settings);
            applyScheme(card, scheme);
            const QImage image = renderWidget(card, QSize(360, 520), ratio);
            const QRectF gauge =
                ProcessorUsageView::summary(*run.cpu, scheme).layout(0, 2).gauge.translated(card.summaryView()->pos());
            const QColor pink = VKTheme::color(VKNamedColor::pink, scheme);
            const QColor blue = VKTheme::color(VKNamedColor::blue, scheme);
            // System 12.9 % from 12 o'clock clockwise, then user 30.2 %, then the bare track.
            EXPECT_TRUE(isOpaque(pixelAt(image, ringPoint(gauge, 8, 20)), pink, 3));
            EXPECT_TRUE(isOpaque(pixelAt(image, ringPoint(gauge, 8, 100)), blue, 3));
            EXPECT_FALSE(sameRgb(pixelAt(image, ringPoint(gauge, 8, 200)), blue, 30));
            EXPECT_FALSE(sameRgb(pixelAt(image, ringPoint(gauge, 8, 340)), pink, 30));
        }
    }
}

namespace {
// The image of a summary painted at its full height in `width` points.
QImage paintedSummary(const Kestrion::UsageSummary& summary, qreal width, int sizeClass)
{
    QImage image(QSize(int(std::ceil(width)), int(std::ceil(summary.height(sizeClass)))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    summary.paint(painter, QRectF(0, 0, width, image.height()), sizeClass, VKColorScheme::light, QPalette());
    return image;
}

// The smallest rect holding every pixel in which two images of one size differ.
QRect differences(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

TEST(ProcessorCard, CountsShowWholeNumbersAtTheNarrowestCard)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    const QFontMetricsF metrics(Kestrion::UsageSummary::countsFont());
    // The card at its minimum frame and a little wider.
    for (const int cardWidth : {304, 312}) {
        for (const int sizeClass : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << "card " << cardWidth << " class " << sizeClass);
            LookFixture look;
            ProcessorUsageView card(*cpu, QStringLiteral("Test CPU"), sizeClass, look.settings);
            card.resize(cardWidth, 700);
            card.show();
            card.layout()->activate();
            const qreal width = card.summaryView()->width();
            ASSERT_GT(width, 0);

            Kestrion::UsageSummary summary = ProcessorUsageView::summary(*cpu, VKColorScheme::light);
            summary.counts = Kestrion::UsageCounts{99999, 123456};
            const auto parts = summary.layout(width, sizeClass);
            ASSERT_TRUE(parts.countsParts && parts.counts);
            const auto& line = *parts.countsParts;
            EXPECT_EQ(line.tasksText, QStringLiteral("99999"));
            EXPECT_EQ(line.threadsText, QStringLiteral("123456"));
            EXPECT_GT(line.scale, 0.6);  // still legible
            // Each number gets the width of its whole text at the scale it is drawn with, in order,
            // inside the stack beside the gauge.
            EXPECT_GE(line.tasks.width() + 0.01, metrics.horizontalAdvance(line.tasksText) * line.scale);
            EXPECT_GE(line.threads.width() + 0.01, metrics.horizontalAdvance(line.threadsText) * line.scale);
            EXPECT_GE(line.tasksSymbol.left(), parts.counts->left());
            EXPECT_GE(line.tasks.left(), line.tasksSymbol.right());
            EXPECT_GE(line.threadsSymbol.left(), line.tasks.right());
            EXPECT_GE(line.threads.left(), line.threadsSymbol.right());
            EXPECT_LE(line.threads.right(), width + 0.01);
            EXPECT_GE(line.tasks.top(), parts.counts->top());
            EXPECT_LE(line.tasks.bottom(), parts.counts->bottom() + 0.01);

            // The last digit of the thread count is drawn, inside the threads' rect.
            Kestrion::UsageSummary other = summary;
            other.counts = Kestrion::UsageCounts{99999, 123458};
            const QRect changed = differences(paintedSummary(summary, width, sizeClass),
                                              paintedSummary(other, width, sizeClass));
            ASSERT_FALSE(changed.isEmpty());
            EXPECT_GE(changed.left(), std::floor(line.threads.center().x()));
            EXPECT_LE(changed.right(), std::ceil(line.threads.right()) + 1);
        }
    }
}

TEST(ProcessorCard, CountsKeepTheirSizeWhenTheyFit)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    Kestrion::UsageSummary summary = ProcessorUsageView::summary(*cpu, VKColorScheme::light);
    summary.counts = Kestrion::UsageCounts{412, 1830};
    const auto parts = summary.layout(400, 2);
    ASSERT_TRUE(parts.countsParts);
    EXPECT_EQ(parts.countsParts->scale, 1);
    EXPECT_EQ(parts.countsParts->threadsText, QStringLiteral("1830"));
    EXPECT_EQ(parts.countsParts->tasksSymbol.height(), parts.counts->height());
    EXPECT_EQ(parts.countsParts->tasks.left() - parts.countsParts->tasksSymbol.right(), VKTheme::defaultSpacing);
}

TEST(ProcessorCard, AsksForTheWidthItsTextsNeed)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    const QFontMetricsF legend(Kestrion::UsageSummary::legendFont());
    for (const int sizeClass : {0, 2}) {
        SCOPED_TRACE(sizeClass);
        // Large counts are the widest line: full size at the ideal width, smaller just below it.
        Kestrion::UsageSummary summary = ProcessorUsageView::summary(*cpu, VKColorScheme::light);
        summary.counts = Kestrion::UsageCounts{99999, 123456};
        qreal ideal = summary.idealWidth(sizeClass);
        EXPECT_EQ(summary.layout(ideal, sizeClass).countsParts->scale, 1);
        EXPECT_LT(summary.layout(ideal - 2, sizeClass).countsParts->scale, 1);

        // A long label is the widest line: the whole legend fits.
        summary.counts = Kestrion::UsageCounts{1, 1};
        summary.legends[0].label = QStringLiteral("A rather long system label");
        ideal = summary.idealWidth(sizeClass);
        EXPECT_GE(summary.layout(ideal, sizeClass).legends[0].width() + 0.01,
                  12 + 8 + legend.horizontalAdvance(summary.legends[0].label) + 8 +
                      legend.horizontalAdvance(summary.legends[0].value));
    }

    LookFixture look;
    ProcessorUsageView card(*cpu, QStringLiteral("Test CPU"), 2, look.settings);
    const qreal ideal = ProcessorUsageView::summary(*cpu, VKColorScheme::light).idealWidth(2);
    EXPECT_GE(card.sizeHint().width(), ideal + 2 * VKTheme::defaultPadding);
}

TEST(ProcessorCard, AtItsNarrowestTheLegendsStayWholeAtAnyLoad)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    const QFontMetricsF legend(Kestrion::UsageSummary::legendFont());
    for (const int sizeClass : {0, 1, 2}) {
        SCOPED_TRACE(sizeClass);
        LookFixture look;
        ProcessorUsageView card(*cpu, QStringLiteral("Test CPU"), sizeClass, look.settings);
        // As narrow as its layout lets it be: the window at its minimum size.
        card.resize(card.minimumSizeHint().width(), 700);
        card.show();
        card.layout()->activate();
        const qreal width = card.summaryView()->width();
        Kestrion::UsageSummary summary = ProcessorUsageView::summary(*cpu, VKColorScheme::light);
        for (auto& line : summary.legends)
            line.value = ViewKit::integerPercentText(100);
        const auto parts = summary.layout(width, sizeClass);
        for (std::size_t i = 0; i < summary.legends.size(); ++i) {
            const auto& line = summary.legends[i];
            EXPECT_GE(parts.legends[i].width() + 0.01, 12 + VKTheme::defaultSpacing + legend.horizontalAdvance(line.label)
                                                           + VKTheme::defaultSpacing + legend.horizontalAdvance(line.value))
                << line.label.toStdString();
        }
    }
}

TEST(ProcessorCard, NewLoadsRepaintTheValuesBesideTheLabelsAndTheCardShowsWhatAFreshCardShows)
{
    SampledProcessor run;
    LookFixture look;
    ProcessorUsageView card(*run.cpu, QStringLiteral("Test CPU"), 2, look.settings);
    card.resize(360, 520);
    card.show();
    settle(card);
    // The first sample the card sees repaints all of its summary.
    auto sample = [&](quint64 user, quint64 system, quint64 idle) {
        run.machine.setTicks(Ticks{user, 0, system, idle}, {});
        run.machine.advance(1);
        run.cpu->refresh();
    };
    sample(402 + 150, 229 + 150, 1369 + 700);
    shown(card);

    struct Recorder : QObject {
        QRegion region;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } recorder;
    Kestrion::CardCanvas* summaryView = card.summaryView();
    summaryView->installEventFilter(&recorder);
    // 10 % system and 20 % user: both values change, the labels beside them stay.
    sample(552 + 200, 379 + 100, 2069 + 700);
    const QImage after = shown(card);
    summaryView->removeEventFilter(&recorder);

    const Kestrion::UsageSummary summary = ProcessorUsageView::summary(*run.cpu, VKColorScheme::light);
    ASSERT_EQ(summary.legends[0].value, QStringLiteral("10%"));
    const auto layout = summary.layout(summaryView->width(), 2);
    ASSERT_EQ(layout.legends.size(), 2u);
    for (std::size_t i = 0; i < layout.legends.size(); ++i) {
        SCOPED_TRACE(i);
        const QRectF line = layout.legends[i];
        const QRectF label(line.left(), line.top(),
                           ViewKit::legendLabelLeft(line) - line.left() +
                               QFontMetricsF(Kestrion::UsageSummary::legendFont()).horizontalAdvance(summary.legends[i].label),
                           line.height());
        EXPECT_FALSE(recorder.region.intersects(label.toAlignedRect()));
        EXPECT_TRUE(recorder.region.intersects(ViewKit::legendValueRect(line, summary.legends[i].value,
                                                                        Kestrion::UsageSummary::legendFont())
                                                   .toAlignedRect()));
    }

    // Only partly repainted, the card must not keep stale pixels.
    ProcessorUsageView fresh(*run.cpu, QStringLiteral("Test CPU"), 2, look.settings);
    fresh.resize(360, 520);
    fresh.show();
    settle(fresh);
    EXPECT_TRUE(shown(fresh) == after);
}
