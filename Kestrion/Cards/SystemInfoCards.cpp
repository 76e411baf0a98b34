#include "Kestrion/Cards/SystemInfoCards.h"

#include "Kestrion/Cards/SystemInfoView.h"
#include "Kestrion/Models/GpuModel.h"
#include "Kestrion/Models/VolumesModel.h"

#include <QPointer>

namespace Kestrion {

void SystemInfoCards::add(CardCatalog& catalog, const CardSources& sources)
{
    SystemInfoModel* system = sources.system;
    if (!system)
        return;
    QPointer<GpuModel> gpu = sources.gpu;
    QPointer<VolumesModel> volumes = sources.volumes;
    const int sizeClass = sources.sizeClass;
    catalog.add(Card::systemInfo, [system, gpu, volumes, sizeClass](QWidget* parent) -> QWidget* {
        return new SystemInfoView(*system, gpu, volumes, sizeClass, parent);
    });
}

} // namespace Kestrion
