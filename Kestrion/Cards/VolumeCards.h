#pragma once

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/Common/CardSources.h"

namespace Kestrion {

// The disk card and the volumes card of the main window, made over the application's volumes model.
class VolumeCards
{
public:
    VolumeCards() = delete;

    // Adds the makers of Card::diskInfo and Card::volumes; nothing without a model.
    static void add(CardCatalog& catalog, const CardSources& sources);
};

} // namespace Kestrion
