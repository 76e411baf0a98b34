#include "Kestrion/Cards/ProcessorCards.h"

#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/CoreUsageView.h"
#include "Kestrion/Cards/MemoryUsageView.h"
#include "Kestrion/Cards/ProcessorUsageView.h"

namespace Kestrion {

void ProcessorCards::add(CardCatalog& catalog, const Sources& sources)
{
    CardLookSettings* look = sources.look ? sources.look : &CardLookSettings::standard();
    SystemKit::ProcessorController* processor = sources.processor;
    SystemKit::MemoryController* memory = sources.memory;
    if (processor) {
        catalog.add(Card::processorUsage, [processor, look, sources](QWidget* parent) -> QWidget* {
            return new ProcessorUsageView(*processor, sources.processorName, sources.sizeClass, *look, parent);
        });
        catalog.add(Card::coreUsage, [processor, look](QWidget* parent) -> QWidget* {
            return new CoreUsageView(*processor, *look, parent);
        });
    }
    if (processor && memory) {
        catalog.add(Card::memoryUsage, [processor, memory, look, sources](QWidget* parent) -> QWidget* {
            return new MemoryUsageView(*memory, *processor, sources.physicalMemory, sources.sizeClass, *look, parent);
        });
    }
}

} // namespace Kestrion
