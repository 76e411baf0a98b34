#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace SystemKit {
class Volume;
class VolumesController;
} // namespace SystemKit

namespace Kestrion {

// One row of the volume list: the sampled volume with the sampler that reported it. Its name and usage
// follow the volume (a disk filling up moves its bar); once the volume is gone they keep the last
// values it had.
class VolumeModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double usage READ usage NOTIFY changed)
    Q_PROPERTY(QString name READ name NOTIFY changed)

public:
    VolumeModel(SystemKit::VolumesController* controller, SystemKit::Volume* volume, QObject* parent = nullptr);

    double usage() const;
    QString name() const;
    // The volume's id (its device name), read afresh; the last known one once the volume is gone.
    QString id() const;
    SystemKit::VolumesController* controller() const;
    // The volume; null once it is gone.
    SystemKit::Volume* volume() const;

signals:
    // The volume's name, capacity or ejecting state changed.
    void changed();

private:
    void capture();

    QPointer<SystemKit::VolumesController> m_controller;
    QPointer<SystemKit::Volume> m_volume;
    double m_usage = 0;
    QString m_name;
    QString m_id;
};

} // namespace Kestrion
