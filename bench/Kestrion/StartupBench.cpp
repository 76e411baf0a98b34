// Start-up of the program: from making the application objects (models, samplers, main window) to the
// first painted main window. And one tick of the shown main window: every sampler's sample on this
// machine with everything it makes the window do until it is painted.
#include "BaseKit/Sampler/SampleClock.h"
#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/KestrionApp.h"
#include "Kestrion/Models/MemoryModel.h"
#include "Kestrion/Models/ProcessorModel.h"
#include "SystemKit/Processor/MemoryController.h"
#include "SystemKit/Processor/ProcessorController.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Platform/PropertyList/Defaults.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

// This machine, with the public-address lookup sent to a closed port of this machine.
Kestrion::StartupEnvironment benchStartup()
{
    Kestrion::StartupEnvironment environment = Kestrion::StartupEnvironment::live();
    environment.addressServices = {QStringLiteral("http://127.0.0.1:9"), QStringLiteral("http://127.0.0.1:9")};
    return environment;
}

class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void StartToFirstPaintedWindow(benchmark::State& state)
{
    Platform::Defaults defaults(QStringLiteral("com.brannock.kestrion.bench"));
    Kestrion::AppSettings settings(defaults);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto app = std::make_unique<Kestrion::KestrionApp>(settings, benchStartup());
        PaintWatch watch;
        app->contentView()->installEventFilter(&watch);
        app->showMainWindow();
        const QDeadlineTimer deadline(5000);
        while (!watch.painted && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (!watch.painted)
            state.SkipWithError("the main window was never painted");
        app->contentView()->removeEventFilter(&watch);
        app.reset();
        QApplication::processEvents();
    }
}
BENCHMARK(StartToFirstPaintedWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The main thread's processor time for one tick of the samplers' clock and the repaint it causes,
// with `extra` more sleeping processes (0 or 400: about 150 and 550 processes on an idle desktop):
// every sampler samples (the process table read on its own thread is not counted) and the window is
// laid out and painted. The clock is driven by the benchmark; each iteration advances it once and
// handles the events until the tick is over and the window has been painted.
void OneTickOfTheShownWindow(benchmark::State& state)
{
    std::vector<pid_t> sleepers;
    for (int i = 0; i < state.range(0); ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::pause();
            ::_exit(0);
        }
        if (pid > 0)
            sleepers.push_back(pid);
    }
    BaseKit::SampleClock& clock = BaseKit::SampleClock::shared();
    clock.setDrivenByHand(true);
    Platform::Defaults defaults(QStringLiteral("com.brannock.kestrion.bench"));
    Kestrion::AppSettings settings(defaults);
    auto app = std::make_unique<Kestrion::KestrionApp>(settings, benchStartup());
    SystemKit::ProcessorController& cpu = *app->processor()->controller();
    PaintWatch watch;
    qApp->installEventFilter(&watch);
    app->showMainWindow();
    bool ticked = false;
    QObject receiver;
    QObject::connect(&clock, &BaseKit::SampleClock::ticked, &receiver, [&ticked] { ticked = true; });
    // One tick with everything it makes the window do; false when it was not painted within 2 s.
    auto tickOnce = [&] {
        ticked = false;
        watch.painted = false;
        clock.advance();
        // Waiting sleeps: only the work of the tick counts.
        QTimer limit;
        limit.setSingleShot(true);
        limit.start(2000);
        while (!(ticked && watch.painted) && limit.isActive())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
        return watch.painted;
    };
    // The second tick onwards measures loads.
    tickOnce();
    tickOnce();
    auto threadTime = [] {
        timespec t {};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
    };
    for (auto _ : state) {
        const double start = threadTime();
        const bool painted = tickOnce();
        state.SetIterationTime(threadTime() - start);
        if (!painted) {
            state.SkipWithError("the tick painted nothing");
            break;
        }
    }
    state.counters["processes"] = double(cpu.processes().size());
    qApp->removeEventFilter(&watch);
    app.reset();
    clock.setDrivenByHand(false);
    for (const pid_t pid : sleepers)
        ::kill(pid, SIGKILL);
    for (const pid_t pid : sleepers)
        ::waitpid(pid, nullptr, 0);
}
BENCHMARK(OneTickOfTheShownWindow)->ArgName("extra")->Arg(0)->Arg(400)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(40);

} // namespace
