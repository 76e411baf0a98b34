#include "Kestrion/Cards/VolumeCards.h"

#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/DiskInfoView.h"
#include "Kestrion/Cards/VolumesView.h"

namespace Kestrion {

void VolumeCards::add(CardCatalog& catalog, const CardSources& sources)
{
    VolumesModel* model = sources.volumes;
    if (!model)
        return;
    const int sizeClass = sources.sizeClass;
    CardLookSettings* settings = sources.look ? sources.look : &CardLookSettings::standard();
    catalog.add(Card::diskInfo, [model, sizeClass, settings](QWidget* parent) -> QWidget* {
        return new DiskInfoView(*model, sizeClass, *settings, parent);
    });
    catalog.add(Card::volumes, [model, settings](QWidget* parent) -> QWidget* {
        return new VolumesView(*model, *settings, parent);
    });
}

} // namespace Kestrion
