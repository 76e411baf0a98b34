// Start-up of the program: from making the application objects (models, samplers, main window) to the
// first painted main window. And one sample of the shown main window: the processor sampler's tick on
// this machine's process table with everything it makes the window do until it is painted.
#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/KestrionApp.h"
#include "Kestrion/Models/MemoryModel.h"
#include "Kestrion/Models/ProcessorModel.h"
#include "SystemKit/Processor/MemoryController.h"
#include "SystemKit/Processor/ProcessorController.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Platform/Defaults.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

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
        auto app = std::make_unique<Kestrion::KestrionApp>(settings);
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

// The main thread's processor time for one processor sample and the repaint it causes, with `extra`
// more sleeping processes (0 or 400: about 150 and 550 processes on an idle desktop). The samplers'
// own timers are stopped; each iteration samples once and handles the events until the window has
// been painted.
void OneProcessorSampleOfTheShownWindow(benchmark::State& state)
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
    Platform::Defaults defaults(QStringLiteral("com.brannock.kestrion.bench"));
    Kestrion::AppSettings settings(defaults);
    auto app = std::make_unique<Kestrion::KestrionApp>(settings);
    SystemKit::ProcessorController& cpu = *app->processor()->controller();
    cpu.stop();
    app->memory()->controller()->stop();
    PaintWatch watch;
    app->contentView()->installEventFilter(&watch);
    app->showMainWindow();
    auto settle = [&] {
        watch.painted = false;
        const QDeadlineTimer deadline(2000);
        while (!watch.painted && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        QApplication::processEvents();
    };
    settle();
    cpu.refresh(); // the second sample onwards measures loads
    settle();
    auto threadTime = [] {
        timespec t {};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
    };
    for (auto _ : state) {
        const double start = threadTime();
        cpu.refresh();
        QApplication::processEvents();
        QApplication::processEvents();
        state.SetIterationTime(threadTime() - start);
    }
    state.counters["processes"] = double(cpu.processes().size());
    app->contentView()->removeEventFilter(&watch);
    app.reset();
    for (const pid_t pid : sleepers)
        ::kill(pid, SIGKILL);
    for (const pid_t pid : sleepers)
        ::waitpid(pid, nullptr, 0);
}
BENCHMARK(OneProcessorSampleOfTheShownWindow)->ArgName("extra")->Arg(0)->Arg(400)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(40);

} // namespace
