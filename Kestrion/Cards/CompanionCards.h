#pragma once

#include "Kestrion/Common/CardCatalog.h"

namespace Kestrion {

class AppSettings;
class CardLookSettings;
class ThermionViewModel;

// The fans and sensors cards of the main window, each handed the current list of the companion model
// whenever the model rebuilds it. The model, the settings and the look must outlive every card made.
class CompanionCards
{
public:
    CompanionCards() = delete;

    // Adds the makers of Card::fans and Card::thermion; nothing without a model.
    static void add(CardCatalog& catalog, ThermionViewModel* model, const AppSettings& settings,
                    CardLookSettings* look);
};

} // namespace Kestrion
