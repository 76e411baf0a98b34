#pragma once

#include <QString>

namespace BaseKit {

// Told by an AppRunnerMonitor, at every check, whether each watched application runs.
class AppRunnerMonitorDelegate {
public:
    virtual ~AppRunnerMonitorDelegate() = default;
    virtual void appRunnerMonitorDidRefresh(const QString& identifier, bool isRunning) = 0;
};

} // namespace BaseKit
