#include "CardTestSupport.h"

#include "Kestrion/App/ContentView.h"
#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CardTitle.h"
#include "Kestrion/Cards/CoreUsageView.h"
#include "Kestrion/Cards/MemoryUsageView.h"
#include "Kestrion/Cards/ProcessorCards.h"
#include "Kestrion/Cards/ProcessorUsageView.h"
#include "Kestrion/Models/ProcessorModel.h"
#include "Kestrion/Models/StartupEnvironment.h"
#include "Kestrion/Settings/AppSettings.h"
#include "BaseKit/Sampler/SampleClock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScopeGuard>

#include <unistd.h>

using namespace Kestrion;

TEST(ProcessorCards, StandInTheFirstTwoColumns)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    auto memory = machine.makeMemory();
    LookFixture look;
    CardCatalog catalog;
    ProcessorCards::add(catalog, {.processor = cpu.get(),
                                  .memory = memory.get(),
                                  .look = &look.settings,
                                  .processorName = QStringLiteral("Test CPU"),
                                  .physicalMemory = 8ull << 30,
                                  .sizeClass = 0});

    ContentView view(std::move(catalog), 0);
    view.resize(1800, 900);
    view.apply(MainLayoutInputs{});
    view.show();
    QApplication::processEvents();
    const QList<QWidget*> first = view.visibleCards(0);
    ASSERT_EQ(first.size(), 2);
    EXPECT_TRUE(qobject_cast<ProcessorUsageView*>(first[0]));
    EXPECT_TRUE(qobject_cast<CoreUsageView*>(first[1]));
    const QList<QWidget*> second = view.visibleCards(1);
    ASSERT_FALSE(second.isEmpty());
    EXPECT_TRUE(qobject_cast<MemoryUsageView*>(second[0]));
    // The core card keeps its height; the processor card takes the rest of the column.
    EXPECT_GT(first[0]->height(), first[1]->height());

    MainLayoutInputs noCores;
    noCores.disableCoresUsage = true;
    view.apply(noCores);
    EXPECT_EQ(view.visibleCards(0).size(), 1);
}

TEST(ProcessorCards, MissingSamplersLeaveTheirCardsOut)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    CardCatalog catalog;
    ProcessorCards::add(catalog, {.processor = cpu.get()});
    EXPECT_TRUE(catalog.contains(Card::processorUsage));
    EXPECT_TRUE(catalog.contains(Card::coreUsage));
    EXPECT_FALSE(catalog.contains(Card::memoryUsage));
    CardCatalog none;
    ProcessorCards::add(none, {});
    EXPECT_FALSE(none.contains(Card::processorUsage));
}

TEST(ProcessorCards, AWrappedTitleKeepsTheNeighboursInLine)
{
    SyntheticMachine machine;
    auto cpu = machine.makeProcessor();
    auto memory = machine.makeMemory();
    LookFixture look;
    CardCatalog catalog;
    ProcessorCards::add(catalog, {.processor = cpu.get(),
                                  .memory = memory.get(),
                                  .look = &look.settings,
                                  .processorName = QStringLiteral("Intel(R) Core(TM) i7-8700K CPU @ 3.70GHz"),
                                  .physicalMemory = 8ull << 30,
                                  .sizeClass = 0});
    // The window at its narrowest: each card at its minimum width.
    ContentView view(std::move(catalog), 0);
    view.apply(MainLayoutInputs{});
    view.resize(view.minimumSizeHint().width(), 900);
    view.show();
    QApplication::processEvents();
    auto* processor = qobject_cast<ProcessorUsageView*>(view.cardWidget(0, Card::processorUsage));
    auto* memoryCard = qobject_cast<MemoryUsageView*>(view.cardWidget(1, Card::memoryUsage));
    ASSERT_TRUE(processor && memoryCard);
    // The name wraps in the narrow processor card; the memory title takes the same height, so the
    // summaries (and the dividers and lists under them) start on one line.
    const int line = memoryCard->title()->heightForWidth(0);
    EXPECT_GT(processor->title()->naturalHeight(), line) << processor->title()->width();
    EXPECT_EQ(processor->width(), 304);
    EXPECT_EQ(memoryCard->title()->height(), processor->title()->height());
    EXPECT_EQ(processor->summaryView()->mapTo(&view, QPoint(0, 0)).y(),
              memoryCard->summaryView()->mapTo(&view, QPoint(0, 0)).y());

    // Without the processor card the memory title needs one line again.
    MainLayoutInputs noProcessor;
    noProcessor.disableProcessorUsage = true;
    view.apply(noProcessor);
    QApplication::processEvents();
    EXPECT_EQ(memoryCard->title()->height(), line);
}

TEST(ProcessorModel, AProcessThatSleptShowsItsLoadAtTheFirstTickAfterItWoke)
{
    // The program's processor model over a table that keeps its stat files open, as on the kernel's
    // /proc, on the samplers' clock driven by hand.
    SyntheticMachine machine;
    machine.setProcesses({{1, QStringLiteral("init"), 500, 100}, {4242, QStringLiteral("sleeper"), 700, 100}});
    StartupEnvironment environment;
    environment.processor = machine.processorEnvironment(0, Platform::ProcessTable::OpenFiles::keep);
    LookFixture suite;
    AppSettings settings(suite.defaults);
    BaseKit::SampleClock& clock = BaseKit::SampleClock::shared();
    clock.setDrivenByHand(true);
    const auto byTimer = qScopeGuard([&] { clock.setDrivenByHand(false); });
    ProcessorModel model(environment, settings);
    const SystemKit::ProcessorController& cpu = *model.controller();

    // One tick, and the table read for it taken (in the tick or, when late, after it).
    auto tick = [&] {
        const auto before = cpu.oldProcessTree();
        const std::uint64_t ticks = clock.ticks();
        clock.advance();
        auto done = [&] { return clock.ticks() > ticks && cpu.oldProcessTree() && cpu.oldProcessTree() != before; };
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return done();
    };
    auto sleeper = [&]() -> const SystemKit::RunningProcess* {
        for (const auto& process : cpu.processes()) {
            if (process->pid() == 4242)
                return process.get();
        }
        return nullptr;
    };

    // Ten ticks asleep...
    for (int i = 0; i <= 10; ++i) {
        ASSERT_TRUE(tick()) << i;
        ASSERT_TRUE(sleeper()) << i;
        EXPECT_EQ(sleeper()->cpuUsage(), 0.0f) << i;
        machine.advance(1.0);
    }
    // ...then a whole second of processor time in the second since, and more memory.
    machine.setProcess({4242, QStringLiteral("sleeper"), 800, 300});
    ASSERT_TRUE(tick());
    ASSERT_TRUE(sleeper());
    EXPECT_FLOAT_EQ(sleeper()->cpuUsage(), 100.0f);
    EXPECT_EQ(sleeper()->memoryUsage(), 300u * std::uint64_t(::sysconf(_SC_PAGESIZE)));
}
