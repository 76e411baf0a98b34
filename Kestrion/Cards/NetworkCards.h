#pragma once

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/Common/CardSources.h"

namespace Kestrion {

// The network usage and network details cards of the main window, made from the application's
// network model (with "ShowLegends" of the settings and the machine's host name).
class NetworkCards
{
public:
    NetworkCards() = delete;

    // Adds the makers of Card::networkUsage and Card::networkInfo; none without a model.
    static void add(CardCatalog& catalog, const CardSources& sources);
};

} // namespace Kestrion
