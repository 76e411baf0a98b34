#pragma once

#include "Kestrion/Cards/CardView.h"
#include "Kestrion/Cards/UsageSummary.h"

#include "SystemKit/Processor/MemoryController.h"
#include "SystemKit/Processor/ProcessorController.h"

#include <QPointer>

#include <cstdint>

namespace Kestrion {

class CardCanvas;
class CardTitle;
class ProcessListView;

// The memory card: the ring gauge of wired, active and compressed memory beside the history of the
// memory in use (scaled to the physical memory) and the wired, active, compressed and available
// legends; a divider; every running process ordered by its resident memory. It follows the memory
// sampler's and the processor sampler's change signals.
class MemoryUsageView : public CardView
{
    Q_OBJECT

public:
    MemoryUsageView(SystemKit::MemoryController& memory, SystemKit::ProcessorController& processor,
                    std::uint64_t physicalMemory, int sizeClass, CardLookSettings& settings,
                    QWidget* parent = nullptr);

    // What the summary row shows for the sampler's current values. A physical memory of 0 gives an
    // empty gauge and the chart domain 0...1.
    static UsageSummary summary(const SystemKit::MemoryController& memory, std::uint64_t physicalMemory,
                                ViewKit::VKColorScheme scheme);

    CardTitle* title() const { return m_title; }
    CardCanvas* summaryView() const { return m_summary; }
    ProcessListView* processList() const { return m_list; }

protected:
    void refresh() override;

private:
    QPointer<SystemKit::MemoryController> m_memory;
    QPointer<SystemKit::ProcessorController> m_processor;
    std::uint64_t m_physicalMemory;
    int m_sizeClass;
    CardTitle* m_title;
    CardCanvas* m_summary;
    ProcessListView* m_list;
};

} // namespace Kestrion
