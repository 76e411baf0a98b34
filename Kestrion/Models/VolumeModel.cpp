#include "Kestrion/Models/VolumeModel.h"

#include "SystemKit/Volumes/Volume.h"
#include "SystemKit/Volumes/VolumesController.h"

namespace Kestrion {

VolumeModel::VolumeModel(SystemKit::VolumesController* controller, SystemKit::Volume* volume, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_volume(volume)
{
    capture();
    if (volume) {
        for (auto signal : {&SystemKit::Volume::capacityChanged, &SystemKit::Volume::detailsChanged,
                            &SystemKit::Volume::ejectingChanged}) {
            connect(volume, signal, this, [this] {
                capture();
                emit changed();
            });
        }
    }
}

void VolumeModel::capture()
{
    if (!m_volume)
        return;
    m_usage = m_volume->usage();
    m_name = m_volume->name();
    m_id = m_volume->id();
}

SystemKit::VolumesController* VolumeModel::controller() const
{
    return m_controller;
}

SystemKit::Volume* VolumeModel::volume() const
{
    return m_volume;
}

double VolumeModel::usage() const
{
    return m_volume ? m_volume->usage() : m_usage;
}

QString VolumeModel::name() const
{
    return m_volume ? m_volume->name() : m_name;
}

QString VolumeModel::id() const
{
    return m_volume ? m_volume->id() : m_id;
}

} // namespace Kestrion
