#include "Kestrion/Models/GpuModel.h"

#include "Kestrion/Models/StartupEnvironment.h"

namespace Kestrion {

GpuModel::GpuModel(const StartupEnvironment& environment, QObject* parent)
    : GpuModel(new SystemKit::GraphicsCardController(SystemKit::DataStorageMode::all, 30, environment.graphicsEnvironment()),
               parent)
{
}

GpuModel::GpuModel(SystemKit::GraphicsCardController* controller, QObject* parent)
    : QObject(parent)
{
    setController(controller);
    this->controller()->start(1.0);
    this->controller()->refresh();
}

void GpuModel::setController(SystemKit::GraphicsCardController* controller)
{
    if (controller && !controller->parent())
        controller->setParent(this);
    m_controller = controller;
    emit controllerChanged();
}

} // namespace Kestrion
