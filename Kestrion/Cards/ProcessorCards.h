#pragma once

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/Common/CardSources.h"

namespace Kestrion {

// The processor, core and memory cards of the main window, made from the samplers the application's
// models hold.
class ProcessorCards
{
public:
    ProcessorCards() = delete;

    // Adds the makers of Card::processorUsage, Card::coreUsage and Card::memoryUsage; a card whose
    // sampler is missing is not added.
    static void add(CardCatalog& catalog, const CardSources& sources);
};

} // namespace Kestrion
