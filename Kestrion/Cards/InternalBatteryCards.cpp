#include "Kestrion/Cards/InternalBatteryCards.h"

#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/InternalBatteryView.h"

namespace Kestrion {

void InternalBatteryCards::add(CardCatalog& catalog, const CardSources& sources)
{
    InternalBatteryModel* battery = sources.battery;
    if (!battery)
        return;
    CardLookSettings* look = sources.look ? sources.look : &CardLookSettings::standard();
    catalog.add(Card::internalBattery, [battery, look](QWidget* parent) -> QWidget* {
        return new InternalBatteryView(*battery, *look, parent);
    });
}

} // namespace Kestrion
