#pragma once

#include "Kestrion/Cards/CardView.h"
#include "Kestrion/Cards/UsageSummary.h"

#include "SystemKit/Processor/ProcessorController.h"

#include <QPointer>

namespace Kestrion {

class CardCanvas;
class CardTitle;
class ProcessListView;

// The processor card: the processor's name; the ring gauge of the system and user load beside the
// load history, the system and user legends and the task and thread counts; a divider; every running
// process ordered by its processor usage. It follows the sampler's change signals.
class ProcessorUsageView : public CardView
{
    Q_OBJECT

public:
    ProcessorUsageView(SystemKit::ProcessorController& controller, QString processorName, int sizeClass,
                       CardLookSettings& settings, QWidget* parent = nullptr);

    // What the summary row shows for the sampler's current values.
    static UsageSummary summary(const SystemKit::ProcessorController& controller, ViewKit::VKColorScheme scheme);

    CardTitle* title() const { return m_title; }
    CardCanvas* summaryView() const { return m_summary; }
    ProcessListView* processList() const { return m_list; }

protected:
    void refresh() override;

private:
    QPointer<SystemKit::ProcessorController> m_controller;
    int m_sizeClass;
    CardTitle* m_title;
    CardCanvas* m_summary;
    ProcessListView* m_list;
};

} // namespace Kestrion
