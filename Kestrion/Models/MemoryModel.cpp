#include "Kestrion/Models/MemoryModel.h"

#include "Kestrion/Models/StartupEnvironment.h"

#include "SystemKit/Processor/MemoryController.h"

namespace Kestrion {

MemoryModel::MemoryModel(const StartupEnvironment& environment, QObject* parent)
    : MemoryModel(new SystemKit::MemoryController(30, environment.memory), parent)
{
}

MemoryModel::MemoryModel(SystemKit::MemoryController* controller, QObject* parent)
    : QObject(parent)
{
    setController(controller);
    this->controller()->start(1.0);
}

void MemoryModel::setController(SystemKit::MemoryController* controller)
{
    if (controller && !controller->parent())
        controller->setParent(this);
    m_controller = controller;
    emit controllerChanged();
}

} // namespace Kestrion
