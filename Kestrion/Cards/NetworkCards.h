#pragma once

#include "Kestrion/Common/CardCatalog.h"

#include <QString>

#include <functional>

namespace Kestrion {

class AppSettings;
class CardLookSettings;
class NetworkModel;

// The network usage and network details cards of the main window, made from the application's
// network model. The model and the settings must outlive every card made.
class NetworkCards
{
public:
    NetworkCards() = delete;

    struct Sources
    {
        NetworkModel* network = nullptr;
        AppSettings* settings = nullptr;       // "ShowLegends"
        std::function<QString()> hostName;     // the machine's host name, read at each refresh
        CardLookSettings* look = nullptr;      // none: the look of the standard suite
    };

    // Adds the makers of Card::networkUsage and Card::networkInfo; none without a model.
    static void add(CardCatalog& catalog, const Sources& sources);
};

} // namespace Kestrion
