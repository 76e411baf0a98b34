#include "Platform/Bus/SingleInstance.h"

#include "Platform/Bus/SingleInstanceAdaptor.h"

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
        // Given back with a short wait: a bus that does not answer takes the name back anyway when
        // the connection closes.
        QDBusMessage release = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                              QStringLiteral("/org/freedesktop/DBus"),
                                                              QStringLiteral("org.freedesktop.DBus"),
                                                              QStringLiteral("ReleaseName"));
        release << m_serviceName;
        m_bus.call(release, QDBus::Block, claimTimeoutMs);
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
    // RequestName with DBUS_NAME_FLAG_DO_NOT_QUEUE; the answer 1 is "primary owner", 3 "exists".
    QDBusMessage request = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                          QStringLiteral("/org/freedesktop/DBus"),
                                                          QStringLiteral("org.freedesktop.DBus"),
                                                          QStringLiteral("RequestName"));
    request << m_serviceName << 4u;
    const QDBusReply<uint> reply = m_bus.call(request, QDBus::Block, claimTimeoutMs);
    if (!reply.isValid()) {
        // The bus refused or did not answer in time: run on our own rather than not at all.
        m_primary = true;
        return true;
    }
    if (reply.value() != 1u && reply.value() != 4u) // 4: this connection owns it already
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
