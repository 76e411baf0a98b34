#pragma once

#include "SystemKit/Graphics/GraphicsCardController.h"

#include <QObject>

namespace Kestrion {

struct StartupEnvironment;

// Gives the views the running graphics-card sampler: every card kept in full (previous sample, a
// history of 30 samples, maxima and last-change times), one sample every second, and one sample at
// once, so that the primary card exists before any window is drawn.
class GpuModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SystemKit::GraphicsCardController* controller READ controller WRITE setController NOTIFY controllerChanged)

public:
    explicit GpuModel(const StartupEnvironment& environment, QObject* parent = nullptr);
    // Takes a sampler made elsewhere (tests) and starts and samples it the same way.
    explicit GpuModel(SystemKit::GraphicsCardController* controller, QObject* parent = nullptr);

    SystemKit::GraphicsCardController* controller() const { return m_controller; }
    void setController(SystemKit::GraphicsCardController* controller);

signals:
    void controllerChanged();

private:
    SystemKit::GraphicsCardController* m_controller = nullptr;
};

} // namespace Kestrion
