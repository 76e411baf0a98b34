#pragma once

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/Common/CardSources.h"

namespace Kestrion {

// The graphics card of the main window, made over the graphics sampler.
class GraphicsCards
{
public:
    GraphicsCards() = delete;

    // Adds the maker of Card::graphicsCard; nothing without a sampler.
    static void add(CardCatalog& catalog, const CardSources& sources);
};

} // namespace Kestrion
