#include "BaseKit/Apps/AppRunnerMonitor.h"

#include "Platform/Desktop/Workspace.h"

#include <QTimer>

#include <cmath>

namespace BaseKit {

AppRunnerMonitor::AppRunnerMonitor(QStringList identifiers, double interval, QObject* parent)
    : QObject(parent)
    , identifiers(std::move(identifiers))
    , interval(interval)
{
}

AppRunnerMonitor::~AppRunnerMonitor() = default;

void AppRunnerMonitor::start()
{
    if (m_timer)
        return;
    m_timer = new QTimer(this);
    const double milliseconds = std::isfinite(interval) ? interval * 1000.0 : 0.0;
    m_timer->setInterval(int(std::clamp(milliseconds, 1.0, 86400000.0)));
    connect(m_timer, &QTimer::timeout, this, &AppRunnerMonitor::refresh);
    m_timer->start();
}

void AppRunnerMonitor::stop()
{
    delete m_timer;
    m_timer = nullptr;
}

void AppRunnerMonitor::refresh()
{
    const QStringList running = Platform::Workspace::runningBundleIds();
    if (identifiers.isEmpty())
        return;
    const QStringList checked = identifiers; // a delegate may change the list
    for (const QString& identifier : checked) {
        const bool isRunning = !identifier.isEmpty() && running.contains(identifier);
        if (const auto delegate = m_delegate.lock())
            delegate->appRunnerMonitorDidRefresh(identifier, isRunning);
    }
}

} // namespace BaseKit
