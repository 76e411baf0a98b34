#pragma once

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/Common/CardSources.h"

namespace Kestrion {

// The fans and sensors cards of the main window, each handed the current list of the companion model
// whenever the model rebuilds it (the sensors in the temperature unit of the settings).
class CompanionCards
{
public:
    CompanionCards() = delete;

    // Adds the makers of Card::fans and Card::thermion; nothing without a model.
    static void add(CardCatalog& catalog, const CardSources& sources);
};

} // namespace Kestrion
