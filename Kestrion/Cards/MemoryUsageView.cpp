#include "Kestrion/Cards/MemoryUsageView.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CardDivider.h"
#include "Kestrion/Cards/CardTitle.h"
#include "Kestrion/Cards/ProcessListView.h"

#include "BaseKit/IO.h"
#include "LanguageKit/LKResources.h"

#include <QVBoxLayout>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using SystemKit::MemoryController;
using SystemKit::ProcessorController;
using ViewKit::VKNamedColor;
using ViewKit::VKTheme;

MemoryUsageView::MemoryUsageView(MemoryController& memory, ProcessorController& processor,
                                 std::uint64_t physicalMemory, int sizeClass, CardLookSettings& settings,
                                 QWidget* parent)
    : CardView(settings, Padding::standard, 16, parent)
    , m_memory(&memory)
    , m_processor(&processor)
    , m_physicalMemory(physicalMemory)
    , m_sizeClass(sizeClass)
    , m_title(new CardTitle(LKResources::localized(LKLocalizedString::memory), this))
    , m_list(new ProcessListView(ProcessMeasure::memoryUsage, this))
{
    // The processor card beside it gives its summary the same height.
    const qreal summaryHeight = UsageSummary::cardHeight(sizeClass);
    m_summary = new CardCanvas(summaryHeight, [this](QPainter& painter, const QRectF& rect) {
        const ViewKit::VKColorScheme scheme = VKTheme::scheme(m_summary);
        if (m_memory)
            summary(*m_memory, m_physicalMemory, scheme)
                .paint(painter, rect, m_sizeClass, scheme, m_summary->palette(), m_summary->exposedRegion());
    }, this);

    m_summary->setIdealWidth([this] {
        return m_memory ? summary(*m_memory, m_physicalMemory, ViewKit::VKColorScheme::light).idealWidth(m_sizeClass)
                        : 0.0;
    });

    contentLayout()->addWidget(m_title);
    contentLayout()->addWidget(m_summary);
    contentLayout()->addWidget(new CardDivider(this));
    contentLayout()->addWidget(m_list, 1);

    // Once per sample, when the sampler has written all it read.
    m_summary->setParts([this] {
        if (!m_memory)
            return std::vector<CardCanvas::Part>();
        return summary(*m_memory, m_physicalMemory, VKTheme::scheme(m_summary))
            .parts(QRectF(m_summary->rect()), m_sizeClass);
    });
    connect(&memory, &MemoryController::sampled, m_summary, &CardCanvas::follow);
    connect(&processor, &ProcessorController::sampled, this, &MemoryUsageView::contentChanged);
    connect(&processor, &ProcessorController::processesSampled, this, &MemoryUsageView::contentChanged);
    connect(&processor, &ProcessorController::collectProcessInformationChanged, this, &MemoryUsageView::contentChanged);
    contentChanged();
}

UsageSummary MemoryUsageView::summary(const MemoryController& memory, std::uint64_t physicalMemory,
                                      ViewKit::VKColorScheme scheme)
{
    const QColor blue = VKTheme::color(VKNamedColor::blue, scheme);
    const QColor pink = VKTheme::color(VKNamedColor::pink, scheme);
    const QColor orange = VKTheme::color(VKNamedColor::orange, scheme);
    const double physical = double(physicalMemory);
    auto fraction = [physical](std::uint64_t bytes) { return physical > 0 ? double(bytes) / physical : 0.0; };

    UsageSummary result;
    result.gaugeValues = {fraction(memory.wired()), fraction(memory.active()), fraction(memory.compressed())};
    result.gaugeColors = {blue, pink, orange};
    result.caption = LKResources::localized(LKLocalizedString::loadAsInUsage);
    result.history.reserve(size_t(memory.history().size()));
    for (quint64 used : memory.history())
        result.history.push_back(double(used));
    result.domain = ViewKit::VKChartDomain{0, physical > 0 ? physical : 1.0};
    // Lines at none, half and all of the memory, as the processor chart beside it has at 0, 50 and
    // 100 %: lines at round byte counts would leave the top of the scale unmarked, and the chart
    // would look lower than its neighbour.
    result.gridValues = {0, result.domain.upper / 2, result.domain.upper};
    result.legends = {
        UsageLegend{blue, LKResources::localized(LKLocalizedString::wired), BaseKit::IO::sizeText(memory.wired()), 16},
        UsageLegend{pink, LKResources::localized(LKLocalizedString::active), BaseKit::IO::sizeText(memory.active()), 0},
        UsageLegend{orange, LKResources::localized(LKLocalizedString::compressed),
                    BaseKit::IO::sizeText(memory.compressed()), 0},
        UsageLegend{ViewKit::withOpacity(VKTheme::color(VKNamedColor::gray, scheme), 0.4),
                    LKResources::localized(LKLocalizedString::available), BaseKit::IO::sizeText(memory.free()), 0},
    };
    return result;
}

void MemoryUsageView::refresh()
{
    m_list->setProcesses(m_processor ? m_processor->processes() : SystemKit::RunningProcessList());
}

} // namespace Kestrion
