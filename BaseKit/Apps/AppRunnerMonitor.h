#pragma once

#include "BaseKit/Apps/AppRunnerMonitorDelegate.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QTimer;

namespace BaseKit {

// Checks at a fixed interval, for each application of a list (by identifier), whether it runs, and
// tells its delegate every answer, changed or not, in list order. An application runs when it owns
// its identifier on the session bus. The first check comes one interval after start. Main thread.
class AppRunnerMonitor : public QObject {
    Q_OBJECT
public:
    AppRunnerMonitor(QStringList identifiers, double interval, QObject* parent = nullptr);
    ~AppRunnerMonitor() override;

    QStringList identifiers;
    // Seconds between two checks; a change takes effect at the next start.
    double interval = 1.0;

    // Held weakly: a delegate that has gone away is not called.
    std::shared_ptr<AppRunnerMonitorDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(const std::shared_ptr<AppRunnerMonitorDelegate>& delegate) { m_delegate = delegate; }

    bool isRunning() const { return m_timer != nullptr; }
    // Starts the repeating check; nothing when it runs already.
    void start();
    void stop();
    // One check now.
    void refresh();

private:
    std::weak_ptr<AppRunnerMonitorDelegate> m_delegate;
    QTimer* m_timer = nullptr;
};

} // namespace BaseKit
