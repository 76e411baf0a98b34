#include "Kestrion/Cards/NetworkCards.h"

#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/NetworkUsageView.h"
#include "Kestrion/Cards/NetworkView.h"
#include "Kestrion/Settings/AppSettings.h"

namespace Kestrion {

void NetworkCards::add(CardCatalog& catalog, const CardSources& sources)
{
    if (!sources.network)
        return;
    CardLookSettings* look = sources.look ? sources.look : &CardLookSettings::standard();
    AppSettings* settings = sources.settings ? sources.settings : &AppSettings::standard();
    NetworkModel* network = sources.network;
    catalog.add(Card::networkUsage, [network, settings, look](QWidget* parent) -> QWidget* {
        return new NetworkUsageView(*network, *settings, *look, parent);
    });
    catalog.add(Card::networkInfo, [network, look, hostName = sources.hostName](QWidget* parent) -> QWidget* {
        return new NetworkView(*network, hostName, *look, parent);
    });
}

} // namespace Kestrion
