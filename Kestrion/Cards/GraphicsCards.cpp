#include "Kestrion/Cards/GraphicsCards.h"

#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/GraphicsCardView.h"

namespace Kestrion {

void GraphicsCards::add(CardCatalog& catalog, const CardSources& sources)
{
    SystemKit::GraphicsCardController* graphics = sources.graphics;
    if (!graphics)
        return;
    CardLookSettings* look = sources.look ? sources.look : &CardLookSettings::standard();
    catalog.add(Card::graphicsCard, [graphics, look](QWidget* parent) -> QWidget* {
        return new GraphicsCardView(*graphics, *look, parent);
    });
}

} // namespace Kestrion
