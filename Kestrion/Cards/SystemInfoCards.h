#pragma once

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/Common/CardSources.h"

namespace Kestrion {

// The system-information row of the main window, made over the system model, with the graphics and
// volumes models while they last.
class SystemInfoCards
{
public:
    SystemInfoCards() = delete;

    // Adds the maker of Card::systemInfo; nothing without a system model.
    static void add(CardCatalog& catalog, const CardSources& sources);
};

} // namespace Kestrion
