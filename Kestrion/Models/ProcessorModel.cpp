#include "Kestrion/Models/ProcessorModel.h"

#include "Kestrion/Models/StartupEnvironment.h"

#include "Kestrion/Settings/AppSettings.h"
#include "SystemKit/Processor/ProcessorController.h"

namespace Kestrion {

namespace {
constexpr int historySize = 30;
constexpr double interval = 1.0;
} // namespace

ProcessorModel::ProcessorModel(const StartupEnvironment& environment, const AppSettings& settings, QObject* parent)
    : ProcessorModel(new SystemKit::ProcessorController(historySize, environment.processorEnvironment()), settings, parent)
{
    // Reading the process table of this machine takes milliseconds of kernel time with a few hundred
    // processes: the window does not wait for it.
    controller()->readProcessesOffMainThread();
}

ProcessorModel::ProcessorModel(SystemKit::ProcessorController* controller, const AppSettings& settings,
                               QObject* parent)
    : QObject(parent)
{
    setController(controller);
    startController(settings);
}

void ProcessorModel::setController(SystemKit::ProcessorController* controller)
{
    if (controller && !controller->parent())
        controller->setParent(this);
    m_controller = controller;
    emit controllerChanged();
}

void ProcessorModel::startController(const AppSettings& settings)
{
    controller()->setCollectProcessInformation(true);
    controller()->setNormalize(settings.boolValue(SettingKey::normalizeProcessorLoads));
    controller()->start(interval);
    // The setting follows every write, from any window or another process, while the sampler runs.
    connect(&settings, &AppSettings::changed, this, [this, &settings](SettingKey key) {
        if (key == SettingKey::normalizeProcessorLoads && controller())
            controller()->setNormalize(settings.boolValue(SettingKey::normalizeProcessorLoads));
    });
}

} // namespace Kestrion
