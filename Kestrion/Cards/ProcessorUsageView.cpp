#include "Kestrion/Cards/ProcessorUsageView.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CardDivider.h"
#include "Kestrion/Cards/CardTitle.h"
#include "Kestrion/Cards/ProcessListView.h"

#include "LanguageKit/LKResources.h"
#include "ViewKit/VKPercentText.h"

#include <QVBoxLayout>

#include <algorithm>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using SystemKit::ProcessorController;
using ViewKit::VKNamedColor;
using ViewKit::VKTheme;

ProcessorUsageView::ProcessorUsageView(ProcessorController& controller, QString processorName, int sizeClass,
                                       CardLookSettings& settings, QWidget* parent)
    : CardView(settings, Padding::standard, 16, parent)
    , m_controller(&controller)
    , m_sizeClass(sizeClass)
    , m_title(new CardTitle(std::move(processorName), this))
    , m_list(new ProcessListView(ProcessMeasure::processorUsage, this))
{
    // The memory card beside it gives its summary the same height.
    const qreal summaryHeight = UsageSummary::cardHeight(sizeClass);
    m_summary = new CardCanvas(summaryHeight, [this](QPainter& painter, const QRectF& rect) {
        const ViewKit::VKColorScheme scheme = VKTheme::scheme(m_summary);
        if (m_controller)
            summary(*m_controller, scheme).paint(painter, rect, m_sizeClass, scheme, m_summary->palette(),
                                                 m_summary->exposedRegion());
    }, this);
    m_summary->setParts([this] {
        if (!m_controller)
            return std::vector<CardCanvas::Part>();
        return summary(*m_controller, VKTheme::scheme(m_summary)).parts(QRectF(m_summary->rect()), m_sizeClass);
    });

    // The card asks for the width its texts need at their widest in ordinary use (the window takes its
    // size from the first layout, often before the first sample); narrower, the counts shrink. The
    // legends never get less than they need at 100 %, the widest value they can show.
    m_summary->setMinimumContentWidth([this] {
        if (!m_controller)
            return 0.0;
        UsageSummary widest = summary(*m_controller, ViewKit::VKColorScheme::light);
        for (UsageLegend& legend : widest.legends)
            legend.value = ViewKit::integerPercentText(100);
        widest.counts.reset();
        return widest.idealWidth(m_sizeClass);
    });
    m_summary->setIdealWidth([this] {
        if (!m_controller)
            return 0.0;
        UsageSummary widest = summary(*m_controller, ViewKit::VKColorScheme::light);
        for (UsageLegend& legend : widest.legends)
            legend.value = ViewKit::integerPercentText(100);
        widest.counts = UsageCounts{std::max<std::int64_t>(m_controller->tasks(), 999),
                                    std::max<std::int64_t>(m_controller->threads(), 9999)};
        return widest.idealWidth(m_sizeClass);
    });

    contentLayout()->addWidget(m_title);
    contentLayout()->addWidget(m_summary);
    contentLayout()->addWidget(new CardDivider(this));
    contentLayout()->addWidget(m_list, 1);

    // The summary reads the sampler while it paints: a sample only asks for a repaint of the parts it
    // changed, which Qt skips while the card is hidden.
    connect(&controller, &ProcessorController::sampled, m_summary, &CardCanvas::follow);
    connect(&controller, &ProcessorController::sampled, this, &ProcessorUsageView::contentChanged);
    connect(&controller, &ProcessorController::processesSampled, this, &ProcessorUsageView::contentChanged);
    connect(&controller, &ProcessorController::collectProcessInformationChanged, this,
            &ProcessorUsageView::contentChanged);
    contentChanged();
}

UsageSummary ProcessorUsageView::summary(const ProcessorController& controller, ViewKit::VKColorScheme scheme)
{
    const QColor pink = VKTheme::color(VKNamedColor::pink, scheme);
    const QColor blue = VKTheme::color(VKNamedColor::blue, scheme);
    UsageSummary result;
    result.gaugeValues = {controller.system() / 100.0, controller.user() / 100.0};
    result.gaugeColors = {pink, blue};
    result.caption = LKResources::localized(LKLocalizedString::loadAsInUsage);
    result.history.assign(controller.history().begin(), controller.history().end());
    result.domain = ViewKit::VKChartDomain{0, 100};
    result.legends = {
        UsageLegend{pink, LKResources::localized(LKLocalizedString::system),
                    ViewKit::integerPercentText(controller.system()), 16},
        UsageLegend{blue, LKResources::localized(LKLocalizedString::user),
                    ViewKit::integerPercentText(controller.user()), 8},
    };
    result.counts = UsageCounts{controller.tasks(), controller.threads()};
    return result;
}

void ProcessorUsageView::refresh()
{
    m_list->setProcesses(m_controller ? m_controller->processes() : SystemKit::RunningProcessList());
}

} // namespace Kestrion
