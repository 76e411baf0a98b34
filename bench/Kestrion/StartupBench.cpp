// Start-up of the program: from making the application objects (models, samplers, main window) to the
// first painted main window.
#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/KestrionApp.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Platform/Defaults.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <memory>

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

} // namespace
