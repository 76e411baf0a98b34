#include "Platform/Bus/BusNameWatch.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace Platform {

namespace {

QDBusMessage nameHasOwner(const QString& name)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    message << name;
    return message;
}

} // namespace

BusNameWatch::BusNameWatch(const QString& name, const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_bus(bus)
{
    if (!m_bus.isConnected()) {
        m_owned = false;
        return;
    }
    m_watcher = new QDBusServiceWatcher(name, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) { setOwned(!newOwner.isEmpty()); });
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(nameHasOwner(name)), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<bool> reply = *call;
        // A change signal that came first is newer than this answer.
        if (!m_owned)
            setOwned(reply.isValid() && reply.value());
    });
}

void BusNameWatch::setOwned(bool owned)
{
    const bool changed = m_owned != owned;
    m_owned = owned;
    if (changed)
        emit ownerChanged(owned);
}

} // namespace Platform
