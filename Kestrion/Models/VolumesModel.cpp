#include "Kestrion/Models/VolumesModel.h"

#include "Kestrion/Models/StartupEnvironment.h"

#include "BaseKit/IO.h"
#include "BaseKit/Text.h"
#include "SystemKit/Volumes/Volume.h"
#include "SystemKit/Volumes/VolumesController.h"

#include <QPointer>

#include <algorithm>

namespace Kestrion {

VolumesModel::VolumesModel(const StartupEnvironment& environment, QObject* parent)
    : VolumesModel(new SystemKit::VolumesController(environment.volumesEnvironment()), parent)
{
}

VolumesModel::VolumesModel(SystemKit::VolumesController* controller, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
{
    if (!m_controller->parent())
        m_controller->setParent(this);
    m_controller->start(1.0);
    // Announcements arrive on the next turn of the event loop, as the sampler's subscribers expect.
    connect(m_controller, &SystemKit::VolumesController::onMount, this, [this](SystemKit::Volume* volume) {
        QPointer<SystemKit::Volume> announced(volume);
        QMetaObject::invokeMethod(this, [this, announced] {
            if (announced)
                addVolume(announced);
        }, Qt::QueuedConnection);
    });
    connect(m_controller, &SystemKit::VolumesController::onUnmount, this, [this](SystemKit::Volume* volume) {
        const QString id = volume->id();
        QMetaObject::invokeMethod(this, [this, id] { removeVolume(id); }, Qt::QueuedConnection);
    });
    m_controller->refresh();
}

void VolumesModel::addVolume(SystemKit::Volume* volume)
{
    if (!volume)
        return;
    const QString id = volume->id();
    if (std::any_of(m_volumes.begin(), m_volumes.end(), [&id](const VolumeModel* row) { return row->id() == id; }))
        return;
    auto* row = new VolumeModel(m_controller, volume, this);
    connect(row, &VolumeModel::changed, this, [this] {
        // A renamed volume moves to its place.
        QList<VolumeModel*> sorted = m_volumes;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const VolumeModel* a, const VolumeModel* b) { return a->name() < b->name(); });
        if (sorted != m_volumes) {
            m_volumes = sorted;
            emit volumesChanged();
        }
    });
    m_volumes.append(row);
    std::stable_sort(m_volumes.begin(), m_volumes.end(),
                     [](const VolumeModel* a, const VolumeModel* b) { return a->name() < b->name(); });
    emit volumesChanged();
}

void VolumesModel::removeVolume(const QString& id)
{
    QList<VolumeModel*> kept;
    for (VolumeModel* row : std::as_const(m_volumes)) {
        // A row whose volume is gone without an announcement goes as well.
        if (row->id() == id || !row->volume())
            row->deleteLater();
        else
            kept.append(row);
    }
    m_volumes = kept;
    emit volumesChanged();
}

QString VolumesModel::peakRateText() const
{
    SystemKit::Volume* system = m_controller->listedSystemVolume();
    if (!system)
        return BaseKit::Text::dash;
    return BaseKit::IO::rateText(std::max(system->writeDelta(), system->readDelta()), false);
}

} // namespace Kestrion
