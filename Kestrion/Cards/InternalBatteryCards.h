#pragma once

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/Common/CardSources.h"

namespace Kestrion {

// The battery card of the main window, made over the application's battery model.
class InternalBatteryCards
{
public:
    InternalBatteryCards() = delete;

    // Adds the maker of Card::internalBattery; nothing without a model.
    static void add(CardCatalog& catalog, const CardSources& sources);
};

} // namespace Kestrion
