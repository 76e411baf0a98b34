#pragma once

#include "Kestrion/Common/CardCatalog.h"

#include <QString>

#include <cstdint>

namespace SystemKit {
class MemoryController;
class ProcessorController;
} // namespace SystemKit

namespace Kestrion {

class CardLookSettings;

// The processor, core and memory cards of the main window, made from the samplers the application's
// models hold. The samplers and the look settings must outlive every card made.
class ProcessorCards
{
public:
    ProcessorCards() = delete;

    struct Sources
    {
        SystemKit::ProcessorController* processor = nullptr;
        SystemKit::MemoryController* memory = nullptr;
        QString processorName;          // the processor's brand name, shown verbatim as the title
        std::uint64_t physicalMemory = 0; // bytes
        int sizeClass = 2;
        CardLookSettings* look = nullptr; // none: the look of the standard suite
    };

    // Adds the makers of Card::processorUsage, Card::coreUsage and Card::memoryUsage; a card whose
    // sampler is missing is not added.
    static void add(CardCatalog& catalog, const Sources& sources);
};

} // namespace Kestrion
