#pragma once

#include "Kestrion/Common/CardCatalog.h"

namespace Kestrion {

class CardLookSettings;
class VolumesModel;

// The disk card and the volumes card of the main window, made over the application's volumes model.
// The model and the look settings must outlive every card made.
class VolumeCards
{
public:
    VolumeCards() = delete;

    // Adds the makers of Card::diskInfo and Card::volumes; nothing without a model.
    static void add(CardCatalog& catalog, VolumesModel* model, int sizeClass, CardLookSettings* look);
};

} // namespace Kestrion
