#include "Platform/SingleInstance.h"

#include "Platform/SingleInstanceAdaptor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QEventLoop>
#include <QTimer>

namespace Platform {

namespace {

// The identifier's elements with every character outside [A-Za-z0-9_] replaced by "_", as object paths
// and interface names require.
QStringList elements(const QString& identifier)
{
    QStringList parts = identifier.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    for (QString& part : parts) {
        for (QChar& c : part) {
            if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_'))
                c = QLatin1Char('_');
        }
        if (part.front().isDigit())
            part.prepend(QLatin1Char('_'));
    }
    return parts;
}

} // namespace

SingleInstance::SingleInstance(const QString& identifier, const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
    , m_serviceName(identifier)
{
    const QStringList parts = elements(identifier);
    m_objectPath = QLatin1Char('/') + parts.join(QLatin1Char('/'));
    m_interfaceName = (parts + QStringList{QStringLiteral("Application")}).join(QLatin1Char('.'));
}

SingleInstance::~SingleInstance()
{
    if (m_primary && m_bus.isConnected()) {
        m_bus.unregisterObject(m_objectPath);
        m_bus.unregisterService(m_serviceName);
    }
}

bool SingleInstance::claim()
{
    if (m_primary)
        return true;
    if (!m_bus.isConnected()) {
        m_primary = true;
        return true;
    }
    QDBusConnectionInterface* busInterface = m_bus.interface();
    if (!busInterface) {
        m_primary = true;
        return true;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = busInterface->registerService(
        m_serviceName, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        // The bus refused to answer: run on our own rather than not at all.
        m_primary = true;
        return true;
    }
    if (reply.value() != QDBusConnectionInterface::ServiceRegistered)
        return false;
    if (!m_adaptor) {
        auto* adaptor = new SingleInstanceAdaptor(this);
        connect(adaptor, &SingleInstanceAdaptor::showMainWindowRequested, this,
                &SingleInstance::showMainWindowRequested);
        m_adaptor = adaptor;
    }
    m_bus.registerObject(m_objectPath, m_interfaceName, m_adaptor, QDBusConnection::ExportScriptableSlots);
    m_primary = true;
    return true;
}

bool SingleInstance::activateRunning(int timeoutMs)
{
    if (!m_bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(m_serviceName, m_objectPath, m_interfaceName,
                                                       QStringLiteral("ShowMainWindow"));
    // Waited for in a local event loop rather than a blocking call, so that an instance served by this
    // very thread (tests) still answers.
    QDBusPendingCallWatcher watcher(m_bus.asyncCall(call, timeoutMs));
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs + 100, &loop, &QEventLoop::quit);
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return watcher.isFinished() && !watcher.isError();
}

} // namespace Platform
