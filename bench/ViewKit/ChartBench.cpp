#include "ViewKit/VKChart.h"
#include "ViewKit/VKStackedGaugeView.h"
#include "ViewKit/VKTextMeasures.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace ViewKit;

namespace {

void PaintLoadChart(benchmark::State& state)
{
    std::vector<double> history(30);
    for (size_t i = 0; i < history.size(); ++i)
        history[i] = 50 + 40 * std::sin(double(i) / 3);
    VKAreaLineChart chart = VKAreaLineChart::standard(VKColorScheme::light, QApplication::palette());
    chart.domain = VKChartDomain{0, 100};
    chart.gridDesiredCount = 3;
    QImage image(QSize(440, 96), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintAreaLineChart(painter, QRectF(0, 0, 220, 48), history, chart);
    }
}
BENCHMARK(PaintLoadChart);

void PaintStackedGauge(benchmark::State& state)
{
    const std::vector<double> values{0.129, 0.302};
    const std::vector<QColor> colors{VKTheme::color(VKNamedColor::pink, VKColorScheme::light),
                                     VKTheme::color(VKNamedColor::blue, VKColorScheme::light)};
    const QFont font = VKTheme::font(VKTextStyle::title2);
    QImage image(QSize(288, 288), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintStackedGauge(painter, QRectF(0, 0, 144, 144), values, colors, 8, true, font, Qt::black,
                          VKColorScheme::light);
    }
}
BENCHMARK(PaintStackedGauge);

// A process row's two texts (name and value), drawn as drawText draws them and from the kept layouts.
void PaintRowTexts(benchmark::State& state)
{
    const bool kept = state.range(0) != 0;
    QImage image(QSize(640, 40), QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    const QFont font = VKTheme::font(VKTextStyle::body, QFont::Medium);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(QColor(60, 60, 67));
        const QRectF row(0, 2, 320, 16);
        if (kept) {
            VKTextMeasures::draw(painter, row, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("12.3%"));
            VKTextMeasures::draw(painter, row.adjusted(0, 0, -60, 0), Qt::AlignLeft | Qt::AlignVCenter,
                                 QStringLiteral("gnome-shell-calendar-server"));
        } else {
            painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("12.3%"));
            painter.drawText(row.adjusted(0, 0, -60, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("gnome-shell-calendar-server"));
        }
    }
}
BENCHMARK(PaintRowTexts)->ArgName("kept")->Arg(0)->Arg(1);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
