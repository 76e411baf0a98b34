#include "CardTestSupport.h"

#include "Kestrion/App/ContentView.h"
#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CardDivider.h"
#include "Kestrion/Cards/CardTitle.h"
#include "Kestrion/Cards/CardView.h"
#include "Kestrion/Cards/MemoryUsageView.h"
#include "Kestrion/Cards/ProcessListView.h"
#include "Kestrion/Cards/ProcessUsageView.h"
#include "Kestrion/Cards/ProcessorUsageView.h"
#include "Kestrion/Cards/UsageSummary.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QScrollBar>

using namespace Kestrion;
using ViewKit::VKColorScheme;
using ViewKit::VKTheme;

namespace {

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

// A catalog whose cards are bare card views over one look.
CardCatalog cardViews(CardLookSettings& look, std::initializer_list<Card> cards)
{
    CardCatalog catalog;
    for (Card card : cards) {
        catalog.add(card, [&look](QWidget* parent) {
            auto* view = new CardView(look, CardView::Padding::standard, 16, parent);
            view->setMinimumHeight(100);
            return view;
        });
    }
    return catalog;
}

MainLayoutInputs onlyFirstCards()
{
    MainLayoutInputs in;
    in.disableNetworkInfo = in.disableNetworkUsage = in.disableGraphicsCard = true;
    in.disableVolumeInfo = in.disableConnectedVolumes = in.disableInternalBattery = true;
    return in;
}

// Every row of the list the viewport shows now, with the part of its row that is painted.
std::vector<QRect> paintedRows(ProcessListView& list)
{
    std::vector<QRect> rows;
    const int model = list.model()->rowCount();
    for (int row = 0; row < model; ++row) {
        const QRect rect = list.visualRect(list.model()->index(row, 0));
        if (rect.intersects(list.viewport()->rect()))
            rows.emplace_back(rect.left(), rect.top(), rect.width(), int(std::ceil(ProcessUsageView::rowHeight())));
    }
    return rows;
}

} // namespace

TEST(CardPlacement, SurfacesStandTheSpacingApart)
{
    for (const int sizeClass : {0, 2}) {
        SCOPED_TRACE(sizeClass);
        LookFixture look;
        ContentView view(cardViews(look.settings, {Card::processorUsage, Card::coreUsage, Card::memoryUsage}),
                         sizeClass);
        view.apply(onlyFirstCards());
        view.resize(1000, 700);
        view.show();
        QApplication::processEvents();
        auto* processor = qobject_cast<CardView*>(view.cardWidget(0, Card::processorUsage));
        auto* cores = qobject_cast<CardView*>(view.cardWidget(0, Card::coreUsage));
        auto* memory = qobject_cast<CardView*>(view.cardWidget(1, Card::memoryUsage));
        ASSERT_TRUE(processor && cores && memory);
        const int spacing = 4 << sizeClass;
        auto surface = [&view](CardView* card) {
            return card->surfaceRect().translated(card->mapTo(&view, QPointF(0, 0)));
        };
        EXPECT_EQ(surface(cores).top() - surface(processor).bottom(), spacing);
        EXPECT_EQ(surface(memory).left() - surface(processor).right(), spacing);
        EXPECT_EQ(surface(processor).width(), 304);
        EXPECT_EQ(surface(memory).width(), 384);
    }
}

TEST(CardPlacement, ShadowsFallBetweenTheCards)
{
    LookFixture look;
    look.defaults.set(QStringLiteral("TileStyle"), Platform::PlistValue(std::int64_t(1)));
    ContentView view(cardViews(look.settings, {Card::processorUsage, Card::coreUsage, Card::memoryUsage}), 2);
    view.apply(onlyFirstCards());
    view.resize(1000, 700);
    applyScheme(view, VKColorScheme::light);
    view.show();
    QApplication::processEvents();
    QWidget* processor = view.cardWidget(0, Card::processorUsage);
    const QImage image = view.grab().toImage();
    const QRect card(processor->mapTo(&view, QPoint(0, 0)), processor->size());
    // Inside the card its white surface; two points beside it the shadow darkens the white window;
    // far from it the window is white.
    EXPECT_EQ(image.pixelColor(card.center()), QColor(Qt::white));
    const QColor beside = image.pixelColor(card.right() + 2, card.center().y());
    EXPECT_LT(beside.lightness(), 250);
    QWidget* cores = view.cardWidget(0, Card::coreUsage);
    EXPECT_EQ(image.pixelColor(card.center().x(), cores->mapTo(&view, QPoint(0, 0)).y() + cores->height() + 30),
              QColor(Qt::white));

    // Without the shadows style nothing stands beside the card.
    look.defaults.set(QStringLiteral("TileStyle"), Platform::PlistValue(std::int64_t(0)));
    QApplication::processEvents();
    EXPECT_EQ(view.grab().toImage().pixelColor(card.right() + 2, card.center().y()), QColor(Qt::white));
}

TEST(CardPlacement, EmptyStateWhenNoCardCanShow)
{
    LookFixture look;
    // Only the graphics and battery switches on, but neither a primary graphics card nor a battery.
    MainLayoutInputs in;
    in.disableProcessorUsage = in.disableMemoryUsage = in.disableCoresUsage = in.disableNetworkInfo = true;
    in.disableNetworkUsage = in.disableVolumeInfo = in.disableConnectedVolumes = true;
    ContentView view(cardViews(look.settings, {Card::processorUsage, Card::graphicsCard, Card::internalBattery}), 2);
    view.apply(in);
    EXPECT_FALSE(view.layoutPlan().empty);
    EXPECT_TRUE(view.showsEmptyState());

    // A module switched on whose card this program cannot make shows nothing either.
    in.disableNetworkInfo = false;
    view.apply(in);
    EXPECT_TRUE(view.showsEmptyState());

    // One card to show brings the grid back, and switching it off again the empty state.
    in.disableProcessorUsage = false;
    view.apply(in);
    EXPECT_FALSE(view.showsEmptyState());
    EXPECT_EQ(view.visibleCards(0).size(), 1);
    in.disableProcessorUsage = true;
    view.apply(in);
    EXPECT_TRUE(view.showsEmptyState());
}

TEST(CardPlacement, LongTitlesWrap)
{
    const QString name = QStringLiteral("Intel(R) Core(TM) i7-8700K CPU @ 3.70GHz");
    CardTitle title(name);
    const int line = title.heightForWidth(0);
    EXPECT_EQ(title.heightForWidth(2000), line);
    EXPECT_GE(title.heightForWidth(120), 2 * line - 1);

    // In a narrow card the title grows to hold its lines and draws the end of the name.
    QWidget card;
    auto* stack = new QVBoxLayout(&card);
    stack->setContentsMargins(0, 0, 0, 0);
    auto* slot = new CardTitle(name, &card);
    stack->addWidget(slot);
    stack->addStretch();
    applyScheme(card, VKColorScheme::light);
    const QImage image = renderWidget(card, QSize(150, 120), 1.0);
    QApplication::processEvents();
    EXPECT_GE(slot->height(), 2 * line - 1);
    bool inkBelowFirstLine = false;
    for (int y = line + 1; y < slot->height() && !inkBelowFirstLine; ++y)
        for (int x = 0; x < 150; ++x)
            inkBelowFirstLine |= image.pixelColor(x, y).alpha() > 128;
    EXPECT_TRUE(inkBelowFirstLine);
}

TEST(CardPlacement, ProcessorAndMemoryCardsLineUp)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    auto memory = machine.makeMemory();
    for (const int sizeClass : {0, 1, 2}) {
        SCOPED_TRACE(sizeClass);
        LookFixture look;
        QWidget row;
        auto* layout = new QHBoxLayout(&row);
        layout->setAlignment(Qt::AlignTop);
        auto* processor = new ProcessorUsageView(*cpu, QStringLiteral("Processor"), sizeClass, look.settings, &row);
        auto* memoryCard = new MemoryUsageView(*memory, *cpu, 16 * GiB, sizeClass, look.settings, &row);
        layout->addWidget(processor, 0, Qt::AlignTop);
        layout->addWidget(memoryCard, 0, Qt::AlignTop);
        row.resize(800, 600);
        row.show();
        QApplication::processEvents();
        EXPECT_EQ(processor->summaryView()->height(), memoryCard->summaryView()->height());
        EXPECT_GE(UsageSummary::cardHeight(sizeClass), ProcessorUsageView::summary(*cpu, VKColorScheme::light).height(sizeClass));
        EXPECT_GE(UsageSummary::cardHeight(sizeClass),
                  MemoryUsageView::summary(*memory, 16 * GiB, VKColorScheme::light).height(sizeClass));
        auto dividerY = [&row](QWidget* card) {
            auto* divider = card->findChild<CardDivider*>();
            return divider ? divider->mapTo(&row, QPoint(0, 0)).y() : -1;
        };
        EXPECT_EQ(dividerY(processor), dividerY(memoryCard));
        EXPECT_NE(dividerY(processor), -1);
    }

    // The memory chart marks its top, as the processor chart beside it does.
    const UsageSummary summary = MemoryUsageView::summary(*memory, 16 * GiB, VKColorScheme::light);
    EXPECT_EQ(summary.gridValues, (std::vector<double>{0, 8.0 * GiB, 16.0 * GiB}));
}

TEST(CardPlacement, ProcessRowsAreNeverCut)
{
    ProcessListView list(ProcessMeasure::processorUsage);
    SystemKit::RunningProcessList processes;
    for (int i = 0; i < 30; ++i)
        processes.append(process(100 + i, QStringLiteral("process %1").arg(i), float(30 - i)));
    list.setProcesses(processes);
    const int stride = ProcessListView::rowStride();
    for (const int height : {5 * stride + 9, 5 * stride - 2, 7 * stride + stride / 2}) {
        SCOPED_TRACE(height);
        list.resize(300, height);
        list.show();
        QApplication::processEvents();
        QScrollBar* bar = list.verticalScrollBar();
        for (int value = bar->minimum(); value <= bar->maximum(); ++value) {
            bar->setValue(value);
            QApplication::processEvents();
            const std::vector<QRect> rows = paintedRows(list);
            EXPECT_GE(rows.size(), 4u);
            for (const QRect& row : rows)
                EXPECT_TRUE(list.viewport()->rect().contains(row)) << value << " row at " << row.top();
        }
        // The last process can still be reached.
        bar->setValue(bar->maximum());
        QApplication::processEvents();
        EXPECT_TRUE(list.viewport()->rect().contains(paintedRows(list).back()));
        EXPECT_EQ(list.indexAt(QPoint(5, paintedRows(list).back().center().y())).row(), 29);
    }
}
