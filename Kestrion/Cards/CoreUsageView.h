#pragma once

#include "Kestrion/Cards/CardView.h"

#include "SystemKit/Processor/ProcessorController.h"
#include "ViewKit/VKChart.h"

#include <QPointer>

#include <vector>

namespace Kestrion {

class CardCanvas;
class CardTitle;

// The core card: one bar per logical processor in the sampler's order on a fixed scale from 0 to 1,
// red from a load of 0.7 up, the accent colour below, over dashed grid lines at 0, 0.5 and 1.
class CoreUsageView : public CardView
{
    Q_OBJECT

public:
    static constexpr qreal chartHeight = 144;
    static constexpr float heavyLoad = 0.7f;

    CoreUsageView(SystemKit::ProcessorController& controller, CardLookSettings& settings, QWidget* parent = nullptr);

    // The bars of the cores, in list order. A load that is not a number is not heavy.
    static std::vector<ViewKit::VKBar> bars(const SystemKit::ProcessorCoreList& cores, ViewKit::VKColorScheme scheme,
                                            const QPalette& palette);
    // Paints the chart of the cores in rect.
    static void paintChart(QPainter& painter, const QRectF& rect, const SystemKit::ProcessorCoreList& cores,
                           ViewKit::VKColorScheme scheme, const QPalette& palette);

    CardTitle* title() const { return m_title; }
    CardCanvas* chart() const { return m_chart; }

private:
    QPointer<SystemKit::ProcessorController> m_controller;
    CardTitle* m_title;
    CardCanvas* m_chart;
};

} // namespace Kestrion
