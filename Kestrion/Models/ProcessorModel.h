#pragma once

#include "SystemKit/Processor/ProcessorController.h"

#include <QObject>

namespace Kestrion {

struct StartupEnvironment;

class AppSettings;

// Gives the views the running processor sampler. Built once at start-up: the sampler keeps a history
// of 30 samples, collects the process table, normalises its loads as "NormalizeProcessorLoads" says
// (read when built, then followed through the settings' `changed`, whoever wrote it) and samples every
// second, the first time one second after it was built.
class ProcessorModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SystemKit::ProcessorController* controller READ controller WRITE setController NOTIFY controllerChanged)

public:
    ProcessorModel(const StartupEnvironment& environment, const AppSettings& settings, QObject* parent = nullptr);
    // Takes a sampler made elsewhere (tests) and starts it the same way.
    ProcessorModel(SystemKit::ProcessorController* controller, const AppSettings& settings, QObject* parent = nullptr);

    SystemKit::ProcessorController* controller() const { return m_controller; }
    void setController(SystemKit::ProcessorController* controller);

signals:
    void controllerChanged();

private:
    void startController(const AppSettings& settings);

    SystemKit::ProcessorController* m_controller = nullptr;
};

} // namespace Kestrion
