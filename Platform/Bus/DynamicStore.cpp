#include "Platform/Bus/DynamicStore.h"

#include "Platform/System/AssignmentFile.h"
#include "Platform/System/KernelName.h"
#include "Platform/Proc/ProcFile.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QSysInfo>

#include <fcntl.h>

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

std::optional<QString> DynamicStore::primaryInterface() const
{
    const QByteArray path = ProcFile::join(m_root, "proc/net/route").toLocal8Bit();
    const auto text = ProcFile::read(AT_FDCWD, path.constData(), m_routeBuffer);
    return text ? primaryInterfaceInRoutes(*text) : std::nullopt;
}

std::optional<QString> DynamicStore::primaryInterfaceInRoutes(std::string_view routes)
{
    constexpr std::uint64_t routeUp = 0x1; // RTF_UP
    std::optional<QString> best;
    std::uint64_t bestMetric = 0;
    bool header = true;
    while (!routes.empty()) {
        const size_t end = routes.find('\n');
        std::string_view line = routes.substr(0, end);
        routes = end == std::string_view::npos ? std::string_view() : routes.substr(end + 1);
        if (header) { // "Iface Destination Gateway Flags RefCnt Use Metric Mask ..."
            header = false;
            continue;
        }
        // Iface, Destination, Gateway, Flags (hex), RefCnt, Use, Metric, Mask (hex).
        std::string_view fields[8];
        int count = 0;
        for (; count < 8; ++count) {
            fields[count] = ProcFile::takeField(line);
            if (fields[count].empty())
                break;
        }
        if (count < 8)
            continue;
        auto hex = [](std::string_view text) -> std::optional<std::uint64_t> {
            std::uint64_t value = 0;
            if (text.empty() || text.size() > 16)
                return std::nullopt;
            for (char c : text) {
                int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
                if (digit < 0)
                    return std::nullopt;
                value = value * 16 + std::uint64_t(digit);
            }
            return value;
        };
        const auto destination = hex(fields[1]);
        const auto flags = hex(fields[3]);
        const auto mask = hex(fields[7]);
        std::string_view metricText = fields[6];
        const auto metric = ProcFile::takeUnsigned(metricText);
        if (!destination || !flags || !mask || !metric || *destination != 0 || *mask != 0 || !(*flags & routeUp))
            continue;
        if (!best || *metric < bestMetric) {
            best = KernelName::decode(QByteArrayView(fields[0].data(), qsizetype(fields[0].size())));
            bestMetric = *metric;
        }
    }
    return best;
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
