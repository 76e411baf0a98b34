#include "Kestrion/Cards/CoreUsageView.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CardTitle.h"

#include "LanguageKit/LKResources.h"

#include <QPainter>
#include <QVBoxLayout>

#include <array>

namespace Kestrion {

using SystemKit::ProcessorController;
using ViewKit::VKTheme;

CoreUsageView::CoreUsageView(ProcessorController& controller, CardLookSettings& settings, QWidget* parent)
    : CardView(settings, Padding::scene, 16, parent)
    , m_controller(&controller)
    , m_title(new CardTitle(LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::processorCores), this))
{
    m_chart = new CardCanvas(chartHeight, [this](QPainter& painter, const QRectF& rect) {
        paintChart(painter, rect, m_controller ? m_controller->cores() : SystemKit::ProcessorCoreList(),
                   VKTheme::scheme(m_chart), m_chart->palette());
    }, this);
    contentLayout()->addWidget(m_title);
    contentLayout()->addWidget(m_chart);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(&controller, &ProcessorController::sampled, m_chart, qOverload<>(&QWidget::update));
}

std::vector<ViewKit::VKBar> CoreUsageView::bars(const SystemKit::ProcessorCoreList& cores,
                                                ViewKit::VKColorScheme scheme, const QPalette& palette)
{
    const QColor red = VKTheme::color(ViewKit::VKNamedColor::red, scheme);
    const QColor accent = VKTheme::color(ViewKit::VKNamedColor::accent, scheme, palette);
    std::vector<ViewKit::VKBar> result;
    result.reserve(size_t(cores.size()));
    for (const auto& core : cores) {
        const float usage = core ? core->usage() : 0.0f;
        result.push_back(ViewKit::VKBar{double(usage), usage >= heavyLoad ? red : accent});
    }
    return result;
}

void CoreUsageView::paintChart(QPainter& painter, const QRectF& rect, const SystemKit::ProcessorCoreList& cores,
                               ViewKit::VKColorScheme scheme, const QPalette& palette)
{
    static constexpr std::array<double, 3> grid{0.0, 0.5, 1.0};
    const std::vector<ViewKit::VKBar> coreBars = bars(cores, scheme, palette);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    ViewKit::paintBarChart(painter, rect, coreBars, ViewKit::VKChartDomain{0, 1}, grid, VKTheme::gridLine(scheme));
    painter.restore();
}

} // namespace Kestrion
