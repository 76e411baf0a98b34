#include "Kestrion/Cards/ProcessorCards.h"

#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/CardTitleRow.h"
#include "Kestrion/Cards/CoreUsageView.h"
#include "Kestrion/Cards/MemoryUsageView.h"
#include "Kestrion/Cards/ProcessorUsageView.h"

#include <memory>

namespace Kestrion {

void ProcessorCards::add(CardCatalog& catalog, const CardSources& sources)
{
    CardLookSettings* look = sources.look ? sources.look : &CardLookSettings::standard();
    SystemKit::ProcessorController* processor = sources.processor;
    SystemKit::MemoryController* memory = sources.memory;
    // The processor and the memory card stand side by side at the top of the first two columns.
    auto titles = std::make_shared<CardTitleRow>();
    if (processor) {
        catalog.add(Card::processorUsage, [processor, look, sources, titles](QWidget* parent) -> QWidget* {
            auto* card = new ProcessorUsageView(*processor, sources.processorName, sources.sizeClass, *look, parent);
            titles->add(card->title());
            return card;
        });
        catalog.add(Card::coreUsage, [processor, look](QWidget* parent) -> QWidget* {
            return new CoreUsageView(*processor, *look, parent);
        });
    }
    if (processor && memory) {
        catalog.add(Card::memoryUsage, [processor, memory, look, sources, titles](QWidget* parent) -> QWidget* {
            auto* card =
                new MemoryUsageView(*memory, *processor, sources.physicalMemory, sources.sizeClass, *look, parent);
            titles->add(card->title());
            return card;
        });
    }
}

} // namespace Kestrion
