#pragma once

#include "SystemKit/Processor/MemoryController.h"

#include <QObject>

namespace Kestrion {

struct StartupEnvironment;

// Gives the views the running memory sampler: a history of 30 samples, one sample every second, the
// first one second after it was built.
class MemoryModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SystemKit::MemoryController* controller READ controller WRITE setController NOTIFY controllerChanged)

public:
    explicit MemoryModel(const StartupEnvironment& environment, QObject* parent = nullptr);
    // Takes a sampler made elsewhere (tests) and starts it the same way.
    explicit MemoryModel(SystemKit::MemoryController* controller, QObject* parent = nullptr);

    SystemKit::MemoryController* controller() const { return m_controller; }
    void setController(SystemKit::MemoryController* controller);

signals:
    void controllerChanged();

private:
    SystemKit::MemoryController* m_controller = nullptr;
};

} // namespace Kestrion
