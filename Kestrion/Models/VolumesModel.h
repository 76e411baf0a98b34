#pragma once

#include "Kestrion/Models/VolumeModel.h"

#include <QList>
#include <QObject>
#include <QString>

namespace SystemKit {
class Volume;
class VolumesController;
} // namespace SystemKit

namespace Kestrion {

struct StartupEnvironment;

// Gives the views the running volume sampler (one tick a second, the first one at once) and a list of
// rows, one per mounted volume, sorted by volume name. The sampler's mount and unmount announcements
// reach the list one turn of the event loop later, so the list is empty right after construction.
class VolumesModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<Kestrion::VolumeModel*> volumes READ volumes NOTIFY volumesChanged)

public:
    explicit VolumesModel(const StartupEnvironment& environment, QObject* parent = nullptr);
    // Takes a sampler made elsewhere (tests) and starts it the same way.
    explicit VolumesModel(SystemKit::VolumesController* controller, QObject* parent = nullptr);

    const QList<VolumeModel*>& volumes() const { return m_volumes; }
    SystemKit::VolumesController* controller() const { return m_controller; }

    // Adds a row for the volume, unless one for its id is listed already; keeps the rows sorted by
    // the volumes' current names (ordinal, stable).
    void addVolume(SystemKit::Volume* volume);
    // Drops every row of that id.
    void removeVolume(const QString& id);

    // The system volume's larger transfer direction of the last second as a byte rate; "-" when the
    // machine has no system volume the sampler can name. Reads the list as it stands (no tick).
    QString peakRateText() const;

signals:
    void volumesChanged();

private:
    SystemKit::VolumesController* m_controller = nullptr;
    QList<VolumeModel*> m_volumes;
};

} // namespace Kestrion
