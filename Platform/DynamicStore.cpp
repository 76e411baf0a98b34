#include "Platform/DynamicStore.h"

#include "Platform/AssignmentFile.h"
#include "Platform/ProcFile.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QSysInfo>

namespace Platform {

DynamicStore::DynamicStore(QString root, std::optional<QDBusConnection> bus, QObject* parent)
    : QObject(parent), m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root)), m_bus(std::move(bus))
{
}

QString DynamicStore::readFile(const QString& relative) const
{
    return QString::fromUtf8(ProcFile::readFile(QDir(m_root).filePath(relative), 64 * 1024));
}

QString DynamicStore::computerName() const
{
    if (m_busName && !m_busName->isEmpty())
        return *m_busName;

    const QString machineInfo = readFile(QStringLiteral("etc/machine-info"));
    for (const QString& value : AssignmentFile::values(machineInfo, QStringLiteral("PRETTY_HOSTNAME"))) {
        if (!value.isEmpty())
            return value;
    }

    const QString host = readFile(QStringLiteral("proc/sys/kernel/hostname")).trimmed();
    if (!host.isEmpty())
        return host;
    if (QDir(m_root).canonicalPath() == QStringLiteral("/"))
        return QSysInfo::machineHostName();
    return {};
}

void DynamicStore::requestComputerName()
{
    if (!m_bus || !m_bus->isConnected())
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.hostname1"), QStringLiteral("/org/freedesktop/hostname1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    message << QStringLiteral("org.freedesktop.hostname1") << QStringLiteral("PrettyHostname");
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(message, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isError())
            return;
        const QVariant value = reply.value().variant();
        if (value.metaType() != QMetaType::fromType<QString>())
            return;
        m_busName = value.toString().trimmed();
        emit computerNameChanged();
    });
}

DynamicStore& DynamicStore::shared()
{
    static DynamicStore* store = [] {
        auto* s = new DynamicStore(QStringLiteral("/"), QDBusConnection::systemBus());
        s->requestComputerName();
        return s;
    }();
    return *store;
}

} // namespace Platform
